// The whole 640 x 400 skin: panel copies, digit cells, strips and loose pieces.
#include "SkinArt.h"

#include <string>

#include "PanelArt.h"
#include "PixelFont.h"

namespace felux::skintool {
namespace {

using namespace colour;

void DrawLargeCells(Raster& r) {
    r.Fill({skin::kCellsX, skin::kLargeCellsY, skin::kCellPitch * skin::kLargeCellCount, skin::kLargeCellHeight},
           kDisplay);
    for (int k = 0; k < skin::kLargeCellCount; ++k) {
        const Rect c = skin::LargeCell(k);
        if (k <= 9) {
            DrawText(r, c.x, c.y + 2, std::string(1, static_cast<char>('0' + k)), kCyan, Face::Large);
        } else if (k == skin::kLargeUnlit) {
            DrawText(r, c.x, c.y + 2, "8", kGhost, Face::Large);
        } else {
            // Unit letters sit small on the digits' baseline.
            const char* unit = k == skin::kLargeH ? "H" : k == skin::kLargeM ? "M" : "S";
            DrawText(r, c.x, c.y + 6, unit, kDisplayDim, Face::Small);
        }
    }
}

void DrawSmallCells(Raster& r) {
    r.Fill({skin::kCellsX, skin::kSmallCellsY, skin::kCellPitch * skin::kSmallCellCount, skin::kSmallCellHeight},
           kDisplay);
    const std::string glyphs = "0123456789-HMSFUL";
    for (int k = 0; k < skin::kSmallCellCount; ++k) {
        const Rect c = skin::SmallCell(k);
        DrawText(r, c.x, c.y + 4, glyphs.substr(static_cast<std::size_t>(k), 1), kOrange, Face::Small);
    }
}

}  // namespace

Raster DrawSkin(int scale) {
    Raster skinArt(skin::kSkinWidth, skin::kSkinHeight, kUnused, scale);

    const Raster resting = DrawPanel({}, scale);
    PanelLook lit;
    lit.logoDim = lit.configDown = lit.powerDown = true;
    lit.repeatLit = lit.shuffleLit = lit.progressLit = lit.zoomDotLit = lit.scaleLit = true;
    lit.fileDown = lit.stopDown = lit.stillDown = lit.backDown = lit.playDown = lit.nextDown = true;
    lit.zoomPlusDown = lit.fullDown = lit.scanLineOn = lit.lineMaskOn = true;
    lit.volume = VolumeFace::LogNotKept;
    PanelLook second;
    second.playReady = second.stillPaused = second.zoomMinusDown = true;
    second.volume = VolumeFace::LogKept;

    const Rect whole = skin::kRestingPanel;
    skinArt.Paste(resting, whole, 0, 0);
    skinArt.Paste(DrawPanel(lit, scale), whole, 0, skin::kLitRows);
    const Raster secondPanel = DrawPanel(second, scale);
    for (const Rect& a : {skin::kTransport, skin::kVolumeArea, skin::kZoomPair})
        skinArt.Paste(secondPanel, a, a.x, a.y + skin::kSecondLitRows);

    DrawLargeCells(skinArt);
    DrawSmallCells(skinArt);
    DrawVolumeKnob(skinArt, skin::kVolumeKnob.x, skin::kVolumeKnob.y);
    DrawLineMaskSecondMark(skinArt, skin::kLineMaskSecondMark.x, skin::kLineMaskSecondMark.y);

    skinArt.Fill(skin::kDarkStrip, skin::kDarkColour);
    skinArt.Fill(skin::kLightStrip, skin::kLightColour);
    skinArt.Fill(skin::kOrangeStrip, skin::kOrangeColour);
    skinArt.Fill(skin::kWideOrangeStrip, skin::kOrangeColour);
    skinArt.Fill(skin::kWideDarkStrip, skin::kDarkColour);
    skinArt.Fill(skin::kWideLightStrip, skin::kLightColour);

    DrawVolumeFlash(skinArt, skin::kVolumeFlash.x, skin::kVolumeFlash.y);
    return skinArt;
}

}  // namespace felux::skintool
