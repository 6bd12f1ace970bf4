#include "bank/bankloader.h"

#include "bank/bankcheck.h"

BankLoad loadBank(const QString &folder)
{
    BankFileRead read = readBankFolder(folder);
    BankLoad load;
    load.faults = read.faults;
    if (read.parsed)
        load.faults += checkBank(read.file);
    if (load.faults.isEmpty())
        load.bank = std::make_unique<QuestionBank>(read.file);
    return load;
}
