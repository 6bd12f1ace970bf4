#include "bank/bankloader.h"
#include "quiz_window/startup.h"
#include "run/randomsource.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a screen Qt would abort; say how to start the program instead.
bool canReachADisplay()
{
    const auto isSet = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!canReachADisplay()) {
        std::fputs("ВЕЛТ е програма за работния плот, а тук няма дисплей (DISPLAY не е зададен).\n"
                   "VELT is a desktop program and there is no display here (DISPLAY is not set).\n"
                   "Start it from a desktop session, or on a virtual screen: xvfb-run -a velt\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    applyProgramStyle();
    return runQuiz(QString::fromLatin1(kShippedBankFolder), std::make_unique<ClockRandomSource>());
}
