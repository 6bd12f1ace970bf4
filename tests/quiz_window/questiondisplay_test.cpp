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

QColor stripColour(const QuizWindow &window)
{
    return window.Picture1->palette().color(window.Picture1->backgroundRole());
}

QString row(const QuizWindow &window, int list, int index)
{
    return window.state().List2[list].row(index);
}

// The shipped bank with step 2 (r = 0.75): positions 0 to 20 show questions
// 2, 4, …, 20, 1, 3, …, 19, 0. Every answer order is "1234" unless a test
// asks for another.
class ShippedRun : public ::testing::Test
{
protected:
    void open(double answerDraw = 0.0)
    {
        window = Fixture::openWindow(Fixture::runDraws(0.75, 21, answerDraw));
        ASSERT_NE(window, nullptr);
    }
    void SetUp() override { open(); }
    std::unique_ptr<QuizWindow> window;
};

TEST_F(ShippedRun, FirstPositionShowsItsQuestionUnanswered)
{
    EXPECT_EQ(window->Text2[0]->text(),
        QStringLiteral("Означени са част от ъглите в  триъгълника АВС. Колко ъгъл ABC?"));
    for (int j = 1; j <= 4; ++j) {
        EXPECT_TRUE(window->Text2[j]->isVisible()) << j;
        EXPECT_TRUE(window->Option1[j - 1]->isVisible()) << j;
        EXPECT_FALSE(window->Option1[j - 1]->isChecked()) << j;
    }
    EXPECT_FALSE(window->Text2[5]->isVisible());
    EXPECT_FALSE(window->Option1[4]->isVisible());
    EXPECT_EQ(stripColour(*window), fromBgr(kRed));
    EXPECT_EQ(window->Label1[2]->text(), QStringLiteral("Въведени отговори: 0/21"));
    EXPECT_FALSE(window->Text2[6]->isVisible());
    EXPECT_EQ(window->Text2[6]->text(), QString());
    // The key of question 2 is answer row 3, shown in box 3.
    EXPECT_EQ(row(*window, StateList::kCorrectOption, 0), QStringLiteral("2"));
    EXPECT_EQ(row(*window, StateList::kCorrectOption, 1), QStringLiteral("-1"));
}

TEST_F(ShippedRun, AnswerBoxesFollowTheDrawnOrder)
{
    // t = 13 draws row 13 of the four-answer table, "3142".
    open(0.013);
    EXPECT_EQ(row(*window, StateList::kAnswerOrder, 2), QStringLiteral("3142"));
    EXPECT_EQ(window->Text2[1]->text(), QStringLiteral("88°30\";  "));
    EXPECT_EQ(window->Text2[2]->text(), QStringLiteral("91°30\";"));
    EXPECT_EQ(window->Text2[3]->text(), QStringLiteral("никое от тези;"));
    EXPECT_EQ(window->Text2[4]->text(), QStringLiteral("87;   "));
    EXPECT_EQ(row(*window, StateList::kCorrectOption, 0), QStringLiteral("0"));
}

TEST_F(ShippedRun, FirstAnswerCountsOnceAndTheVerdictFollowsTheChoice)
{
    click(window->Option1[1]);
    EXPECT_EQ(window->state().AnsweredCount, 1);
    EXPECT_EQ(window->Label1[2]->text(), QStringLiteral("Въведени отговори: 1/21"));
    EXPECT_EQ(row(*window, StateList::kChosenOption, 0), QStringLiteral("1"));
    EXPECT_EQ(row(*window, StateList::kVerdict, 0), QStringLiteral("0"));
    EXPECT_EQ(stripColour(*window), fromBgr(kGreen));
    EXPECT_DOUBLE_EQ(window->Shape2[0]->widthTwips(), 50);

    click(window->Option1[2]);
    EXPECT_EQ(window->state().AnsweredCount, 1);
    EXPECT_EQ(window->Label1[2]->text(), QStringLiteral("Въведени отговори: 1/21"));
    EXPECT_EQ(row(*window, StateList::kChosenOption, 0), QStringLiteral("2"));
    EXPECT_EQ(row(*window, StateList::kVerdict, 0), QStringLiteral("1"));
    EXPECT_TRUE(window->Option1[2]->isChecked());
    EXPECT_FALSE(window->Option1[1]->isChecked());

    click(window->Option1[0]);
    EXPECT_EQ(row(*window, StateList::kVerdict, 0), QStringLiteral("0"));
}

TEST_F(ShippedRun, BarsOfTheWorkedExample)
{
    for (int p = 0; p < 3; ++p) {
        click(window->Option1[0]);
        click(window->Command1[0]);
    }
    goTo(*window, 5);
    EXPECT_NEAR(window->Shape1[0]->leftTwips(), 240, 1e-9);
    EXPECT_NEAR(window->Shape1[0]->widthTwips(), 2555.95, 0.005);
    EXPECT_NEAR(window->Shape1[1]->leftTwips(), 2795.95, 0.005);
    EXPECT_NEAR(window->Shape1[1]->widthTwips(), 7729.05, 0.005);
    EXPECT_NEAR(window->Shape2[0]->widthTwips(), 1052.38, 0.005);
    EXPECT_NEAR(window->Shape2[1]->leftTwips(), 1292.38, 0.005);
    EXPECT_NEAR(window->Shape2[1]->widthTwips(), 9232.62, 0.005);
    EXPECT_EQ(window->Label1[2]->text(), QStringLiteral("Въведени отговори: 3/21"));
}

TEST_F(ShippedRun, KeysWithTrailingBlanksMatchOnlyWhole)
{
    click(window->Option1[2]); // question 2, "88°30\";  "
    EXPECT_EQ(row(*window, StateList::kVerdict, 0), QStringLiteral("1"));
    goTo(*window, 13); // question 7
    EXPECT_EQ(window->Text2[3]->text(), QStringLiteral("1-5; 2-6; 3-7; 4-8; "));
    click(window->Option1[2]);
    EXPECT_EQ(row(*window, StateList::kVerdict, 13), QStringLiteral("1"));
    click(window->Option1[0]);
    EXPECT_EQ(row(*window, StateList::kVerdict, 13), QStringLiteral("0"));
}

TEST_F(ShippedRun, GuessCheckRowsFollowTheQuestionNotThePosition)
{
    const QStringList stored = { QStringLiteral("Pyrwi"), QStringLiteral("Posleden") };
    click(window->Option1[0]); // question 2
    EXPECT_EQ(window->state().List2[StateList::kGuessCheck].rows(), stored);
    goTo(*window, 9); // the copy of question 0
    click(window->Option1[0]);
    EXPECT_EQ(row(*window, StateList::kGuessCheck, 1), QStringLiteral("92°;"));
    EXPECT_EQ(row(*window, StateList::kGuessCheck, 0), QStringLiteral("Pyrwi"));
    goTo(*window, 20); // question 0
    click(window->Option1[1]);
    EXPECT_EQ(row(*window, StateList::kGuessCheck, 0), QStringLiteral("108°;"));
    EXPECT_EQ(row(*window, StateList::kGuessCheck, 1), QStringLiteral("92°;"));
}

TEST_F(ShippedRun, AnsweredPositionComesBackSelectedAndGreen)
{
    click(window->Option1[3]);
    click(window->Command1[0]);
    EXPECT_EQ(stripColour(*window), fromBgr(kRed));
    for (QRadioButton *option : window->Option1)
        EXPECT_FALSE(option->isChecked());
    click(window->Command1[1]);
    EXPECT_TRUE(window->Option1[3]->isChecked());
    EXPECT_EQ(stripColour(*window), fromBgr(kGreen));
    EXPECT_EQ(window->state().AnsweredCount, 1);
    EXPECT_EQ(window->state().List2[StateList::kChosenOption].cursor(), 0);
    EXPECT_EQ(window->state().List2[StateList::kCorrectOption].cursor(), 0);
}

TEST_F(ShippedRun, PupilCanAnswerEveryPosition)
{
    for (int p = 0; p < 21; ++p) {
        EXPECT_EQ(window->state().CurrentPos, p);
        click(window->Option1[p % 4]);
        click(window->Command1[0]);
    }
    EXPECT_EQ(window->state().CurrentPos, 20);
    EXPECT_EQ(window->state().AnsweredCount, 21);
    EXPECT_EQ(window->Label1[2]->text(), QStringLiteral("Въведени отговори: 21/21"));
    EXPECT_FALSE(window->state().List2[StateList::kVerdict].rows().contains(QStringLiteral("-1")));
    EXPECT_DOUBLE_EQ(window->Shape2[0]->widthTwips(), window->Shape1[0]->widthTwips());
}

// Three questions in phrase mode, step 2: positions show questions 2, 1, 0.
class PhraseRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BankFile file = Fixture::bank(3, Fixture::settings('1'));
        for (int q = 0; q < 3; ++q)
            file.questions[q].text = QStringLiteral("Ъгъл %1 е ___.").arg(q);
        folder = std::make_unique<Fixture::Folder>(file);
        window = Fixture::openWindow(Fixture::runDraws(0.0, 3), folder->path());
        ASSERT_NE(window, nullptr);
    }
    std::unique_ptr<Fixture::Folder> folder;
    std::unique_ptr<QuizWindow> window;
};

TEST_F(PhraseRun, AnswerFillsThePhraseBox)
{
    EXPECT_TRUE(window->Text2[6]->isVisible());
    EXPECT_EQ(window->Text2[6]->text(), QString());
    click(window->Option1[1]);
    EXPECT_EQ(window->Text2[6]->text(), QStringLiteral("Ъгъл 2 е  a2 ."));
}

TEST_F(PhraseRun, ClampedBackAndForwardRunTheAnswerHandlerAgain)
{
    click(window->Option1[2]);
    window->Text2[6]->setText(QStringLiteral("стар текст"));
    click(window->Command1[1]);
    EXPECT_EQ(window->state().CurrentPos, 0);
    EXPECT_EQ(window->Text2[6]->text(), QStringLiteral("Ъгъл 2 е  a3 ."));

    click(window->Command1[0]);
    click(window->Command1[0]);
    click(window->Option1[0]);
    click(window->Command1[0]);
    EXPECT_EQ(window->state().CurrentPos, 2);
    EXPECT_EQ(window->Text2[6]->text(), QStringLiteral("Ъгъл 0 е  a1 ."));
    EXPECT_EQ(window->state().AnsweredCount, 2);
}

TEST_F(PhraseRun, ClickOnTheSelectedOptionAnswersAgain)
{
    click(window->Option1[0]);
    window->Text2[6]->setText(QStringLiteral("стар текст"));
    click(window->Option1[0]);
    EXPECT_TRUE(window->Option1[0]->isChecked());
    EXPECT_EQ(window->Text2[6]->text(), QStringLiteral("Ъгъл 2 е  a1 ."));
    EXPECT_EQ(window->state().AnsweredCount, 1);
}

TEST_F(PhraseRun, UnansweredPositionLeavesThePhraseBoxEmpty)
{
    click(window->Option1[0]);
    click(window->Command1[0]);
    EXPECT_EQ(window->Text2[6]->text(), QString());
}

// Questions of two, five and three answers, and keys that match no answer
// or two of them. Four questions, step 3: positions show 3, 2, 1, 0.
class MixedBank : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BankFile file = Fixture::bank(4);
        file.questions[0] = Fixture::question(QStringLiteral("Два"), 2, 1);
        file.questions[1] = Fixture::question(QStringLiteral("Пет"), 5, 5);
        file.questions[2] = Fixture::question(QStringLiteral("Без ключ"), 3, 1);
        file.questions[2].key = QStringLiteral("a1 ");
        file.questions[3].answers = { QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("x") };
        file.questions[3].key = QStringLiteral("x");
        file.questions[0].figureFile = QStringLiteral("figure.jpg");
        folder = std::make_unique<Fixture::Folder>(file);
        QImage figure(300, 200, QImage::Format_RGB32);
        figure.fill(Qt::white);
        folder->addImage(QStringLiteral("figure.jpg"), figure);
        window = Fixture::openWindow(Fixture::runDraws(0.5, 4), folder->path());
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->bankFaults().isEmpty()) << window->bankFaults().join(u'\n').toStdString();
    }
    std::unique_ptr<Fixture::Folder> folder;
    std::unique_ptr<QuizWindow> window;
};

TEST_F(MixedBank, TheHigherOfTwoMatchingBoxesIsRecorded)
{
    EXPECT_EQ(window->state().OrderStep, 3);
    EXPECT_EQ(row(*window, StateList::kCorrectOption, 0), QStringLiteral("2"));
    click(window->Option1[0]);
    EXPECT_EQ(row(*window, StateList::kVerdict, 0), QStringLiteral("1"));
}

TEST_F(MixedBank, KeyMatchingNoAnswerMakesEveryAnswerWrong)
{
    click(window->Command1[0]);
    EXPECT_EQ(row(*window, StateList::kCorrectOption, 1), QStringLiteral("-1"));
    for (int i = 0; i < 3; ++i) {
        click(window->Option1[i]);
        EXPECT_EQ(row(*window, StateList::kVerdict, 1), QStringLiteral("0")) << i;
    }
}

TEST_F(MixedBank, OnlyTheBoxesAndOptionsOfTheAnswersAreShown)
{
    const int shownAnswers[4] = { 3, 3, 5, 2 };
    for (int p = 0; p < 4; ++p) {
        goTo(*window, p);
        for (int j = 1; j <= 5; ++j) {
            EXPECT_EQ(window->Text2[j]->isVisible(), j <= shownAnswers[p])
                << "position " << p << ", box " << j;
            EXPECT_EQ(window->Option1[j - 1]->isVisible(), j <= shownAnswers[p]) << "position " << p;
        }
    }
    EXPECT_EQ(window->Text2[5]->text(), QStringLiteral("a5"));
}

TEST_F(MixedBank, FigureIsShownUncutAndClearedByTheNextQuestion)
{
    goTo(*window, 3);
    ASSERT_FALSE(window->Picture2->pixmap().isNull());
    EXPECT_EQ(window->Picture2->pixmap().size(), QSize(300, 200));
    EXPECT_EQ(window->Picture2->size(), QSize(225, 137));
    click(window->Command1[1]);
    EXPECT_TRUE(window->Picture2->pixmap().isNull());
}

} // namespace
