#include "bank/textnumbers.h"

#include <gtest/gtest.h>

namespace {

struct NumberRow
{
    const char *name;
    const char *text;
    int value;
};

class LeadingNumber : public ::testing::TestWithParam<NumberRow>
{
};

TEST_P(LeadingNumber, ReadsTheLeadingDecimal)
{
    EXPECT_EQ(leadingNumber(QString::fromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Rows, LeadingNumber,
    ::testing::Values(NumberRow { "Zero", "0", 0 }, NumberRow { "Plain", "17", 17 },
        NumberRow { "NothingRecorded", "-1", -1 }, NumberRow { "PlusSign", "+4", 4 },
        NumberRow { "TrailingText", "42abc", 42 }, NumberRow { "Empty", "", 0 },
        NumberRow { "Word", "Pyrwi", 0 }, NumberRow { "LoneMinus", "-", 0 },
        NumberRow { "Cyrillic", "Отговор 3", 0 }, NumberRow { "DecimalPoint", "3.9", 3 },
        NumberRow { "Huge", "99999999999999", 2147483647 },
        NumberRow { "HugeNegative", "-99999999999999", -2147483647 - 1 }),
    [](const auto &info) { return std::string(info.param.name); });

class SettingValue : public ::testing::TestWithParam<NumberRow>
{
};

TEST_P(SettingValue, IsTheLastCharacterAsADigit)
{
    EXPECT_EQ(settingValue(QString::fromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Rows, SettingValue,
    ::testing::Values(NumberRow { "One", "Дава описание - 1", 1 },
        NumberRow { "Zero", "Дава обяснения - 0", 0 }, NumberRow { "Two", "Проверка за Тото - 2", 2 },
        NumberRow { "Nine", "x9", 9 }, NumberRow { "Letter", "ВЕЛТ по Геометрия - мярка на ъгли", 0 },
        NumberRow { "TrailingBlank", "Дава описание - 1 ", 0 }, NumberRow { "Empty", "", 0 },
        NumberRow { "OnlyLastDigitCounts", "Настройка 12", 2 }),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
