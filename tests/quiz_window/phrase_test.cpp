#include "quiz_window/phrase.h"

#include <gtest/gtest.h>

namespace {

struct PhraseRow
{
    const char *name;
    const char *question;
    const char *answer;
    const char *phrase;
};

class ComposePhrase : public ::testing::TestWithParam<PhraseRow>
{
};

TEST_P(ComposePhrase, FillsTheFirstBlank)
{
    const PhraseRow &row = GetParam();
    EXPECT_EQ(composePhrase(QString::fromUtf8(row.question), QString::fromUtf8(row.answer)),
        QString::fromUtf8(row.phrase));
}

INSTANTIATE_TEST_SUITE_P(Rows, ComposePhrase,
    ::testing::Values(PhraseRow { "BlankBetweenWords", "Ab ___ cd", "xy", "Ab  xy cd" },
        // The full stop after the blank stays.
        PhraseRow { "FullStopAfterTheBlank", "Start ___.", "xy", "Start  xy ." },
        PhraseRow { "BlankAtTheStart", "___ end.", "xy", " xy end." },
        PhraseRow { "BlankAtTheEnd", "Start ___", "xy", "Start  xy " },
        PhraseRow { "OnlyTheFirstRun", "a __ b __ c", "xy", "a  xy b __ c" },
        PhraseRow { "SingleUnderscore", "Ъгълът е _ градуса.", "90°", "Ъгълът е  90° градуса." },
        PhraseRow { "TwoBlanksAfter", "a ___  b", "xy", "a  xy  b" },
        PhraseRow { "OnlyUnderscores", "___", "xy", " xy " },
        PhraseRow { "AnswerKeepsItsBlanks", "x=___;", "88°30\";  ", "x= 88°30\";   ;" },
        PhraseRow { "NoUnderscore", "Колко е ъгълът?", "60°", "Колко е ъгълът? 60° " }),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
