#include "bank/questionbank.h"

#include "bank/permutations.h"

QuestionBank::QuestionBank(const BankFile &file)
    : List2(file.settings)
{
    const int stored = static_cast<int>(file.questions.size());
    for (int q = 0; q < stored && q + 1 < kQuestionLists; ++q) {
        const BankQuestion &question = file.questions.at(q);
        List1[0].append(question.key.value_or(QString()));
        TextList &rows = List1[q + 1];
        rows.append(question.text);
        for (const QString &answer : question.answers)
            rows.append(answer);
        if (q + 1 < kFigureSlots) {
            Picture1[q + 1] = question.figure;
            Obqsnenie[q + 1] = TextList(question.explanation);
        }
    }
    for (int i = stored + 1; i < kQuestionLists; ++i)
        List1[i].append(QStringLiteral("List1(%1) - въпрос от теста").arg(i));

    for (int k = kMinPermutation; k <= kMaxPermutation; ++k)
        Poredica[k] = TextList(permutationsOf(k));

    Obqsnenie[0].append(QStringLiteral("Обяснение - няма"));
    for (int i = stored + 1; i < kFigureSlots; ++i)
        Obqsnenie[i].append(QStringLiteral("Обяснение %1").arg(i));

    for (const QString &line : file.note)
        Text1[0] += line + QStringLiteral("\r\n");
}

namespace {
const TextList kNoList;
} // namespace

const TextList &QuestionBank::questionList(int q) const
{
    return q + 1 >= 1 && q + 1 < kQuestionLists ? List1[q + 1] : kNoList;
}

const TextList &QuestionBank::explanationList(int q) const
{
    return q + 1 >= 1 && q + 1 < kFigureSlots ? Obqsnenie[q + 1] : kNoList;
}

QImage QuestionBank::figure(int q) const
{
    return q + 1 >= 1 && q + 1 < kFigureSlots ? Picture1[q + 1] : QImage();
}
