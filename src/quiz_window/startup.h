#pragma once

#include <QString>

#include <memory>

class RandomSource;

// Opens the quiz window on the bank in bankFolder and runs until Exit. When
// the bank is refused, a message box says why and the window never opens;
// the result is then non-zero.
int runQuiz(const QString &bankFolder, std::unique_ptr<RandomSource> random);

// The look every window of the program is drawn in: a style that paints
// buttons and labels in the colours they are given, on every desktop.
void applyProgramStyle();
