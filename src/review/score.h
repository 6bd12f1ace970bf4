#pragma once

#include "bank/textlist.h"

#include <QString>

// Marking a run: logic the Evaluate button applies, free of widgets.
namespace Score {

// Positions whose verdict row reads exactly "1".
int countRight(const TextList &verdicts, int n);

// The percentage with its fraction dropped: 2 of 3 gives 66.
int percentage(int right, int n);

// «15/21 = 71%»: what Evaluate appends to the result caption.
QString resultText(int right, int n);

// The guessing verdict: the two copies of question 0 answered alike or not,
// overruled by "Частично!" when any position was left unanswered.
QString guessVerdict(const QString &firstCopy, const QString &lastCopy, int answered, int n);

} // namespace Score
