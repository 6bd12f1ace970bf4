#include "quiz_window/colours.h"
#include "quiz_window/ellipseshape.h"
#include "quiz_window/quizwindow.h"
#include "quiz_window/textbox.h"
#include "support/windowfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class QuizWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = Fixture::openWindow(Fixture::runDraws(0.75, 21));
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->bankFaults().isEmpty());
    }
    std::unique_ptr<QuizWindow> window;
};

struct ControlRow
{
    const char *name;
    QRect pixels;
    bool visible;
    const char *text;
    quint32 back;
};

// Every control as the design places it (pixels at 15 twips each, edges
// rounded), with the text and colour a pupil meets when the window opens.
// Texts that the first display replaces are checked elsewhere.
const ControlRow kControls[] = {
    { "Label1(0)", { 200, 0, 377, 25 }, true, "ВЕЛТ по Геометрия - мярка на ъгли", kLightOrange },
    { "Command1(0)", { 16, 8, 105, 19 }, true, "Напред", kOrange },
    { "Command1(1)", { 600, 8, 105, 19 }, true, "Назад", kDarkOrange },
    { "Command2(1)", { 24, 8, 105, 19 }, false, "Напред", kLightBlue },
    { "Command2(2)", { 608, 8, 105, 19 }, false, "Назад", kLightBlue },
    { "Text2(0)", { 8, 32, 709, 51 }, true, nullptr, 0 },
    { "Text2(1)", { 8, 88, 167, 67 }, true, nullptr, 0 },
    { "Text2(2)", { 176, 88, 167, 67 }, true, nullptr, 0 },
    { "Text2(3)", { 344, 88, 167, 67 }, true, nullptr, 0 },
    { "Text2(4)", { 512, 88, 167, 67 }, true, nullptr, 0 },
    { "Text2(5)", { 688, 88, 36, 67 }, false, "5-ти отговор\r\n", 0 },
    { "Frame1", { 8, 160, 713, 33 }, true, nullptr, kLightBlue },
    { "Option1(0)", { 24, 8, 120, 19 }, true, "Отговор A", kGreen },
    { "Option1(1)", { 184, 8, 120, 19 }, true, "Отговор B", kGreen },
    { "Option1(2)", { 352, 8, 120, 19 }, true, "Отговор C", kGreen },
    { "Option1(3)", { 520, 8, 120, 19 }, true, "Отговор D", kGreen },
    { "Option1(4)", { 664, 8, 40, 19 }, false, "Отговор E", kGreen },
    { "Label1(4)", { 16, 192, 137, 21 }, true, "Въведен отговор: ", kLightOrange },
    { "Picture1", { 160, 192, 409, 13 }, true, nullptr, kRed },
    { "Text2(6)", { 8, 208, 709, 35 }, false, "", 0 },
    { "Command2(0)", { 8, 293, 105, 19 }, true, "Оценяване", kLightBlue },
    { "Label1(2)", { 120, 293, 201, 19 }, true, nullptr, kLightOrange },
    { "Label1(3)", { 328, 293, 121, 19 }, false, "Тото: ", kLightOrange },
    { "Label1(1)", { 504, 293, 209, 19 }, true, "Резултат: ", kLightOrange },
    { "Picture2", { 8, 320, 225, 137 }, true, nullptr, 0 },
    { "Text1(0)", { 240, 320, 481, 137 }, true, nullptr, 0 },
    { "Text1(1)", { 280, 424, 449, 121 }, false, "list1(1) - верните отговори\r\n", 0 },
};

QString textOf(QWidget *widget)
{
    if (auto *box = qobject_cast<TextBox *>(widget))
        return box->text();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    return {};
}

TEST_F(QuizWindowTest, ControlsStandWhereTheDesignPutsThem)
{
    for (const ControlRow &row : kControls) {
        SCOPED_TRACE(row.name);
        auto *widget = window->findChild<QWidget *>(QString::fromLatin1(row.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), row.pixels);
        EXPECT_EQ(widget->isVisible(), row.visible);
        if (row.text) {
            EXPECT_EQ(textOf(widget), QString::fromUtf8(row.text));
        }
        if (row.back) {
            EXPECT_TRUE(widget->autoFillBackground());
            EXPECT_EQ(widget->palette().color(widget->backgroundRole()), fromBgr(row.back));
        }
    }
}

TEST_F(QuizWindowTest, ClientAreaHasTheDesignSizeAndCannotBeResized)
{
    EXPECT_EQ(window->centralWidget()->size(), QSize(727, 463));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->palette().color(QPalette::Window), fromBgr(kWindowBlue));
}

TEST_F(QuizWindowTest, TitleBarHasNoButtons)
{
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    for (Qt::WindowType hint : { Qt::WindowSystemMenuHint, Qt::WindowMinimizeButtonHint,
             Qt::WindowMaximizeButtonHint, Qt::WindowCloseButtonHint })
        EXPECT_FALSE(flags.testFlag(hint)) << hint;
    EXPECT_EQ(window->windowTitle(), QStringLiteral("www.velt.example    ВЕЛТ - Морвалит"));
}

TEST_F(QuizWindowTest, WindowIconHasBothSizes)
{
    const QIcon icon = window->windowIcon();
    EXPECT_EQ(icon.availableSizes(), QList<QSize>({ QSize(32, 32), QSize(16, 16) }));
}

TEST_F(QuizWindowTest, WindowFontIsTimesNewRomanDrawnWithLiberationSerif)
{
    EXPECT_EQ(window->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(window->font().pointSize(), 12);
    EXPECT_EQ(QFontInfo(window->Text2[0]->font()).family(), QStringLiteral("Liberation Serif"));
}

TEST_F(QuizWindowTest, ShapesTakeFractionalTwips)
{
    EllipseShape *shape = window->Shape1[0];
    shape->setLeftTwips(240);
    shape->setWidthTwips(2555.95);
    EXPECT_DOUBLE_EQ(shape->widthTwips(), 2555.95);
    // 240 to 2795.95 twips is 16 to 186.4 pixels: the widget covers them all.
    EXPECT_EQ(shape->x(), 16);
    EXPECT_GE(shape->x() + shape->width(), 187);
    EXPECT_EQ(shape->fillColour(), fromBgr(kGreen));
    EXPECT_EQ(window->Shape1[1]->fillColour(), fromBgr(kCyan));
    EXPECT_EQ(window->Shape2[0]->fillColour(), fromBgr(kOrange));
    EXPECT_EQ(window->Shape2[1]->fillColour(), fromBgr(kYellow));
}

TEST_F(QuizWindowTest, InfoBoxHoldsTheHelpTextAndTheFocus)
{
    const QString help = window->Text1[0]->text();
    EXPECT_TRUE(help.startsWith(QStringLiteral("Това е  Морвалит - тест с избор само на един отговор.\r\n")));
    EXPECT_TRUE(help.endsWith(
        QStringLiteral(" - не се оцветява нито един радиобутон, ако не е въведен отговор.\r\n")));
    EXPECT_EQ(help.count(QStringLiteral("\r\n")), 25);
    EXPECT_EQ(window->focusWidget(), window->Text1[0]);
}

TEST_F(QuizWindowTest, FocusMovesInTheDesignOrder)
{
    // The order over every control that can take the focus, hidden ones
    // included; Qt skips those that are hidden or disabled.
    const QList<QWidget *> expected = { window->Text1[0], window->Text1[1], window->Text2[0],
        window->Text2[1], window->Text2[2], window->Text2[3], window->Text2[4], window->Text2[6],
        window->Option1[0], window->Option1[1], window->Option1[2], window->Option1[3], window->Command1[0],
        window->Command1[1], window->Command2[0], window->Command2[1], window->Command2[2], window->Text2[5],
        window->Option1[4] };
    QList<QWidget *> chain;
    QWidget *widget = expected.first();
    do {
        if (expected.contains(widget))
            chain << widget;
        widget = widget->nextInFocusChain();
    } while (widget != expected.first() && chain.size() < expected.size());
    EXPECT_EQ(chain, expected);
}

TEST_F(QuizWindowTest, MenuBarHasExitAndAuthorOnly)
{
    const QList<QAction *> actions = window->menuBar()->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions.at(0)->text(), QStringLiteral("Изход"));
    EXPECT_EQ(actions.at(1)->text(), QStringLiteral("Автор"));
    for (QAction *action : actions) {
        EXPECT_EQ(action->menu(), nullptr);
        EXPECT_TRUE(action->shortcut().isEmpty());
    }
}

TEST_F(QuizWindowTest, AuthorReplacesTheInfoBoxAndChangesNothingElse)
{
    const QString message = QStringLiteral("За повече информация посетете www.velt.example.");
    const QString question = window->Text2[0]->text();
    window->autor->trigger();
    EXPECT_EQ(window->Text1[0]->text(), message);
    window->autor->trigger();
    EXPECT_EQ(window->Text1[0]->text(), message);
    EXPECT_EQ(window->Text2[0]->text(), question);
    EXPECT_EQ(window->state().CurrentPos, 0);
}

TEST_F(QuizWindowTest, ExitEndsTheEventLoopWithStatusZero)
{
    QTimer::singleShot(0, window->izhod, &QAction::trigger);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(window->bank(), nullptr);
}

TEST_F(QuizWindowTest, ClosingTheWindowEndsTheProgramAsExitDoes)
{
    QTimer::singleShot(0, window.get(), &QWidget::close);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(window->bank(), nullptr);
}

} // namespace
