#pragma once

#include "bank/textlist.h"

#include <QtGlobal>

#include <array>
#include <optional>

// State-list indices, by plain name. Rows of the position lists belong to
// positions; the answer-order list alone is indexed by question.
namespace StateList {
constexpr int kChosenOption = 0;
constexpr int kQuestionOrder = 1;
constexpr int kAnswerOrder = 2;
constexpr int kVerdict = 3;
constexpr int kCorrectOption = 4;
constexpr int kStepCandidates = 5;
constexpr int kGuessCheck = 6;
} // namespace StateList

// The text of a row that holds nothing yet.
inline const QString kNothingRecorded = QStringLiteral("-1");

// The state of one run: five run variables and seven lists of text rows,
// owned by the quiz window for the life of the program.
struct RunState
{
    RunState();

    qint16 CurrentPos = 0;
    // Unset until the first answer of the run.
    std::optional<qint16> LastOption;
    qint16 OrderStep = 0;
    qint16 QuestionCount = 0;
    qint16 AnsweredCount = 0;

    std::array<TextList, 7> List2;
};
