// Checks a bank folder before it is compiled into the program, so that a
// broken bank fails the build with the messages the program would show.
#include "bank/bankloader.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: velt-bankcheck <bank folder>\n");
        return 2;
    }
    const BankLoad load = loadBank(arguments.at(1));
    for (const QString &fault : load.faults)
        std::fprintf(stderr, "%s: %s\n", qPrintable(arguments.at(1)), qPrintable(fault));
    return load.bank ? 0 : 1;
}
