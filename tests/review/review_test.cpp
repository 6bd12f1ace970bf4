#include "quiz_window/colours.h"
#include "quiz_window/ellipseshape.h"
#include "quiz_window/textbox.h"
#include "support/bankfixture.h"
#include "support/windowfixture.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

using Fixture::click;
using Fixture::goTo;

QColor backOf(QWidget *widget)
{
    return widget->palette().color(widget->backgroundRole());
}

// The shipped run with step 2 and every answer order "1234": positions show
// questions 2, 4, …, 20, 1, 3, …, 19, 0, and the key of each question stands
// under the option of its answer row.
class ShippedReview : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = Fixture::openWindow(Fixture::runDraws(0.75, 21));
        ASSERT_NE(window, nullptr);
    }

    int question(int p) const { return (2 * (p + 1)) % 21; }
    int keyOption(int p) const
    {
        static const int keyRows[21] = { 2, 4, 3, 2, 2, 3, 3, 3, 3, 2, 2, 2, 2, 3, 1, 2, 2, 2, 4, 1, 2 };
        return keyRows[question(p)] - 1;
    }
    // Answers every position, right except at the positions listed.
    void answerAll(std::initializer_list<int> wrongAt = {})
    {
        for (int p = 0; p < 21; ++p) {
            goTo(*window, p);
            const bool wrong = std::find(wrongAt.begin(), wrongAt.end(), p) != wrongAt.end();
            click(window->Option1[wrong ? (keyOption(p) + 1) % 4 : keyOption(p)]);
        }
    }
    void evaluate() { click(window->Command2[0]); }

    std::unique_ptr<QuizWindow> window;
};

TEST_F(ShippedReview, NothingAnswered)
{
    evaluate();
    EXPECT_EQ(window->Label1[1]->text(), QStringLiteral("Резултат: 0/21 = 0%"));
    EXPECT_EQ(window->Label1[3]->text(), QStringLiteral("Частично!"));
    EXPECT_TRUE(window->Label1[3]->isVisible());
    EXPECT_EQ(window->Text1[0]->text(), QStringLiteral("Няма въведен отговор!"));
    EXPECT_EQ(backOf(window->Picture1), fromBgr(kRed));
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(window->Option1[i]->isChecked()) << i;
        EXPECT_EQ(backOf(window->Option1[i]), fromBgr(kWindowBlue)) << i;
    }
}

TEST_F(ShippedReview, EverythingRight)
{
    answerAll();
    evaluate();
    EXPECT_EQ(window->Label1[1]->text(), QStringLiteral("Резултат: 21/21 = 100%"));
    EXPECT_EQ(window->Label1[3]->text(), QStringLiteral("Проверка - Да"));
    EXPECT_EQ(window->state().CurrentPos, 0);
    EXPECT_TRUE(window->Option1[2]->isChecked());
    EXPECT_EQ(backOf(window->Option1[2]), fromBgr(kGreen));
    EXPECT_EQ(backOf(window->Picture1), fromBgr(kGreen));
}

TEST_F(ShippedReview, TwentyOfTwentyOneWithTheCopiesAnsweredDifferently)
{
    answerAll({ 20 });
    evaluate();
    EXPECT_EQ(window->Label1[1]->text(), QStringLiteral("Резултат: 20/21 = 95%"));
    EXPECT_EQ(window->Label1[3]->text(), QStringLiteral("Вероятно!"));
}

TEST_F(ShippedReview, OnePositionOpenOverrulesCopiesAnsweredAlike)
{
    for (int p = 0; p < 21; ++p) {
        goTo(*window, p);
        if (p != 4)
            click(window->Option1[keyOption(p)]);
    }
    evaluate();
    EXPECT_EQ(window->Label1[1]->text(), QStringLiteral("Резултат: 20/21 = 95%"));
    EXPECT_EQ(window->Label1[3]->text(), QStringLiteral("Частично!"));
}

TEST_F(ShippedReview, ChangedAnswerCountsByItsLastVerdict)
{
    click(window->Option1[keyOption(0)]);
    click(window->Option1[(keyOption(0) + 1) % 4]);
    goTo(*window, 1);
    click(window->Option1[(keyOption(1) + 1) % 4]);
    click(window->Option1[keyOption(1)]);
    evaluate();
    EXPECT_EQ(window->Label1[1]->text(), QStringLiteral("Резултат: 1/21 = 4%"));
}

TEST_F(ShippedReview, EvaluateLocksTheTestOnce)
{
    evaluate();
    EXPECT_FALSE(window->Command2[0]->isEnabled());
    EXPECT_FALSE(window->Command1[0]->isVisible());
    EXPECT_FALSE(window->Command1[1]->isVisible());
    EXPECT_FALSE(window->Command2[1]->isVisible());
    EXPECT_FALSE(window->Command2[2]->isVisible());
    for (QRadioButton *option : window->Option1)
        EXPECT_FALSE(option->isEnabled());
    click(window->Command2[0]);
    click(window->Option1[1]);
    EXPECT_EQ(window->Label1[1]->text(), QStringLiteral("Резултат: 0/21 = 0%"));
    EXPECT_EQ(window->state().List2[StateList::kChosenOption].row(0), QStringLiteral("-1"));
}

TEST_F(ShippedReview, WrongAnswerIsRedAndTheKeyGreen)
{
    click(window->Option1[0]); // question 2, key under C
    evaluate();
    EXPECT_TRUE(window->Option1[0]->isChecked());
    EXPECT_EQ(backOf(window->Option1[0]), fromBgr(kRed));
    EXPECT_EQ(backOf(window->Option1[2]), fromBgr(kGreen));
    EXPECT_EQ(backOf(window->Option1[1]), fromBgr(kWindowBlue));
    EXPECT_EQ(backOf(window->Picture1), fromBgr(kRed));
}

TEST_F(ShippedReview, AuthorReplacesTheReviewTextUntilTheNextDisplay)
{
    click(window->Option1[2]);
    evaluate();
    window->autor->trigger();
    EXPECT_EQ(window->Text1[0]->text(), QStringLiteral("За повече информация посетете www.velt.example."));
    EXPECT_EQ(window->state().CurrentPos, 0);
    EXPECT_TRUE(window->Option1[2]->isChecked());
}

// Small banks for the settings: three questions, step 2, so positions show
// questions 2, 1, 0. Question 0 has three explanation lines and question 1
// none.
struct ReviewSettings
{
    char phrase = '0';
    char guessing = '0';
    char explanations = '1';
    char reviewButtons = '1';
};

class SmallReview : public ::testing::Test
{
protected:
    void open(const ReviewSettings &settings, int questions = 3)
    {
        BankFile file = Fixture::bank(questions,
            Fixture::settings(
                settings.phrase, settings.guessing, settings.explanations, settings.reviewButtons));
        for (int q = 0; q < questions; ++q)
            file.questions[q].text = QStringLiteral("Ъгъл %1 е ___.").arg(q);
        file.questions[0].explanation = { QStringLiteral("ред 1"), QString(), QStringLiteral("ред 3") };
        file.questions[2].key = QStringLiteral("няма такъв");
        folder = std::make_unique<Fixture::Folder>(file);
        const int n = settings.guessing == '1' ? questions + 1 : questions;
        window = Fixture::openWindow(Fixture::runDraws(0.5, n), folder->path());
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->bankFaults().isEmpty()) << window->bankFaults().join(u'\n').toStdString();
    }
    void answer(int position, int option)
    {
        goTo(*window, position);
        click(window->Option1[option]);
    }
    std::unique_ptr<Fixture::Folder> folder;
    std::unique_ptr<QuizWindow> window;
};

TEST_F(SmallReview, TwoOfThree)
{
    open({ .explanations = '0' });
    answer(0, 1); // question 2: its key matches no answer
    answer(1, 1);
    answer(2, 1);
    click(window->Command2[0]);
    EXPECT_EQ(window->Label1[1]->text(), QStringLiteral("Резултат: 2/3 = 66%"));
}

TEST_F(SmallReview, ReviewButtonsMoveWithinTheRun)
{
    open({});
    click(window->Command2[0]);
    EXPECT_TRUE(window->Command2[1]->isVisible());
    EXPECT_TRUE(window->Command2[2]->isVisible());
    click(window->Command2[2]);
    EXPECT_EQ(window->state().CurrentPos, 0);
    for (int p = 1; p <= 3; ++p)
        click(window->Command2[1]);
    EXPECT_EQ(window->state().CurrentPos, 2);
    EXPECT_EQ(window->Text2[0]->text(), QStringLiteral("Ъгъл 0 е ___."));
    EXPECT_NEAR(window->Shape1[0]->widthTwips(), 2 * 10525.0 / 3 + 50, 1e-9);
}

TEST_F(SmallReview, WithoutReviewButtonsReviewStaysAtTheFirstPosition)
{
    open({ .reviewButtons = '0' });
    click(window->Command1[0]);
    click(window->Command2[0]);
    EXPECT_FALSE(window->Command2[1]->isVisible());
    EXPECT_FALSE(window->Command2[2]->isVisible());
    EXPECT_EQ(window->state().CurrentPos, 0);
}

TEST_F(SmallReview, ExplanationLinesEachEndInCrLf)
{
    open({});
    answer(2, 0);
    click(window->Command2[0]);
    click(window->Command2[1]);
    click(window->Command2[1]);
    EXPECT_EQ(window->Text1[0]->text(), QStringLiteral("ред 1\r\n\r\nред 3\r\n"));
}

TEST_F(SmallReview, AnsweredQuestionWithoutExplanationLeavesTheInfoBoxEmpty)
{
    open({});
    answer(1, 0);
    click(window->Command2[0]);
    click(window->Command2[1]);
    EXPECT_EQ(window->Text1[0]->text(), QString());
}

TEST_F(SmallReview, ExplanationsOffLeaveTheInfoBoxEmpty)
{
    open({ .explanations = '0' });
    answer(2, 0);
    click(window->Command2[0]);
    click(window->Command2[1]);
    click(window->Command2[1]);
    EXPECT_EQ(window->Text1[0]->text(), QString());
    click(window->Command2[2]);
    EXPECT_EQ(window->Text1[0]->text(), QStringLiteral("Няма въведен отговор!"));
}

TEST_F(SmallReview, WrongAnswerWithNoKeyShownMarksOnlyTheChoice)
{
    open({});
    answer(0, 1);
    click(window->Command2[0]);
    EXPECT_EQ(backOf(window->Option1[1]), fromBgr(kRed));
    for (int i : { 0, 2, 3 })
        EXPECT_EQ(backOf(window->Option1[i]), fromBgr(kWindowBlue)) << i;
    EXPECT_EQ(backOf(window->Picture1), fromBgr(kRed));
}

TEST_F(SmallReview, PhraseIsRefilledInReview)
{
    open({ .phrase = '1' });
    answer(2, 3);
    click(window->Command2[0]);
    EXPECT_EQ(window->Text2[6]->text(), QString());
    click(window->Command2[1]);
    click(window->Command2[1]);
    EXPECT_EQ(window->Text2[6]->text(), QStringLiteral("Ъгъл 0 е  a4 ."));
}

struct GuessSetting
{
    const char *name;
    char value;
    int n;
    bool shown;
};

class GuessingCheckSetting : public SmallReview, public ::testing::WithParamInterface<GuessSetting>
{
};

TEST_P(GuessingCheckSetting, DecidesTheCopyAndTheLabel)
{
    open({ .guessing = GetParam().value });
    EXPECT_EQ(window->state().QuestionCount, GetParam().n);
    click(window->Command2[0]);
    EXPECT_EQ(window->Label1[3]->isVisible(), GetParam().shown);
    EXPECT_EQ(window->Label1[3]->text(), QStringLiteral("Частично!"));
}

INSTANTIATE_TEST_SUITE_P(Values, GuessingCheckSetting,
    ::testing::Values(GuessSetting { "Off", '0', 3, false }, GuessSetting { "On", '1', 4, true },
        GuessSetting { "TwoShowsTheLabelWithoutACopy", '2', 3, true }),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
