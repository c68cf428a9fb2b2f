// The panel face in each of its looks (resting, lit, second lit) and the small loose pieces.
#pragma once

#include "Raster.h"

namespace felux::skintool {

// Colours of the artwork; the strip colours themselves are in SkinLayout.h.
namespace colour {
inline constexpr Rgb kUnused{48, 52, 60};
inline constexpr Rgb kOutline{16, 18, 22};
inline constexpr Rgb kBodyTop{82, 87, 98};
inline constexpr Rgb kBodyBottom{46, 50, 58};
inline constexpr Rgb kLabel{196, 202, 212};
inline constexpr Rgb kLabelDim{128, 134, 146};
inline constexpr Rgb kIcon{214, 220, 230};
inline constexpr Rgb kOrange = skin::kOrangeColour;
inline constexpr Rgb kOrangeHot{255, 196, 110};
inline constexpr Rgb kCyan = skin::kLightColour;
inline constexpr Rgb kGreen{120, 226, 140};
inline constexpr Rgb kRed{238, 92, 80};
inline constexpr Rgb kDisplay = skin::kDarkColour;
inline constexpr Rgb kDisplayDim{62, 84, 100};
inline constexpr Rgb kGhost{33, 44, 54};
inline constexpr Rgb kFlashKey{255, 255, 255};  // left out by the blended copy
}  // namespace colour

enum class VolumeFace { Plain, LogNotKept, LogKept };

// Which controls show lit or pressed; everything else rests.
struct PanelLook {
    bool logoDim = false;
    bool configDown = false;
    bool powerDown = false;
    bool repeatLit = false;
    bool shuffleLit = false;
    bool progressLit = false;
    bool zoomDotLit = false;
    bool scaleLit = false;
    bool fileDown = false;
    bool stopDown = false;
    bool stillDown = false;
    bool stillPaused = false;
    bool backDown = false;
    bool playDown = false;
    bool playReady = false;
    bool nextDown = false;
    bool zoomMinusDown = false;
    bool zoomPlusDown = false;
    bool fullDown = false;
    bool scanLineOn = false;
    bool lineMaskOn = false;
    VolumeFace volume = VolumeFace::Plain;
};

// 406 x 48, in panel coordinates, at 1x or 2x.
Raster DrawPanel(const PanelLook& look, int scale);

// Loose pieces drawn straight into the skin at (x, y).
void DrawVolumeKnob(Raster& r, int x, int y);
void DrawLineMaskSecondMark(Raster& r, int x, int y);
void DrawVolumeFlash(Raster& r, int x, int y);

}  // namespace felux::skintool
