#include "bank/bankloader.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const BankLoad load = loadBank(QString::fromLatin1(kShippedBankFolder));
    for (const QString &fault : load.faults)
        std::fprintf(stderr, "%s\n", qPrintable(fault));
    return load.bank ? 0 : 1;
}
