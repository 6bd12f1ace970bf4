#pragma once

#include <QImage>
#include <QStringList>

#include <vector>

// A figure of the shipped bank: slot n holds the figure of question n - 1.
struct BankFigure
{
    int slot;
    QImage image;
    // Labels that found no free place; a figure with any is not written.
    QStringList problems;
};

// Draws the figures of slots 1 to 18, each at the size its slot shows.
std::vector<BankFigure> drawBankFigures();
