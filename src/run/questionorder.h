#pragma once

#include "bank/textlist.h"

#include <QString>
#include <QtGlobal>

class RandomSource;

// The row of the step-candidate list that a draw of r lands on, with c rows
// left: r x 10 in single precision, rounded half-even, taken mod c.
int stepDrawIndex(double r, int candidateCount);

// ChooseOrderStep: trims the candidates to those below n, then draws until a
// candidate that does not divide n comes up, leaves the cursor on it and
// returns it. Should no candidate qualify (n below 3, which the bank check
// refuses) the walk falls back to step 1 rather than drawing forever.
qint16 chooseOrderStep(TextList &candidates, int n, RandomSource &random);

// The question shown at position i - 1 of a walk with this step.
int questionAtPosition(int step, int i, int n);

// k!, the number of answer orders of a question with k answers.
int factorial(int k);

// The row of Poredica(k) that a draw of r gives: r x 1000 rounded half-even,
// mod k!.
int answerOrderIndex(double r, int k);
