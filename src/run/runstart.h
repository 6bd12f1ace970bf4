#pragma once

#include <QString>
#include <QtGlobal>

class QuestionBank;
class RandomSource;
struct RunState;

// The steps of the run start that show something. The quiz window carries
// them out; the run start only says when, so that they keep their place
// among the steps that prepare the state.
class RunStartView
{
public:
    virtual ~RunStartView() = default;
    virtual void setTitle(const QString &title) = 0;
    virtual void colourIndicatorRed() = 0;
    virtual void setPhraseBoxVisible(bool visible) = 0;
    virtual void layOutProgressBars() = 0;
};

// With the guessing check on, question 0 is asked a second time as a new
// last question B: the key list gains a copy of its row 0, List1(B + 1)
// becomes a copy of List1(1), and the copy gets the empty figure of slot 0.
void prepareGuessingCheck(QuestionBank &bank, RunState &state);

// The run start up to the first display: prepares the bank, fixes N, draws
// the question order and one answer order per question, and fills the state
// lists. The caller then shows position 0.
void startRun(QuestionBank &bank, RunState &state, RandomSource &random, RunStartView &view);
