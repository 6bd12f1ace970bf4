#include "bank/textlist.h"

#include <gtest/gtest.h>

namespace {

TEST(TextList, RowsOutsideTheListReadAsEmptyText)
{
    const TextList list({ QStringLiteral("Въпрос"), QStringLiteral("a1") });
    EXPECT_EQ(list.row(1), QStringLiteral("a1"));
    EXPECT_EQ(list.row(2), QString());
    EXPECT_EQ(list.row(5), QString());
    EXPECT_EQ(list.row(-1), QString());
}

TEST(TextList, ChangesOutsideTheListChangeNothing)
{
    TextList list({ QStringLiteral("0"), QStringLiteral("1") });
    list.setRow(2, QStringLiteral("x"));
    list.removeRow(-1);
    list.setCursor(7);
    EXPECT_EQ(list.rows(), QStringList({ QStringLiteral("0"), QStringLiteral("1") }));
    EXPECT_FALSE(list.cursor().has_value());
}

TEST(TextList, RemovingTheCursorRowAtTheEndDropsTheCursor)
{
    TextList list({ QStringLiteral("2"), QStringLiteral("3") });
    list.setCursor(1);
    list.removeRow(1);
    EXPECT_FALSE(list.cursor().has_value());
    list.setCursor(0);
    EXPECT_EQ(list.cursor(), 0);
    list.clear();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_FALSE(list.cursor().has_value());
}

} // namespace
