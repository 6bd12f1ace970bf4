// The Evaluate button and the review buttons, and the guessing verdict.
#include "quiz_window/quizwindow.h"

#include "bank/bankcheck.h"
#include "quiz_window/colours.h"
#include "quiz_window/controls.h"
#include "review/score.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

void QuizWindow::Command2_Click(int index)
{
    const int e = settingValueOf(SettingsRow::kReviewButtons);
    if (index == 0)
        Evaluate(e);
    else if (index == 1)
        moveCurrentPos(+1);
    else if (index == 2)
        moveCurrentPos(-1);
    ShowReview();
}

void QuizWindow::Evaluate(int reviewButtonsSetting)
{
    Command2[0]->setEnabled(false);
    Command1[0]->hide();
    Command1[1]->hide();
    Command2[1]->setVisible(reviewButtonsSetting == 1);
    Command2[2]->setVisible(reviewButtonsSetting == 1);
    for (QRadioButton *option : Option1)
        option->setEnabled(false);
    paintOptions(kWindowBlue);
    const int n = m_state.QuestionCount;
    const int right = Score::countRight(m_state.List2[StateList::kVerdict], n);
    Label1[1]->setText(Label1[1]->text() + Score::resultText(right, n));
    m_state.CurrentPos = 0;
    ShowGuessVerdict();
}

void QuizWindow::paintOptions(quint32 bgr)
{
    for (QRadioButton *option : Option1)
        Controls::setBackColour(option, bgr);
}

void QuizWindow::ShowGuessVerdict()
{
    const TextList &copies = m_state.List2[StateList::kGuessCheck];
    Label1[3]->setText(
        Score::guessVerdict(copies.row(0), copies.row(1), m_state.AnsweredCount, m_state.QuestionCount));
    Label1[3]->setVisible(settingValueOf(SettingsRow::kGuessingCheck) > 0);
}
