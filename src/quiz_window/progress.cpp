// The position bar, the answered bar and the answered count.
#include "quiz_window/quizwindow.h"

#include "quiz_window/ellipseshape.h"
#include "quiz_window/layout.h"
#include "quiz_window/progressbars.h"
#include "quiz_window/textbox.h"

#include <QLabel>

void QuizWindow::ShowProgress()
{
    using namespace Layout;
    Text2[6]->setText(QString());
    const double barEnd = kBack.width + kBack.left - ProgressBars::kBarEndInset;
    const int n = m_state.QuestionCount;
    const int counts[2] = { m_state.CurrentPos, ProgressBars::answeredBarCount(m_state.AnsweredCount) };
    const std::array<EllipseShape *, 2> bars[2] = { Shape1, Shape2 };
    for (int bar = 0; bar < 2; ++bar) {
        const ProgressBars::Parts parts
            = ProgressBars::parts(bars[bar][0]->leftTwips(), counts[bar], n, barEnd);
        bars[bar][0]->setWidthTwips(parts.doneWidth);
        bars[bar][1]->setLeftTwips(parts.restLeft);
        bars[bar][1]->setWidthTwips(parts.restWidth);
    }
    Label1[2]->setText(QStringLiteral("Въведени отговори: ") + QString::number(m_state.AnsweredCount)
        + QStringLiteral("/") + QString::number(n));
}

void QuizWindow::layOutProgressBars()
{
    using namespace Layout;
    const double barEnd = kBack.width + kBack.left;
    for (const auto &bar : { Shape1, Shape2 }) {
        bar[0]->setLeftTwips(kForward.left);
        bar[1]->setLeftTwips(bar[0]->widthTwips() + bar[0]->leftTwips());
        bar[1]->setWidthTwips(barEnd - bar[1]->leftTwips());
    }
}
