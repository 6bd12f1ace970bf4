#include "quiz_window/startup.h"
#include "support/bankfixture.h"
#include "support/scriptedrandom.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A refused bank: the pupil's screen shows why, in Bulgarian, and the quiz
// window never opens.
TEST(Startup, RefusedBankShowsEveryFaultAndEndsWithFailure)
{
    BankFile file = Fixture::bank(2);
    file.questions[0].answers = { QStringLiteral("a1") };
    const Fixture::Folder folder(file);

    QString shownText;
    bool quizWindowSeen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets())
            quizWindowSeen |= widget->objectName() == QStringLiteral("VELT_Prazno") && widget->isVisible();
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shownText = box->text();
            box->accept();
        }
    });
    poll.start(10);
    const int status = runQuiz(folder.path(), std::make_unique<ScriptedRandom>(std::vector<double> {}));
    poll.stop();

    EXPECT_EQ(status, 1);
    EXPECT_FALSE(quizWindowSeen);
    EXPECT_TRUE(shownText.contains(QStringLiteral("Въпрос №1: има 1 отговора, а трябва да са от 2 до 5.")))
        << shownText.toStdString();
    EXPECT_TRUE(shownText.contains(QStringLiteral("а има 2."))) << shownText.toStdString();
}

} // namespace
