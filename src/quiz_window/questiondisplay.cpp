// Showing a position in test mode, and Forward and Back between positions.
#include "quiz_window/quizwindow.h"

#include "bank/textnumbers.h"
#include "quiz_window/colours.h"
#include "quiz_window/textbox.h"

#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <algorithm>

QuizWindow::ShownQuestion QuizWindow::showQuestionAndAnswers()
{
    const int p = m_state.CurrentPos;
    const int q = questionAt(p);
    ShowProgress();
    const TextList &question = m_bank->questionList(q);
    const int k = question.rowCount() - 1;
    Text2[0]->setText(question.row(0));
    const QString order = m_state.List2[StateList::kAnswerOrder].row(q);
    for (int j = 1; j <= 5; ++j) {
        if (j <= k) {
            Text2[j]->show();
            Option1[j - 1]->show();
            const int d = leadingNumber(order.mid(j - 1, 1));
            Text2[j]->setText(question.row(d));
        } else {
            Text2[j]->hide();
            Option1[j - 1]->hide();
        }
    }
    return { q, k };
}

int QuizWindow::questionAt(int p) const
{
    return leadingNumber(m_state.List2[StateList::kQuestionOrder].row(p));
}

void QuizWindow::ShowQuestion()
{
    const int p = m_state.CurrentPos;
    const auto [q, k] = showQuestionAndAnswers();
    // The higher box wins when two answers equal the key; a position where
    // none does keeps the row it had.
    for (int j = 1; j <= k && j <= 5; ++j) {
        if (boxShowsKey(j, q))
            m_state.List2[StateList::kCorrectOption].setRow(p, QString::number(j - 1));
    }
    SelectCurrentRows();
    clearOptions();
    const int c = leadingNumber(m_state.List2[StateList::kChosenOption].row(p));
    if (c > -1)
        selectOption(c);
    m_state.List2[StateList::kVerdict].setCursor(p);
    const bool unanswered = leadingNumber(m_state.List2[StateList::kVerdict].row(p)) == -1;
    setIndicatorColour(unanswered ? kRed : kGreen);
    ShowFigure(q);
}

void QuizWindow::SelectCurrentRows()
{
    for (int list = StateList::kChosenOption; list <= StateList::kCorrectOption; ++list)
        m_state.List2[list].setCursor(m_state.CurrentPos);
}

void QuizWindow::ShowFigure(int q)
{
    const QImage figure = m_bank->figure(q);
    if (figure.isNull())
        Picture2->clear();
    else
        Picture2->setPixmap(QPixmap::fromImage(figure));
}

void QuizWindow::Command1_Click(int index)
{
    if (index == 0)
        moveCurrentPos(+1);
    else if (index == 1)
        moveCurrentPos(-1);
    ShowQuestion();
}

void QuizWindow::moveCurrentPos(int step)
{
    const int last = m_state.QuestionCount - 1;
    m_state.CurrentPos = static_cast<qint16>(std::clamp(m_state.CurrentPos + step, 0, std::max(last, 0)));
}
