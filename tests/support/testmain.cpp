#include "quiz_window/startup.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    // Widget tests run without a screen unless a caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyProgramStyle();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
