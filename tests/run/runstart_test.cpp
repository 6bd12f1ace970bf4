#include "bank/bankloader.h"
#include "bank/permutations.h"
#include "run/runstart.h"
#include "run/runstate.h"
#include "support/bankfixture.h"
#include "support/scriptedrandom.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class RecordingView final : public RunStartView
{
public:
    void setTitle(const QString &title) override { calls << QStringLiteral("title:") + title; }
    void colourIndicatorRed() override { calls << QStringLiteral("red"); }
    void setPhraseBoxVisible(bool visible) override
    {
        calls << (visible ? QStringLiteral("phrase:shown") : QStringLiteral("phrase:hidden"));
    }
    void layOutProgressBars() override { calls << QStringLiteral("bars"); }
    QStringList calls;
};

std::unique_ptr<QuestionBank> load(const QString &folder)
{
    BankLoad load = loadBank(folder);
    EXPECT_TRUE(load.faults.isEmpty()) << load.faults.join(u'\n').toStdString();
    return std::move(load.bank);
}

// A step draw followed by one answer draw per question: question q draws
// t = q, so its answer order is row q of the permutation table.
std::vector<double> draws(double stepDraw, int questions)
{
    std::vector<double> values { stepDraw };
    for (int q = 0; q < questions; ++q)
        values.push_back(q / 1000.0);
    return values;
}

class ShippedRunStart : public ::testing::Test
{
protected:
    void SetUp() override
    {
        bank = load(QString::fromLatin1(kShippedBankFolder));
        pristine = load(QString::fromLatin1(kShippedBankFolder));
        ASSERT_TRUE(bank && pristine);
        ScriptedRandom random(draws(0.25, 21));
        startRun(*bank, state, random, view);
        drawsUsed = random.drawn();
    }
    std::unique_ptr<QuestionBank> bank;
    std::unique_ptr<QuestionBank> pristine;
    RunState state;
    RecordingView view;
    int drawsUsed = 0;
};

TEST_F(ShippedRunStart, AddsTheCopyOfQuestionZero)
{
    EXPECT_EQ(state.QuestionCount, 21);
    EXPECT_EQ(bank->List1[0].rowCount(), 21);
    EXPECT_EQ(bank->List1[0].row(20), QStringLiteral("108°;"));
    EXPECT_EQ(bank->List1[21].rows(), bank->List1[1].rows());
    EXPECT_EQ(bank->List1[21].rowCount(), 5);
    EXPECT_TRUE(bank->Picture1[21].isNull());
    for (int slot = 1; slot <= 20; ++slot)
        EXPECT_EQ(bank->Picture1[slot], pristine->Picture1[slot]) << "slot " << slot;
    EXPECT_EQ(bank->Obqsnenie[21].rows(), pristine->Obqsnenie[21].rows());
    EXPECT_EQ(bank->List1[22].rows(), pristine->List1[22].rows());
}

TEST_F(ShippedRunStart, ShowsItsStepsInOrder)
{
    EXPECT_EQ(view.calls,
        QStringList({ QStringLiteral("title:ВЕЛТ по Геометрия - мярка на ъгли"), QStringLiteral("red"),
            QStringLiteral("phrase:hidden"), QStringLiteral("bars") }));
}

TEST_F(ShippedRunStart, FillsTheStateLists)
{
    const int n = 21;
    EXPECT_EQ(drawsUsed, 1 + n);
    EXPECT_EQ(state.OrderStep, 5);
    EXPECT_EQ(state.CurrentPos, 0);
    EXPECT_EQ(state.AnsweredCount, 0);
    EXPECT_FALSE(state.LastOption.has_value());
    for (int list : { StateList::kChosenOption, StateList::kVerdict, StateList::kCorrectOption })
        EXPECT_EQ(state.List2[list].rows(), QStringList(n, QStringLiteral("-1"))) << "list " << list;

    const TextList &order = state.List2[StateList::kQuestionOrder];
    EXPECT_EQ(order.rowCount(), n);
    EXPECT_EQ(order.row(0), QStringLiteral("5"));
    EXPECT_EQ(order.row(n - 1), QStringLiteral("0"));
    EXPECT_EQ(order.cursor(), 0);
    std::set<QString> shown(order.rows().begin(), order.rows().end());
    EXPECT_EQ(static_cast<int>(shown.size()), n);
    for (int q = 0; q < n; ++q)
        EXPECT_TRUE(shown.count(QString::number(q))) << "question " << q;

    // Rows of the answer-order list belong to questions, drawn in question order.
    const QStringList table = permutationsOf(4);
    for (int q = 0; q < n; ++q)
        EXPECT_EQ(state.List2[StateList::kAnswerOrder].row(q), table.at(q)) << "question " << q;

    const TextList &candidates = state.List2[StateList::kStepCandidates];
    EXPECT_EQ(candidates.rowCount(), 8);
    EXPECT_EQ(candidates.row(*candidates.cursor()), QStringLiteral("5"));
    EXPECT_EQ(state.List2[StateList::kGuessCheck].rows(),
        QStringList({ QStringLiteral("Pyrwi"), QStringLiteral("Posleden") }));
}

TEST(GuessingCheckPreparation, HoldsTheStoredCountMeanwhile)
{
    auto bank = load(QString::fromLatin1(kShippedBankFolder));
    RunState state;
    prepareGuessingCheck(*bank, state);
    EXPECT_EQ(state.QuestionCount, 20);
    EXPECT_EQ(bank->List1[0].rowCount(), 21);
}

class GuessingCheckNotOne : public ::testing::TestWithParam<int>
{
};

TEST_P(GuessingCheckNotOne, LeavesTheBankAsStored)
{
    const Fixture::Folder folder(
        Fixture::bank(6, Fixture::settings('0', static_cast<char>('0' + GetParam()))));
    auto bank = load(folder.path());
    auto pristine = load(folder.path());
    RunState state;
    RecordingView view;
    ScriptedRandom random(draws(0.2, 6));
    startRun(*bank, state, random, view);
    EXPECT_EQ(state.QuestionCount, 6);
    EXPECT_EQ(state.OrderStep, 5);
    for (int i = 0; i < QuestionBank::kQuestionLists; ++i)
        EXPECT_EQ(bank->List1[i].rows(), pristine->List1[i].rows()) << "List1(" << i << ")";
    EXPECT_EQ(state.List2[StateList::kVerdict].rowCount(), 6);
}

INSTANTIATE_TEST_SUITE_P(Values, GuessingCheckNotOne, ::testing::Values(0, 2),
    [](const auto &info) { return "Value" + std::to_string(info.param); });

TEST(RunStart, PhraseModeShowsThePhraseBox)
{
    BankFile file = Fixture::bank(3, Fixture::settings('1'));
    for (BankQuestion &q : file.questions)
        q.text = QStringLiteral("Ъгълът е ___.");
    const Fixture::Folder folder(file);
    auto bank = load(folder.path());
    RunState state;
    RecordingView view;
    ScriptedRandom random(draws(0.0, 3));
    startRun(*bank, state, random, view);
    EXPECT_TRUE(view.calls.contains(QStringLiteral("phrase:shown")));
    EXPECT_EQ(state.OrderStep, 2);
    EXPECT_EQ(state.List2[StateList::kQuestionOrder].rows(),
        QStringList({ QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("0") }));
}

TEST(RunStart, AnswerOrderHasTheAnswerCountOfItsOwnQuestion)
{
    BankFile file = Fixture::bank(4, Fixture::settings('0', '1'));
    file.questions[0] = Fixture::question(QStringLiteral("Два"), 2, 1);
    file.questions[1] = Fixture::question(QStringLiteral("Пет"), 5, 5);
    file.questions[2] = Fixture::question(QStringLiteral("Три"), 3, 2);
    const Fixture::Folder folder(file);
    auto bank = load(folder.path());
    RunState state;
    RecordingView view;
    // N = 5 with the copy; step 2 from r = 0.
    ScriptedRandom random({ 0.0, 0.001, 0.119, 0.005, 0.0, 0.0 });
    startRun(*bank, state, random, view);
    EXPECT_EQ(state.List2[StateList::kAnswerOrder].rows(),
        QStringList({ QStringLiteral("21"), QStringLiteral("54321"), QStringLiteral("321"),
            QStringLiteral("1234"), QStringLiteral("12") }));
    EXPECT_EQ(state.List2[StateList::kQuestionOrder].rows(),
        QStringList({ QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("1"), QStringLiteral("3"),
            QStringLiteral("0") }));
}

} // namespace
