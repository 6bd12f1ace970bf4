#pragma once

// Where the controls of the quiz window stand, in twips from the top left
// corner of the client area (the option buttons from that of their frame).
namespace Layout {

struct Twips
{
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int kClientWidth = 10905;
inline constexpr int kClientHeight = 6945;

inline constexpr Twips kTitle { 3000, 0, 5655, 375 };
inline constexpr Twips kForward { 240, 120, 1575, 285 };
inline constexpr Twips kBack { 9000, 120, 1575, 285 };
inline constexpr Twips kReviewForward { 360, 120, 1575, 285 };
inline constexpr Twips kReviewBack { 9120, 120, 1575, 285 };
inline constexpr Twips kQuestionBox { 120, 480, 10635, 765 };
inline constexpr Twips kAnswerBoxes[5] = { { 120, 1320, 2500, 1005 }, { 2640, 1320, 2500, 1005 },
    { 5160, 1320, 2500, 1005 }, { 7680, 1320, 2500, 1005 }, { 10320, 1320, 540, 1005 } };
inline constexpr Twips kOptionFrame { 120, 2400, 10695, 495 };
inline constexpr Twips kOptions[5] = { { 360, 120, 1800, 285 }, { 2760, 120, 1800, 285 },
    { 5280, 120, 1800, 285 }, { 7800, 120, 1800, 285 }, { 9960, 120, 600, 285 } };
inline constexpr Twips kChosenAnswerLabel { 240, 2880, 2055, 315 };
inline constexpr Twips kIndicatorStrip { 2400, 2880, 6135, 200 };
inline constexpr Twips kPhraseBox { 120, 3120, 10635, 525 };
inline constexpr Twips kPositionBar[2] = { { 120, 3700, 135, 255 }, { 240, 3700, 9855, 255 } };
inline constexpr Twips kAnsweredBar[2] = { { 120, 4000, 135, 255 }, { 240, 4000, 9855, 255 } };
inline constexpr Twips kEvaluate { 120, 4400, 1575, 285 };
inline constexpr Twips kAnsweredCountLabel { 1800, 4395, 3015, 285 };
inline constexpr Twips kGuessVerdictLabel { 4920, 4395, 1815, 285 };
inline constexpr Twips kResultLabel { 7560, 4395, 3135, 285 };
inline constexpr Twips kFigureBox { 120, 4800, 3375, 2055 };
inline constexpr Twips kInfoBox { 3600, 4800, 7215, 2055 };
inline constexpr Twips kSpareNoteBox { 4200, 6360, 6735, 1815 };

} // namespace Layout
