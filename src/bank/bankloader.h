#pragma once

#include "bank/questionbank.h"

#include <QStringList>

#include <memory>

struct BankLoad
{
    std::unique_ptr<QuestionBank> bank;
    // Why there is no bank: every fault of the folder, in Bulgarian.
    QStringList faults;
};

// Reads and checks a bank folder. A bank is returned only when it has no
// fault at all, so that a run never starts on a bank it cannot hold.
BankLoad loadBank(const QString &folder);

// Where the bank compiled into the program lives.
inline constexpr const char *kShippedBankFolder = ":/bank";
