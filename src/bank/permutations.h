#pragma once

#include <QStringList>

// All orders of the digits 1 to k, each written as k digit characters, in
// lexicographic order ("12", "21" for k = 2). The answer-order draw picks a
// row by index, so this order is part of what a draw means.
QStringList permutationsOf(int k);
