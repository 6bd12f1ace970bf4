#include "bank/permutations.h"

#include <algorithm>
#include <string>

QStringList permutationsOf(int k)
{
    if (k < 1 || k > 9)
        return {};
    std::string digits;
    for (int d = 1; d <= k; ++d)
        digits.push_back(static_cast<char>('0' + d));
    QStringList rows;
    do {
        rows.append(QString::fromStdString(digits));
    } while (std::next_permutation(digits.begin(), digits.end()));
    return rows;
}
