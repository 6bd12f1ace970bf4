#include "run/questionorder.h"

#include "bank/textnumbers.h"
#include "run/randomsource.h"
#include "run/rounding.h"

#include <algorithm>

namespace {
constexpr int kStepDrawScale = 10;
constexpr int kAnswerDrawScale = 1000;
} // namespace

int stepDrawIndex(double r, int candidateCount)
{
    const float v = static_cast<float>(r) * static_cast<float>(kStepDrawScale);
    return static_cast<int>(roundHalfEven(v) % candidateCount);
}

qint16 chooseOrderStep(TextList &candidates, int n, RandomSource &random)
{
    while (candidates.rowCount() > 0 && leadingNumber(candidates.row(candidates.rowCount() - 1)) >= n)
        candidates.removeRow(candidates.rowCount() - 1);

    const QStringList &rows = candidates.rows();
    const bool anyAccepted = std::any_of(rows.begin(), rows.end(), [n](const QString &row) {
        const int step = leadingNumber(row);
        return step > 0 && n % step != 0;
    });
    if (!anyAccepted)
        return 1;

    const int c = candidates.rowCount();
    int idx = 0;
    int step = 0;
    do {
        idx = stepDrawIndex(random.next(), c);
        step = leadingNumber(candidates.row(idx));
    } while (step <= 0 || n % step == 0);
    candidates.setCursor(idx);
    return static_cast<qint16>(step);
}

int questionAtPosition(int step, int i, int n)
{
    return (step * i) % n;
}

int factorial(int k)
{
    int product = 1;
    for (int factor = 2; factor <= k; ++factor)
        product *= factor;
    return product;
}

int answerOrderIndex(double r, int k)
{
    const auto t = roundHalfEven(r * kAnswerDrawScale);
    return static_cast<int>(t % factorial(k));
}
