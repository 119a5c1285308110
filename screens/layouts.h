// The windows' client areas and the places of the controls that more than
// their own window looks at: the tests and the benchmark find each window
// by its size and look into it at these places. The sizes are in twips, as
// SetUpForm takes them; the places already in pixels.
#pragma once

#include <QRect>
#include <QSize>

#include "screens/twips.h"

namespace zupi {

// The game window, Form1: the board (Picture1), the stage message (Label2)
// and the three lamps (SafeLight), left to right.
inline constexpr QSize kGameWindowTwips(6045, 3660);
inline constexpr QRect kBoardRect = TwipsRect(120, 360, 4000, 2000);
inline constexpr QRect kStageMessageRect = TwipsRect(120, 2520, 1935, 975);
inline constexpr QRect kLampRects[] = {TwipsRect(2295, 3000, 255, 255), TwipsRect(2595, 3000, 255, 255),
                                       TwipsRect(2895, 3000, 255, 255)};

// The certificate window, Form2.
inline constexpr QSize kCertificateWindowTwips(5220, 6690);

// The title window, Form3, and its start button (Command1).
inline constexpr QSize kTitleWindowTwips(6030, 2940);
inline constexpr QRect kStartButtonRect = TwipsRect(4080, 2400, 1695, 375);

}  // namespace zupi
