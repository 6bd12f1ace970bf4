#include "quiz_window/startup.h"

#include "quiz_window/quizwindow.h"
#include "run/randomsource.h"

#include <QApplication>
#include <QMessageBox>

int runQuiz(const QString &bankFolder, std::unique_ptr<RandomSource> random)
{
    QuizWindow window(std::move(random), bankFolder);
    if (!window.bankFaults().isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("ВЕЛТ"),
            QStringLiteral("Тестът не може да започне, защото въпросите му са "
                           "въведени с грешки:\n\n")
                + window.bankFaults().join(u'\n'));
        return 1;
    }
    window.centreOnScreen();
    window.show();
    return QApplication::exec();
}

void applyProgramStyle()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
}
