#include "bank/permutations.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct PermutationRow
{
    const char *name;
    int k;
    int row;
    const char *order;
};

class PermutationTable : public ::testing::TestWithParam<PermutationRow>
{
};

TEST_P(PermutationTable, RowIsTheLexicographicOrder)
{
    const QStringList table = permutationsOf(GetParam().k);
    EXPECT_EQ(table.value(GetParam().row), QString::fromLatin1(GetParam().order));
}

INSTANTIATE_TEST_SUITE_P(Rows, PermutationTable,
    ::testing::Values(PermutationRow { "TwoFirst", 2, 0, "12" }, PermutationRow { "TwoLast", 2, 1, "21" },
        PermutationRow { "ThreeRow2", 3, 2, "213" }, PermutationRow { "FourRow2", 4, 2, "1324" },
        PermutationRow { "FourRow20", 4, 20, "4213" }, PermutationRow { "FourLast", 4, 23, "4321" },
        PermutationRow { "FiveFirst", 5, 0, "12345" }, PermutationRow { "FiveSecond", 5, 1, "12354" },
        PermutationRow { "FiveThird", 5, 2, "12435" }, PermutationRow { "FiveRow24", 5, 24, "21345" },
        PermutationRow { "FiveLast", 5, 119, "54321" }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PermutationTable, HoldsEveryOrderOnceInAscendingOrder)
{
    for (int k = 2; k <= 5; ++k) {
        const QStringList table = permutationsOf(k);
        const std::set<QString> distinct(table.begin(), table.end());
        int expected = 1;
        for (int f = 2; f <= k; ++f)
            expected *= f;
        EXPECT_EQ(table.size(), expected) << "k = " << k;
        EXPECT_EQ(static_cast<int>(distinct.size()), expected) << "k = " << k;
        EXPECT_TRUE(std::is_sorted(table.begin(), table.end())) << "k = " << k;
    }
}

} // namespace
