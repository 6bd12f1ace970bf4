#include "bank/bankcheck.h"
#include "bank/bankloader.h"
#include "support/bankfixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct BrokenBank
{
    const char *name;
    std::function<void(BankFile &)> breakIt;
    const char *fault;
};

class RefusedBank : public ::testing::TestWithParam<BrokenBank>
{
};

TEST_P(RefusedBank, IsRefusedWithItsOwnMessage)
{
    BankFile file = Fixture::bank(5);
    GetParam().breakIt(file);
    const Fixture::Folder folder(file);
    const BankLoad load = loadBank(folder.path());
    EXPECT_EQ(load.bank, nullptr);
    ASSERT_EQ(load.faults.size(), 1) << load.faults.join(u'\n').toStdString();
    EXPECT_EQ(load.faults.first(), QString::fromUtf8(GetParam().fault));
}

INSTANTIATE_TEST_SUITE_P(Limits, RefusedBank,
    ::testing::Values(
        BrokenBank { "TwoQuestions", [](BankFile &b) { b.questions.resize(2); },
            "Тестът трябва да има от 3 до 29 въпроса заедно с копието за проверка за налучкване, а "
            "има 2." },
        BrokenBank { "TwentyEightQuestionsAndTheCopy",
            [](BankFile &b) { b = Fixture::bank(29, Fixture::settings('0', '1')); },
            "Тестът трябва да има от 3 до 29 въпроса заедно с копието за проверка за налучкване, а "
            "има 30." },
        BrokenBank { "OneAnswer", [](BankFile &b) { b.questions[1].answers = { QStringLiteral("a1") }; },
            "Въпрос №2: има 1 отговора, а трябва да са от 2 до 5." },
        BrokenBank { "SixAnswers",
            [](BankFile &b) { b.questions[4] = Fixture::question(QStringLiteral("Шест"), 6, 1); },
            "Въпрос №5: има 6 отговора, а трябва да са от 2 до 5." },
        BrokenBank { "NoKey", [](BankFile &b) { b.questions[0].key.reset(); },
            "Въпрос №1: липсва верният отговор (key)." },
        BrokenBank { "NoQuestionText", [](BankFile &b) { b.questions[2].text.clear(); },
            "Въпрос №3: липсва текстът на въпроса." },
        BrokenBank { "FiveSettingsRows", [](BankFile &b) { b.settings.removeLast(); },
            "Настройките трябва да са 6 реда, а са 5." },
        BrokenBank { "PhraseWithoutBlank",
            [](BankFile &b) {
                b.settings = Fixture::settings('1');
                for (BankQuestion &q : b.questions)
                    q.text = QStringLiteral("Ъгълът е ___ градуса.");
                b.questions[3].text = QStringLiteral("Ъгълът е прав.");
            },
            "Въпрос №4: в режим на фраза текстът трябва да съдържа празно място, означено с „_“." },
        BrokenBank { "FigureMissing",
            [](BankFile &b) { b.questions[1].figureFile = QStringLiteral("липсва.jpg"); },
            "Въпрос №2: чертежът „липсва.jpg“ липсва или не може да се прочете." },
        BrokenBank { "FigureOutsideTheFolder",
            [](BankFile &b) { b.questions[0].figureFile = QStringLiteral("../secret.jpg"); },
            "Въпрос №1: чертежът „../secret.jpg“ трябва да е име на файл в папката на теста." }),
    [](const auto &info) { return std::string(info.param.name); });

struct AcceptedBank
{
    const char *name;
    int questions;
    char guessing;
    int runQuestions;
};

class AcceptedRunSize : public ::testing::TestWithParam<AcceptedBank>
{
};

TEST_P(AcceptedRunSize, CountsTheCopyOnlyWhenTheCheckIsOn)
{
    const BankFile file = Fixture::bank(GetParam().questions, Fixture::settings('0', GetParam().guessing));
    EXPECT_EQ(runQuestionCount(file), GetParam().runQuestions);
    EXPECT_TRUE(checkBank(file).isEmpty()) << checkBank(file).join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Limits, AcceptedRunSize,
    ::testing::Values(AcceptedBank { "ThreeWithoutCheck", 3, '0', 3 },
        AcceptedBank { "TwoAndTheCopy", 2, '1', 3 }, AcceptedBank { "TwentyNineWithoutCheck", 29, '0', 29 },
        AcceptedBank { "TwentyEightAndTheCopy", 28, '1', 29 },
        AcceptedBank { "CheckValueTwoAddsNoCopy", 29, '2', 29 }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RefusedBank, ReportsEveryFaultAtOnce)
{
    BankFile file = Fixture::bank(2);
    file.settings.removeLast();
    file.questions[0].answers.clear();
    file.questions[1].key.reset();
    const QStringList faults = checkBank(file);
    EXPECT_EQ(faults.size(), 4) << faults.join(u'\n').toStdString();
}

struct BrokenJson
{
    const char *name;
    const char *json;
    const char *fault;
};

class RefusedBankFile : public ::testing::TestWithParam<BrokenJson>
{
};

TEST_P(RefusedBankFile, IsRefusedWithItsOwnMessage)
{
    const Fixture::Folder folder(QByteArray(GetParam().json));
    const BankLoad load = loadBank(folder.path());
    EXPECT_EQ(load.bank, nullptr);
    ASSERT_FALSE(load.faults.isEmpty());
    EXPECT_TRUE(load.faults.first().startsWith(QString::fromUtf8(GetParam().fault)))
        << load.faults.first().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Form, RefusedBankFile,
    ::testing::Values(BrokenJson { "NotJson", "{ settings: ", "bank.json: грешка при знак" },
        BrokenJson { "NotAnObject", "[1, 2]", "bank.json: трябва да съдържа един обект." },
        BrokenJson {
            "NoQuestions", R"({"settings": []})", "bank.json: липсва списъкът с въпроси (questions)." },
        BrokenJson { "AnswersNotAList", R"({"questions": [{"text": "x", "answers": "a1"}]})",
            "Въпрос №1, отговори: трябва да е списък от текстове." },
        BrokenJson { "AnswerNotText", R"({"questions": [{"text": "x", "answers": ["a", 7]}]})",
            "Въпрос №1, отговори: ред 2 не е текст." },
        BrokenJson { "KeyNotText", R"({"questions": [{"text": "x", "answers": ["a", "b"], "key": 1}]})",
            "Въпрос №1: верният отговор (key) не е текст." }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RefusedBankFile, MissingFolderIsNamed)
{
    const BankLoad load = loadBank(QStringLiteral("/nonexistent/velt-bank"));
    EXPECT_EQ(load.bank, nullptr);
    ASSERT_EQ(load.faults.size(), 1);
    EXPECT_TRUE(load.faults.first().contains(QStringLiteral("/nonexistent/velt-bank")));
}

} // namespace
