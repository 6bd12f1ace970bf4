#pragma once

// The geometry of a progress bar: a done part from the bar's left end and a
// rest that runs on to the bar end R. All values are twips, fractions kept.
namespace ProgressBars {

// The done part is never narrower than this, and R stops this far short of
// the right edge of the Back button.
inline constexpr double kMinDoneWidth = 50;
inline constexpr double kBarEndInset = 50;

struct Parts
{
    double doneWidth;
    double restLeft;
    double restWidth;
};

// Done part count x R / n + 50, rest from its right edge to R.
Parts parts(double doneLeft, int count, int n, double barEnd);

// The answered bar draws one answer less, so that no answer and one answer
// look alike and all n answers match the last position.
int answeredBarCount(int answered);

} // namespace ProgressBars
