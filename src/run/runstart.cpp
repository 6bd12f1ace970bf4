#include "run/runstart.h"

#include "bank/bankcheck.h"
#include "bank/questionbank.h"
#include "bank/textnumbers.h"
#include "run/questionorder.h"
#include "run/randomsource.h"
#include "run/runstate.h"

#include <QString>

void prepareGuessingCheck(QuestionBank &bank, RunState &state)
{
    const int b = bank.List1[0].rowCount();
    state.QuestionCount = static_cast<qint16>(b);
    // The bank check keeps the copy within the figure slots; a bank that
    // slipped past it gets no copy rather than a write out of bounds.
    if (b + 1 >= QuestionBank::kFigureSlots)
        return;
    const int duplicate = b + 1;
    const QStringList original = bank.List1[1].rows();
    bank.Picture1[duplicate] = bank.Picture1[0];
    bank.List1[0].append(bank.List1[0].row(0));
    bank.List1[duplicate].clear();
    for (const QString &row : original)
        bank.List1[duplicate].append(row);
}

void startRun(QuestionBank &bank, RunState &state, RandomSource &random, RunStartView &view)
{
    view.setTitle(bank.List2.row(SettingsRow::kTitle));
    if (settingValue(bank.List2.row(SettingsRow::kGuessingCheck)) == 1)
        prepareGuessingCheck(bank, state);
    const int n = bank.List1[0].rowCount();
    state.QuestionCount = static_cast<qint16>(n);
    view.colourIndicatorRed();
    state.OrderStep = chooseOrderStep(state.List2[StateList::kStepCandidates], n, random);
    state.AnsweredCount = 0;
    view.setPhraseBoxVisible(settingValue(bank.List2.row(SettingsRow::kPhraseMode)) == 1);
    view.layOutProgressBars();

    for (int list = StateList::kChosenOption; list <= StateList::kCorrectOption; ++list)
        state.List2[list].clear();
    for (int i = 1; i <= n; ++i) {
        const int k = bank.List1[i].rowCount() - 1;
        state.List2[StateList::kChosenOption].append(kNothingRecorded);
        state.List2[StateList::kQuestionOrder].append(
            QString::number(questionAtPosition(state.OrderStep, i, n)));
        state.List2[StateList::kAnswerOrder].append(bank.Poredica[k].row(answerOrderIndex(random.next(), k)));
        state.List2[StateList::kVerdict].append(kNothingRecorded);
        state.List2[StateList::kCorrectOption].append(kNothingRecorded);
    }
    state.CurrentPos = 0;
    state.List2[StateList::kQuestionOrder].setCursor(0);
}
