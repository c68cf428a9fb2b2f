// Where everything lives in the 640 x 400 skin bitmap and on the 407 x 50 panel.
#pragma once

#include "platform/WindowSystem.h"
#include "skin/DibImage.h"

namespace felux::skin {

inline constexpr int kSkinWidth = 640;
inline constexpr int kSkinHeight = 400;

// The panel face as drawn from the skin; the window is 407 x 50, the region
// (rows 0-45 full width, two tabs in rows 46-47) hides the rest.
inline constexpr Rect kRestingPanel{0, 0, 406, 48};
// The lit copy of the whole panel lies this many rows below the resting one,
// the second lit copy (transport block and the volume and zoom-minus faces)
// twice as far: an area (x, y) lit is read from (x, y + kLitRows).
inline constexpr int kLitRows = 100;
inline constexpr int kSecondLitRows = 200;

// Panel shape: the corner rows 0 and 45 leave out the outermost pixel, and
// rows 46-47 are only the two tabs.
inline constexpr int kPanelBodyRows = 46;
// The part of the canvas the panel window shows: the panel and the timed-text rows under it.
inline constexpr int kPaintedWidth = 407;
inline constexpr int kPaintedRows = 93;
inline constexpr Rect kLeftTab{22, 46, 65, 2};
inline constexpr Rect kRightTab{319, 46, 65, 2};

// ---- Controls on the panel (panel coordinates; the hit rectangles include
// their right and bottom edges). Where a drawn area differs from the hit
// rectangle both are given.
inline constexpr Rect kLogoHit{13, 1, 44, 13};
inline constexpr Rect kLogoArea{13, 0, 46, 16};  // dimmed while the application is inactive
inline constexpr Rect kConfigButton{13, 16, 46, 14};
inline constexpr Rect kPowerButton{13, 30, 46, 16};

// The display window: the lyric line on top, the progress track, the read-outs.
inline constexpr Rect kDisplay{59, 0, 147, 31};
inline constexpr Rect kDisplayUpperHalf{59, 0, 144, 11};
inline constexpr Rect kDisplayLowerHalf{59, 17, 144, 11};
inline constexpr Rect kDisplayText{70, 15, 145, 14};
inline constexpr Rect kLyricTop{59, 0, 145, 13};
inline constexpr Rect kLyricLower{59, 16, 145, 13};
inline constexpr Rect kTitleBand{59, 15, 145, 14};
inline constexpr Rect kRepeatLabel{60, 16, 9, 7};
inline constexpr Rect kShuffleLabel{60, 23, 9, 7};
inline constexpr Rect kProgressHit{63, 9, 138, 6};
inline constexpr Rect kProgressTrack{63, 12, 138, 3};  // lit from the left, 0-137 pixels
inline constexpr Rect kZoomDot{126, 23, 6, 6};

// Large time read-out: cells 6 x 13 at y 16, x = 139 + 8i (h H m m M s s S).
inline constexpr int kTimeReadoutX = 139;
inline constexpr int kTimeReadoutY = 16;
// Small read-out: cells 6 x 11 at y 18, x = 71 + 8i for i = 0..6.
inline constexpr int kSmallReadoutX = 71;
inline constexpr int kSmallReadoutY = 18;
inline constexpr int kReadoutPitch = 8;

inline constexpr Rect kVolumeArea{59, 31, 75, 15};
inline constexpr Rect kVolumeBar{59, 36, 75, 7};
inline constexpr int kVolumeKnobY = 36;  // knob x = 59 + level (0-62)
inline constexpr Rect kZoomPair{139, 31, 40, 15};  // both zoom faces, drawn as one
inline constexpr Rect kZoomMinusHit{139, 31, 20, 15};
inline constexpr Rect kZoomPlusHit{159, 31, 20, 15};
inline constexpr Rect kFullArea{180, 31, 26, 15};
inline constexpr Rect kFullHit{180, 31, 23, 15};

// Transport: a small top row (labels above, buttons in rows 10-20) and a big bottom row.
inline constexpr Rect kTransport{207, 0, 98, 48};
inline constexpr Rect kFileHit{207, 10, 31, 11};
inline constexpr Rect kFileUpperHit{207, 0, 31, 21};  // right button: the playlist editor
inline constexpr Rect kStopArea{238, 0, 35, 21};
inline constexpr Rect kStopHit{238, 10, 35, 11};
inline constexpr Rect kStillArea{273, 0, 31, 21};
inline constexpr Rect kStillHit{273, 10, 31, 11};
inline constexpr Rect kBackButton{207, 21, 31, 25};
inline constexpr Rect kPlayButton{238, 21, 35, 25};
inline constexpr Rect kNextButton{273, 21, 31, 25};

// Speed scale, rows 13-15: slower steps left of 343, the still mark, the
// centre tick, faster steps from 356; each step is 2 pixels.
inline constexpr Rect kSpeedScale{325, 13, 49, 3};
inline constexpr int kSpeedScaleY = 13;
inline constexpr Rect kSpeedCentreTick{352, 13, 4, 3};
inline constexpr Rect kSpeedStillMark{347, 13, 5, 3};
inline constexpr Rect kSpeedSlowMark{343, 13, 4, 3};
inline constexpr int kSpeedFastX = 356;
inline constexpr int kSpeedStepPixels = 2;
inline constexpr int kSpeedMaxStep = 9;

inline constexpr Rect kScanLineBox{324, 19, 49, 11};
inline constexpr Rect kLineMaskBox{324, 29, 49, 11};
inline constexpr Rect kLineMaskSecondMarkAt{325, 30, 10, 9};
inline constexpr Rect kMinimiseBox{380, 0, 10, 12};

// ---- Pieces kept outside the panel rows.
// Large digit cells: 6 x 13 at x = 412 + 7k, row 0; k 0-9 digits, then these.
inline constexpr int kCellsX = 412;
inline constexpr int kCellPitch = 7;
inline constexpr int kCellWidth = 6;
inline constexpr int kLargeCellsY = 0;
inline constexpr int kLargeCellHeight = 13;
inline constexpr int kLargeCellCount = 14;
inline constexpr int kLargeUnlit = 10;
inline constexpr int kLargeH = 11;
inline constexpr int kLargeM = 12;
inline constexpr int kLargeS = 13;
// Small digit cells: 6 x 11 at x = 412 + 7k, row 15.
inline constexpr int kSmallCellsY = 15;
inline constexpr int kSmallCellHeight = 11;
inline constexpr int kSmallCellCount = 17;
inline constexpr int kSmallDash = 10;
inline constexpr int kSmallH = 11;
inline constexpr int kSmallM = 12;
inline constexpr int kSmallS = 13;
inline constexpr int kSmallF = 14;
inline constexpr int kSmallU = 15;
inline constexpr int kSmallL = 16;

constexpr Rect LargeCell(int k) { return {kCellsX + kCellPitch * k, kLargeCellsY, kCellWidth, kLargeCellHeight}; }
constexpr Rect SmallCell(int k) { return {kCellsX + kCellPitch * k, kSmallCellsY, kCellWidth, kSmallCellHeight}; }

inline constexpr Rect kVolumeKnob{412, 30, 13, 7};
inline constexpr Rect kLineMaskSecondMark{412, 50, 10, 9};

// Solid strips behind composited text, 145 x 16, and their colours (R, G, B).
// The dark one is also the display window's ground, so text lands seamlessly.
inline constexpr Rect kDarkStrip{59, 150, 145, 16};
inline constexpr Rect kLightStrip{59, 170, 145, 16};
inline constexpr Rect kOrangeStrip{59, 190, 145, 16};
inline constexpr Rgb kDarkColour{22, 30, 38};
inline constexpr Rgb kLightColour{176, 206, 220};
inline constexpr Rgb kOrangeColour{255, 146, 36};

// Wide strips for the large copy of the timed text under the video.
inline constexpr Rect kWideOrangeStrip{0, 250, 320, 24};
inline constexpr Rect kWideDarkStrip{320, 250, 320, 24};
inline constexpr Rect kWideLightStrip{0, 275, 320, 24};

// Blended over the volume area when its mode changes; white pixels are left out.
inline constexpr Rect kVolumeFlash{59, 331, 75, 15};

// The same rectangle in the lit copies.
constexpr Rect Lit(Rect r) { return {r.x, r.y + kLitRows, r.width, r.height}; }
constexpr Rect SecondLit(Rect r) { return {r.x, r.y + kSecondLitRows, r.width, r.height}; }

}  // namespace felux::skin
