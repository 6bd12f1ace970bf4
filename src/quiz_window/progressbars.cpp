#include "quiz_window/progressbars.h"

namespace ProgressBars {

Parts parts(double doneLeft, int count, int n, double barEnd)
{
    Parts result {};
    result.doneWidth = count * barEnd / n + kMinDoneWidth;
    result.restLeft = doneLeft + result.doneWidth;
    result.restWidth = barEnd - result.restLeft;
    return result;
}

int answeredBarCount(int answered)
{
    return answered >= 1 ? answered - 1 : answered;
}

} // namespace ProgressBars
