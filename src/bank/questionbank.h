#pragma once

#include "bank/bankfile.h"
#include "bank/textlist.h"

#include <QImage>
#include <QString>

#include <array>

// The question bank, held by the never-shown bank window VELT_Danni. Every
// other part of the program addresses it by these list names and indices.
class QuestionBank
{
public:
    static constexpr int kQuestionLists = 40;
    static constexpr int kFigureSlots = 30;
    static constexpr int kMinPermutation = 2;
    static constexpr int kMaxPermutation = 5;

    // Builds the lists from a bank file that passed checkBank.
    explicit QuestionBank(const BankFile &file);

    // Question q's lists and figure. An index the bank has no slot for gives
    // an empty list or no picture, never a read out of bounds.
    const TextList &questionList(int q) const;
    const TextList &explanationList(int q) const;
    QImage figure(int q) const;

    // List1[0] is the key list; List1[q + 1] holds question q, row 0 its text
    // and rows 1 to k its answers. Lists past the last question are spare.
    std::array<TextList, kQuestionLists> List1;
    // Poredica[k] holds the k! orders of the digits 1 to k, for k = 2 to 5.
    std::array<TextList, kMaxPermutation + 1> Poredica;
    // The six settings lines; the value of a line is its last character.
    TextList List2;
    // Picture1[q + 1] is the figure of question q; a null image is no picture.
    std::array<QImage, kFigureSlots> Picture1;
    // Obqsnenie[q + 1] holds the explanation lines of question q.
    std::array<TextList, kFigureSlots> Obqsnenie;
    // A note about the lists that nothing reads.
    std::array<QString, 1> Text1;
};
