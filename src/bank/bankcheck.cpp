#include "bank/bankcheck.h"

#include "bank/textnumbers.h"

int runQuestionCount(const BankFile &bank)
{
    const int stored = static_cast<int>(bank.questions.size());
    const bool guessingCheck = settingValue(bank.settings.value(SettingsRow::kGuessingCheck)) == 1;
    return guessingCheck ? stored + 1 : stored;
}

QStringList checkBank(const BankFile &bank)
{
    using namespace BankLimits;
    QStringList faults;

    if (bank.settings.size() != kSettingsRows)
        faults << QStringLiteral("Настройките трябва да са %1 реда, а са %2.")
                      .arg(kSettingsRows)
                      .arg(bank.settings.size());

    const int runCount = runQuestionCount(bank);
    if (runCount < kMinRunQuestions || runCount > kMaxRunQuestions)
        faults << QStringLiteral("Тестът трябва да има от %1 до %2 въпроса заедно с копието за "
                                 "проверка за налучкване, а има %3.")
                      .arg(kMinRunQuestions)
                      .arg(kMaxRunQuestions)
                      .arg(runCount);

    const bool phraseMode = settingValue(bank.settings.value(SettingsRow::kPhraseMode)) == 1;
    for (int q = 0; q < static_cast<int>(bank.questions.size()); ++q) {
        const BankQuestion &question = bank.questions.at(q);
        const QString label = questionLabel(q);
        if (question.text.isEmpty())
            faults << QStringLiteral("%1: липсва текстът на въпроса.").arg(label);
        const auto answers = question.answers.size();
        if (answers < kMinAnswers || answers > kMaxAnswers)
            faults << QStringLiteral("%1: има %2 отговора, а трябва да са от %3 до %4.")
                          .arg(label)
                          .arg(answers)
                          .arg(kMinAnswers)
                          .arg(kMaxAnswers);
        if (!question.key)
            faults << QStringLiteral("%1: липсва верният отговор (key).").arg(label);
        if (phraseMode && !question.text.contains(u'_'))
            faults << QStringLiteral("%1: в режим на фраза текстът трябва да съдържа празно място, "
                                     "означено с „_“.")
                          .arg(label);
    }
    return faults;
}
