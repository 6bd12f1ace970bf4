#pragma once

#include "bank/bankloader.h"

#include <gtest/gtest.h>

#include <memory>

// The bank compiled into the program, freshly loaded for each test.
class ShippedBankTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BankLoad load = loadBank(QString::fromLatin1(kShippedBankFolder));
        ASSERT_TRUE(load.faults.isEmpty()) << load.faults.join(u'\n').toStdString();
        bank = std::move(load.bank);
    }
    std::unique_ptr<QuestionBank> bank;
};
