#include "bank/bankcheck.h"
#include "bank/bankloader.h"
#include "bank/textnumbers.h"
#include "support/shippedbankfixture.h"

#include <gtest/gtest.h>

namespace {

using ShippedBank = ShippedBankTest;

TEST_F(ShippedBank, HasTwentyQuestionsOfFourAnswersEach)
{
    EXPECT_EQ(bank->List1[0].rowCount(), 20);
    for (int q = 0; q < 20; ++q)
        EXPECT_EQ(bank->List1[q + 1].rowCount(), 5) << "question " << q;
}

TEST_F(ShippedBank, EveryKeyIsTheTextOfItsCorrectAnswer)
{
    const int keyRows[20] = { 2, 4, 3, 2, 2, 3, 3, 3, 3, 2, 2, 2, 2, 3, 1, 2, 2, 2, 4, 1 };
    for (int q = 0; q < 20; ++q) {
        const TextList &question = bank->List1[q + 1];
        for (int row = 1; row <= 4; ++row)
            EXPECT_EQ(question.row(row) == bank->List1[0].row(q), row == keyRows[q])
                << "question " << q << ", answer " << row;
    }
}

TEST_F(ShippedBank, TrailingBlanksArePartOfTheKey)
{
    EXPECT_EQ(bank->List1[3].row(3), QStringLiteral("88°30\";  "));
    EXPECT_EQ(bank->List1[0].row(2), QStringLiteral("88°30\";  "));
    EXPECT_EQ(bank->List1[3].row(2), QStringLiteral("87;   "));
    EXPECT_EQ(bank->List1[8].row(3), QStringLiteral("1-5; 2-6; 3-7; 4-8; "));
    EXPECT_EQ(bank->List1[0].row(7), QStringLiteral("1-5; 2-6; 3-7; 4-8; "));
    EXPECT_EQ(bank->List1[2].row(0).back(), u' ');
    EXPECT_EQ(bank->List1[19].row(2).right(2), QStringLiteral(". "));
}

TEST_F(ShippedBank, FirstAndLastQuestionsReadAsStored)
{
    EXPECT_EQ(bank->List1[1].rows(),
        QStringList({ QStringLiteral("В триъгълника ABC е построена т.M на страната AB. Ако AC=BC=AM и "
                                     "CM=MB то ъгъл ACB = ?"),
            QStringLiteral("92°;"), QStringLiteral("108°;"), QStringLiteral("120°;"),
            QStringLiteral("132°;") }));
    EXPECT_EQ(bank->List1[0].row(0), QStringLiteral("108°;"));
    EXPECT_EQ(bank->List1[20].row(4), QStringLiteral("при 75° триъгълникът е равностранен"));
    EXPECT_EQ(bank->List1[0].row(19), QStringLiteral("при 30° триъгълникът е тъпоъгълен"));
}

TEST_F(ShippedBank, ReadingPastTheAnswersGivesEmptyText)
{
    EXPECT_EQ(bank->List1[1].row(5), QString());
}

TEST_F(ShippedBank, SettingsRowsAndTheirValues)
{
    EXPECT_EQ(bank->List2.rows(),
        QStringList(
            { QStringLiteral("Настройки - последната цифра"), QStringLiteral("ЧЕО - фраза от 2 части - 0"),
                QStringLiteral("Проверка за Тото - 1"), QStringLiteral("ВЕЛТ по Геометрия - мярка на ъгли"),
                QStringLiteral("Дава описание - 1"), QStringLiteral("Дава обяснения - 0") }));
    EXPECT_EQ(settingValue(bank->List2.row(SettingsRow::kPhraseMode)), 0);
    EXPECT_EQ(settingValue(bank->List2.row(SettingsRow::kGuessingCheck)), 1);
    EXPECT_EQ(settingValue(bank->List2.row(SettingsRow::kExplanations)), 1);
    EXPECT_EQ(settingValue(bank->List2.row(SettingsRow::kReviewButtons)), 0);
}

TEST_F(ShippedBank, SpareListsHoldTheirFillerRows)
{
    EXPECT_EQ(bank->List1[21].rows(), QStringList({ QStringLiteral("List1(21) - въпрос от теста") }));
    EXPECT_EQ(bank->List1[39].rows(), QStringList({ QStringLiteral("List1(39) - въпрос от теста") }));
    EXPECT_EQ(bank->Obqsnenie[0].rows(), QStringList({ QStringLiteral("Обяснение - няма") }));
    EXPECT_EQ(bank->Obqsnenie[21].rows(), QStringList({ QStringLiteral("Обяснение 21") }));
    EXPECT_EQ(bank->Obqsnenie[29].rows(), QStringList({ QStringLiteral("Обяснение 29") }));
}

TEST_F(ShippedBank, ExplanationOfQuestionNine)
{
    EXPECT_EQ(bank->Obqsnenie[10].rows(),
        QStringList({ QStringLiteral("Сумата от два съседни ъгъла е 180°. Съставяме уравнението:"),
            QStringLiteral("a+70° + a = 180°;"), QStringLiteral("2*a = 180° - 70°;"),
            QStringLiteral("2*a = 110°"), QStringLiteral("a = 55°") }));
}

TEST_F(ShippedBank, PermutationTablesForTwoToFiveAnswers)
{
    EXPECT_EQ(bank->Poredica[0].rowCount(), 0);
    EXPECT_EQ(bank->Poredica[1].rowCount(), 0);
    EXPECT_EQ(bank->Poredica[2].rowCount(), 2);
    EXPECT_EQ(bank->Poredica[3].rowCount(), 6);
    EXPECT_EQ(bank->Poredica[4].row(23), QStringLiteral("4321"));
    EXPECT_EQ(bank->Poredica[5].rowCount(), 120);
    EXPECT_EQ(bank->Poredica[5].row(24), QStringLiteral("21345"));
}

TEST_F(ShippedBank, NoFigureInSlotZeroNorAfterTheEighteenth)
{
    EXPECT_TRUE(bank->Picture1[0].isNull());
    for (int slot = 19; slot < QuestionBank::kFigureSlots; ++slot)
        EXPECT_TRUE(bank->Picture1[slot].isNull()) << "slot " << slot;
}

TEST_F(ShippedBank, NoteHasFourLinesEachEndingInCrLf)
{
    EXPECT_EQ(bank->Text1[0],
        QStringLiteral("List1(0) -spisyk s wernite otgowori\r\n"
                       "List1 - listowo pole s red 0 wypros i sledwat razli`en broj "
                       "distraktori\r\n"
                       "Poredica e listowo pole s wyzmovnite permutacii\r\n"
                       "Wiv koj radiobuton - dali se formira fraza\r\n"));
}

} // namespace
