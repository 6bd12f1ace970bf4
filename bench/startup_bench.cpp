#include "bank/bankloader.h"
#include "quiz_window/quizwindow.h"
#include "quiz_window/startup.h"
#include "run/randomsource.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void loadShippedBank(benchmark::State &state)
{
    for (auto _ : state) {
        BankLoad load = loadBank(QString::fromLatin1(kShippedBankFolder));
        benchmark::DoNotOptimize(load.bank);
    }
}
BENCHMARK(loadShippedBank)->Unit(benchmark::kMillisecond);

// Everything a start does before the window is first shown: the controls,
// the bank, the run start and the first question.
void createQuizWindow(benchmark::State &state)
{
    for (auto _ : state) {
        QuizWindow window(std::make_unique<ClockRandomSource>());
        benchmark::DoNotOptimize(window.bank());
    }
}
BENCHMARK(createQuizWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyProgramStyle();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
