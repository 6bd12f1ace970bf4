#include "review/score.h"

#include <cmath>

namespace Score {

int countRight(const TextList &verdicts, int n)
{
    int right = 0;
    for (int p = 0; p < n; ++p) {
        if (verdicts.row(p) == QStringLiteral("1"))
            ++right;
    }
    return right;
}

int percentage(int right, int n)
{
    if (n <= 0)
        return 0;
    return static_cast<int>(std::floor(right * 100.0 / n));
}

QString resultText(int right, int n)
{
    return QStringLiteral("%1/%2 = %3%").arg(right).arg(n).arg(percentage(right, n));
}

QString guessVerdict(const QString &firstCopy, const QString &lastCopy, int answered, int n)
{
    if (answered < n)
        return QStringLiteral("Частично!");
    return lastCopy == firstCopy ? QStringLiteral("Проверка - Да") : QStringLiteral("Вероятно!");
}

} // namespace Score
