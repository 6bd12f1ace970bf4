// Showing a position in review mode: the pupil's answer and the key in
// colour, and the worked solution.
#include "quiz_window/quizwindow.h"

#include "bank/bankcheck.h"
#include "bank/textnumbers.h"
#include "quiz_window/colours.h"
#include "quiz_window/controls.h"
#include "quiz_window/textbox.h"

#include <QRadioButton>

void QuizWindow::ShowReview()
{
    const int p = m_state.CurrentPos;
    const auto [q, k] = showQuestionAndAnswers();
    clearOptions();
    paintOptions(kWindowBlue);
    Text2[6]->setText(QString());
    const int c = leadingNumber(m_state.List2[StateList::kChosenOption].row(p));
    if (c > -1 && c < static_cast<int>(Option1.size())) {
        selectOption(c);
        const int r = leadingNumber(m_state.List2[StateList::kCorrectOption].row(p));
        if (r >= 0 && r < static_cast<int>(Option1.size()))
            Controls::setBackColour(Option1[r], kGreen);
        Controls::setBackColour(Option1[c], boxShowsKey(c + 1, q) ? kGreen : kRed);
    }
    SelectCurrentRows();
    const int verdict = leadingNumber(m_state.List2[StateList::kVerdict].row(p));
    if (verdict < 1)
        setIndicatorColour(kRed);
    ShowFigure(q);

    Text1[0]->setText(QString());
    if (verdict >= 0) {
        if (settingValueOf(SettingsRow::kExplanations) > 0) {
            QString explanation;
            for (const QString &line : m_bank->explanationList(q).rows())
                explanation += line + QStringLiteral("\r\n");
            Text1[0]->setText(explanation);
        }
    } else {
        Text1[0]->setText(QStringLiteral("Няма въведен отговор!"));
    }
}
