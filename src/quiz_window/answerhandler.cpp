// Recording an answer, and the phrase it makes in phrase mode.
#include "quiz_window/quizwindow.h"

#include "bank/bankcheck.h"
#include "bank/textnumbers.h"
#include "quiz_window/colours.h"
#include "quiz_window/phrase.h"
#include "quiz_window/textbox.h"

#include <QRadioButton>

void QuizWindow::selectOption(int index)
{
    if (index < 0 || index >= static_cast<int>(Option1.size()))
        return;
    for (int i = 0; i < static_cast<int>(Option1.size()); ++i)
        Option1[i]->setChecked(i == index);
    Option1_Click(index);
}

void QuizWindow::clearOptions()
{
    for (QRadioButton *option : Option1)
        option->setChecked(false);
}

bool QuizWindow::boxShowsKey(int j, int q) const
{
    return Text2[j]->text() == m_bank->List1[0].row(q);
}

void QuizWindow::Option1_Click(int index)
{
    const int p = m_state.CurrentPos;
    m_state.List2[StateList::kChosenOption].setRow(p, QString::number(index));
    if (leadingNumber(m_state.List2[StateList::kVerdict].row(p)) == -1) {
        ++m_state.AnsweredCount;
        ShowProgress();
    }
    const int q = questionAt(p);
    const QString answer = Text2[index + 1]->text();
    m_state.List2[StateList::kVerdict].setRow(
        p, boxShowsKey(index + 1, q) ? QStringLiteral("1") : QStringLiteral("0"));
    // The guessing check compares answer texts, which do not depend on the
    // letters the two copies happened to show them under.
    if (q == m_state.QuestionCount - 1)
        m_state.List2[StateList::kGuessCheck].setRow(1, answer);
    if (q == 0)
        m_state.List2[StateList::kGuessCheck].setRow(0, answer);
    setIndicatorColour(kGreen);
    m_state.LastOption = static_cast<qint16>(index);
    ComposePhrase();
}

void QuizWindow::ComposePhrase()
{
    if (settingValueOf(SettingsRow::kPhraseMode) != 1 || !m_state.LastOption)
        return;
    Text2[6]->setText(composePhrase(Text2[0]->text(), Text2[*m_state.LastOption + 1]->text()));
}
