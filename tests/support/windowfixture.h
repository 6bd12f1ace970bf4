#pragma once

#include "bank/bankloader.h"
#include "quiz_window/quizwindow.h"

#include <QAbstractButton>

#include <memory>
#include <vector>

namespace Fixture {

// The random values of a run start: the step draw, then one answer-order
// draw per question. answerDraw 0 keeps every question in bank order.
std::vector<double> runDraws(double stepDraw, int questions, double answerDraw = 0.0);

// A quiz window on a bank folder, shown on the offscreen screen, with its
// random values scripted.
std::unique_ptr<QuizWindow> openWindow(
    const std::vector<double> &draws, const QString &folder = QString::fromLatin1(kShippedBankFolder));

// A pupil's left click on a button or option, near its left end where an
// option's indicator is.
void click(QAbstractButton *button);

// Pages with the test-mode Forward and Back buttons to a position.
void goTo(QuizWindow &window, int position);

} // namespace Fixture
