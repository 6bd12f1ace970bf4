#include "bank/bankloader.h"
#include "support/shippedbankfixture.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>

// The content of the shipped test: its figures and its worked solutions.
namespace {

using ShippedContent = ShippedBankTest;

struct FigureSize
{
    int slot;
    int width;
    int height;
};

// The figure box shows a picture at its natural size, so each figure must be
// exactly as large as the box of its question expects.
constexpr std::array<FigureSize, 18> kFigureSizes = { {
    { 1, 205, 136 },
    { 2, 172, 133 },
    { 3, 190, 117 },
    { 4, 131, 134 },
    { 5, 180, 134 },
    { 6, 204, 134 },
    { 7, 198, 103 },
    { 8, 217, 142 },
    { 9, 234, 102 },
    { 10, 172, 103 },
    { 11, 226, 124 },
    { 12, 112, 95 },
    { 13, 153, 86 },
    { 14, 212, 131 },
    { 15, 191, 90 },
    { 16, 196, 131 },
    { 17, 170, 123 },
    { 18, 226, 126 },
} };

TEST_F(ShippedContent, SlotsOneToEighteenHoldFiguresOfTheirSizeAndNoOtherSlotHoldsOne)
{
    for (int slot = 0; slot < QuestionBank::kFigureSlots; ++slot) {
        const QImage &figure = bank->Picture1[slot];
        const auto size = std::find_if(kFigureSizes.begin(), kFigureSizes.end(),
            [slot](const FigureSize &entry) { return entry.slot == slot; });
        if (size == kFigureSizes.end()) {
            EXPECT_TRUE(figure.isNull()) << "slot " << slot;
            continue;
        }
        ASSERT_FALSE(figure.isNull()) << "slot " << slot;
        EXPECT_EQ(std::make_pair(figure.width(), figure.height()), std::make_pair(size->width, size->height))
            << "slot " << slot;
    }
}

// Lines of the worked solution of questions 0 to 19.
constexpr std::array<int, 20> kExplanationLines
    = { 14, 6, 7, 9, 10, 7, 4, 8, 7, 5, 5, 4, 9, 4, 14, 7, 6, 6, 1, 4 };

TEST_F(ShippedContent, EveryQuestionHasItsNumberOfExplanationLines)
{
    for (int q = 0; q < 20; ++q)
        EXPECT_EQ(bank->Obqsnenie[q + 1].rowCount(), kExplanationLines[static_cast<std::size_t>(q)])
            << "question " << q;
}

TEST_F(ShippedContent, OnlyQuestionTwelveHasAnEmptyExplanationLine)
{
    for (int q = 0; q < 20; ++q) {
        const QStringList &rows = bank->Obqsnenie[q + 1].rows();
        const auto empty
            = std::count_if(rows.begin(), rows.end(), [](const QString &row) { return row.isEmpty(); });
        EXPECT_EQ(empty, q == 12 ? 1 : 0) << "question " << q;
    }
}

// A solution that ends anywhere but at the key would teach the wrong answer.
// Question 18 asks which statement is false; its one line gives the reason.
TEST_F(ShippedContent, EachSolutionEndsAtTheKeyOfItsQuestion)
{
    for (int q = 0; q < 20; ++q) {
        if (q == 18)
            continue;
        QString key = bank->List1[0].row(q);
        while (key.endsWith(u' ') || key.endsWith(u';'))
            key.chop(1);
        // The answers mark minutes with a double quote, the solutions with '.
        key.replace(u'"', u'\'');
        const QStringList &rows = bank->Obqsnenie[q + 1].rows();
        ASSERT_FALSE(rows.isEmpty()) << "question " << q;
        EXPECT_TRUE(rows.back().contains(key)) << "question " << q << ": \"" << rows.back().toStdString()
                                               << "\" lacks \"" << key.toStdString() << "\"";
    }
}

TEST_F(ShippedContent, EveryTextCanBeWrittenInTheCyrillicCodePage)
{
    ASSERT_TRUE(QStringEncoder("windows-1251").isValid()) << "Qt offers no windows-1251 encoder here";
    const auto expectEncodable = [](const QString &text, const std::string &where) {
        // A fresh encoder for each text: an error would stick to a reused one.
        QStringEncoder encoder("windows-1251");
        // encode() is lazy: only turning its result into bytes does the work.
        const QByteArray bytes = encoder.encode(text);
        EXPECT_FALSE(encoder.hasError()) << where << ": \"" << text.toStdString() << "\"";
    };
    for (int q = 0; q < 20; ++q) {
        const std::string where = "question " + std::to_string(q);
        for (const QString &row : bank->List1[q + 1].rows())
            expectEncodable(row, where);
        for (const QString &row : bank->Obqsnenie[q + 1].rows())
            expectEncodable(row, where + ", explanation");
    }
    for (const QString &row : bank->List2.rows())
        expectEncodable(row, "settings");
}

} // namespace
