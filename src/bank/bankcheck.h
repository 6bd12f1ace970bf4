#pragma once

#include "bank/bankfile.h"

#include <QStringList>

// The limits a bank must keep so that a run can be built from it. Every
// fault is reported, each naming the question it concerns, so that a teacher
// can mend the whole bank in one pass.
namespace BankLimits {
constexpr int kSettingsRows = 6;
constexpr int kMinAnswers = 2;
constexpr int kMaxAnswers = 5;
constexpr int kMinRunQuestions = 3;
// Figure slots and explanation lists exist for questions 0 to 28 only.
constexpr int kMaxRunQuestions = 29;
} // namespace BankLimits

// Settings rows read by the run.
namespace SettingsRow {
constexpr int kPhraseMode = 1;
constexpr int kGuessingCheck = 2;
constexpr int kTitle = 3;
constexpr int kExplanations = 4;
constexpr int kReviewButtons = 5;
} // namespace SettingsRow

// The number of questions a run of this bank holds, the copy that the
// guessing check adds included.
int runQuestionCount(const BankFile &bank);

QStringList checkBank(const BankFile &bank);
