#include "support/windowfixture.h"

#include "support/scriptedrandom.h"

#include <QPushButton>
#include <QTest>

namespace Fixture {

std::vector<double> runDraws(double stepDraw, int questions, double answerDraw)
{
    std::vector<double> draws { stepDraw };
    draws.insert(draws.end(), static_cast<std::size_t>(questions), answerDraw);
    return draws;
}

std::unique_ptr<QuizWindow> openWindow(const std::vector<double> &draws, const QString &folder)
{
    auto window = std::make_unique<QuizWindow>(std::make_unique<ScriptedRandom>(draws), folder);
    if (window->bankFaults().isEmpty()) {
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            return nullptr;
    }
    return window;
}

void click(QAbstractButton *button)
{
    QTest::mouseClick(
        button, Qt::LeftButton, {}, QPoint(std::min(8, button->width() / 2), button->height() / 2));
}

void goTo(QuizWindow &window, int position)
{
    while (window.state().CurrentPos < position)
        click(window.Command1[0]);
    while (window.state().CurrentPos > position)
        click(window.Command1[1]);
}

} // namespace Fixture
