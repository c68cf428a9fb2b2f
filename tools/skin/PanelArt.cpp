// The panel face in each of its looks (resting, lit, second lit) and the small loose pieces.
#include "PanelArt.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "PixelFont.h"

namespace felux::skintool {
namespace {

using namespace colour;
using skin::kPanelBodyRows;

void DrawPattern(Raster& r, int x, int y, std::string_view rows, Rgb c) { DrawRows(r, x, y, rows, c); }
int PatternWidth(std::string_view rows) { return static_cast<int>(rows.find('/')); }
int PatternHeight(std::string_view rows) { return static_cast<int>(std::count(rows.begin(), rows.end(), '/')) + 1; }

constexpr std::string_view kEject = "..#../.###./#####/...../#####";
constexpr std::string_view kStop = "#####/#####/#####/#####/#####";
constexpr std::string_view kPause = "##.##/##.##/##.##/##.##/##.##";
constexpr std::string_view kBack = "#...#...#/#..##..##/#.###.###/#########/#.###.###/#..##..##/#...#...#";
constexpr std::string_view kNext = "#...#...#/##..##..#/###.###.#/#########/###.###.#/##..##..#/#...#...#";
constexpr std::string_view kPlay = "#...../##..../###.../####../#####./####../###.../##..../#.....";
constexpr std::string_view kLens = ".###.../#...#../#...#../#...#../.###.../.....#./......#";
constexpr std::string_view kMinus = "...../...../#####/...../.....";
constexpr std::string_view kPlus = "..#../..#../#####/..#../..#..";
constexpr std::string_view kPower = "..#../#.#.#/#.#.#/#...#/.###.";
constexpr std::string_view kPercent = "##..#/##.#./..#../.#.##/#..##";
constexpr std::string_view kCheck = ".......#/......##/#....##./##..##../.####.../..##..../........";
constexpr std::string_view kCentreArrow = "####/.##.";

// Brushed metal: the body darkens downwards, with faint streaks a few pixels long.
Rgb BodyAt(int x, int y) {
    const Rgb base = Blend(kBodyTop, kBodyBottom, y * 100 / (kPanelBodyRows + 1));
    std::uint32_t h = static_cast<std::uint32_t>(y) * 2654435761u ^ static_cast<std::uint32_t>(x / 5) * 40503u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return Shade(base, static_cast<int>(h % 3) - 1);
}

void DrawBody(Raster& r) {
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x) r.Set(x, y, BodyAt(x, y));
    // Edge of the window's shape: rounded corners, two feet below.
    r.Fill({1, 0, 404, 1}, kOutline);
    r.Fill({0, 1, 1, 44}, kOutline);
    r.Fill({405, 1, 1, 44}, kOutline);
    r.Fill({1, 45, 404, 1}, kOutline);
    for (const Rect tab : {skin::kLeftTab, skin::kRightTab}) {
        r.Fill({tab.x + 1, 45, tab.width - 2, 1}, BodyAt(tab.x, 45));
        r.Fill({tab.x, 45, 1, 3}, kOutline);
        r.Fill({tab.x + tab.width - 1, 45, 1, 3}, kOutline);
        r.Fill({tab.x + 1, 47, tab.width - 2, 1}, kOutline);
        r.Fill({tab.x + 1, 46, tab.width - 2, 1}, Shade(kBodyBottom, -8));
    }
    r.Fill({2, 1, 402, 1}, Shade(kBodyTop, 30));
    r.Fill({1, 2, 1, 42}, Shade(kBodyTop, 14));
    r.Fill({2, 44, 402, 1}, Shade(kBodyBottom, -14));
    r.Fill({404, 2, 1, 42}, Shade(kBodyBottom, -10));
}

// Speaker-grille dimples.
void DrawGrille(Raster& r, Rect area) {
    for (int y = area.y; y + 1 < area.y + area.height; y += 3)
        for (int x = area.x + ((y - area.y) / 3 % 2); x + 1 < area.x + area.width; x += 3) {
            r.Set(x, y, Shade(kOutline, 10));
            r.Set(x + 1, y + 1, Shade(BodyAt(x, y), 24));
        }
}

// A raised key, or pushed in; returns the offset its contents move by.
int DrawKey(Raster& r, Rect k, bool down) {
    r.Frame(k, kOutline);
    const Rect in{k.x + 1, k.y + 1, k.width - 2, k.height - 2};
    if (down) {
        r.VerticalGradient(in, {40, 44, 52}, {58, 62, 72});
        r.Bevel(in, {28, 31, 37}, {86, 92, 104});
        return 1;
    }
    r.VerticalGradient(in, {116, 122, 136}, {70, 75, 86});
    r.Bevel(in, {158, 164, 178}, {46, 50, 58});
    return 0;
}

void DrawLogo(Raster& r, bool dim) {
    const Rect area = skin::kLogoHit;
    const int x = area.x + (area.width + 2 - TextWidth(Face::Logo, "FELUX")) / 2;
    const int y = area.y + (area.height - FaceHeight(Face::Logo)) / 2;
    if (dim) {
        DrawText(r, x, y, "FELU", Shade(kBodyTop, 16), Face::Logo);
        DrawText(r, x + TextWidth(Face::Logo, "FELU") + 1, y, "X", Blend(kOrange, kBodyTop, 70), Face::Logo);
        return;
    }
    // Engraved: a dark shadow under bright letters.
    DrawText(r, x + 1, y + 1, "FELUX", Shade(kOutline, 6), Face::Logo);
    const int s = r.Scale();
    Raster letters(40, 9, {}, s);
    DrawText(letters, 0, 0, "FELU", {1, 1, 1}, Face::Logo);
    for (int row = 0; row < 9 * s; ++row) {
        const Rgb c = Blend({236, 240, 246}, {150, 160, 176}, row * 100 / (9 * s - 1));
        for (int i = 0; i < 40 * s; ++i)
            if (letters.GetFine(i, row) == Rgb{1, 1, 1}) r.SetFine(x * s + i, y * s + row, c);
    }
    DrawText(r, x + TextWidth(Face::Logo, "FELU") + 1, y, "X", kOrange, Face::Logo);
}

void DrawLeftColumn(Raster& r, const PanelLook& look) {
    DrawLogo(r, look.logoDim);
    {
        const Rect k{14, 17, 43, 12};
        const int d = DrawKey(r, k, look.configDown);
        DrawTextCentred(r, {k.x + d, k.y + d, k.width, k.height}, "CONFIG", look.configDown ? kOrange : kLabel,
                        Face::Tiny);
    }
    {
        const Rect k{14, 31, 43, 14};
        const int d = DrawKey(r, k, look.powerDown);
        if (look.powerDown) r.Fill({k.x + 2, k.y + 2, k.width - 4, k.height - 4}, {84, 40, 38});
        const Rgb c = look.powerDown ? Rgb{255, 140, 120} : kRed;
        const int w = PatternWidth(kPower) + 2 + TextWidth(Face::Tiny, "POWER");
        const int x = k.x + (k.width - w) / 2 + d;
        const int y = k.y + (k.height - 5) / 2 + d;
        DrawPattern(r, x, y, kPower, c);
        DrawText(r, x + PatternWidth(kPower) + 2, y, "POWER", look.powerDown ? Rgb{255, 200, 190} : kLabel,
                 Face::Tiny);
    }
}

void DrawDisplay(Raster& r, const PanelLook& look) {
    const Rect d = skin::kDisplay;
    r.Fill(d, kDisplay);
    // Sunk into the body: a dark rim, light where the body catches the light.
    r.Fill({d.x - 1, 0, 1, d.height + 1}, kOutline);
    r.Fill({d.x + d.width, 0, 1, d.height + 1}, kOutline);
    r.Fill({d.x - 1, d.height, d.width + 2, 1}, kOutline);
    r.Fill({d.x - 2, 1, 1, d.height}, Shade(kBodyTop, -18));
    r.Fill({d.x + d.width + 1, 1, 1, d.height}, Shade(kBodyTop, 26));

    const Rect t = skin::kProgressTrack;
    if (look.progressLit) {
        r.Fill({t.x, t.y, t.width, 1}, kOrangeHot);
        r.Fill({t.x, t.y + 1, t.width, 1}, kOrange);
        r.Fill({t.x, t.y + 2, t.width, 1}, {206, 104, 22});
    } else {
        r.Fill(t, {40, 54, 66});
        r.Fill({t.x, t.y + 2, t.width, 1}, {34, 46, 57});
        for (int q = 1; q < 4; ++q) r.Fill({t.x + t.width * q / 4, t.y, 1, 3}, {56, 74, 88});
    }

    const Rect rp = skin::kRepeatLabel;
    const Rect sh = skin::kShuffleLabel;
    DrawText(r, rp.x + 1, rp.y + 1, "RP", look.repeatLit ? kOrange : kDisplayDim, Face::Tiny);
    DrawText(r, sh.x + 1, sh.y + 1, "SH", look.shuffleLit ? kOrange : kDisplayDim, Face::Tiny);
    if (look.zoomDotLit) DrawPattern(r, skin::kZoomDot.x, skin::kZoomDot.y + 1, kPercent, kOrange);
}

// The volume slider's ramp and labels in one of its three looks.
void DrawVolumeFace(Raster& r, int x, int y, VolumeFace face) {
    const Rgb rampLow = face == VolumeFace::LogKept      ? Rgb{150, 84, 26}
                        : face == VolumeFace::LogNotKept ? Rgb{56, 96, 116}
                                                         : Rgb{40, 44, 52};
    const Rgb rampHigh = face == VolumeFace::LogKept      ? kOrange
                         : face == VolumeFace::LogNotKept ? kCyan
                                                          : Rgb{96, 104, 118};
    // A ramp that grows to the right, under the knob's path.
    const int bottom = y + 10;
    for (int i = 3; i <= 71; ++i) {
        const int h = 1 + (i - 3) * 5 / 68;
        r.Fill({x + i, bottom - h + 1, 1, h}, Blend(rampLow, rampHigh, (i - 3) * 100 / 68));
    }
    r.Fill({x + 3, bottom + 1, 69, 1}, Shade(kBodyBottom, 18));
    DrawText(r, x + 1, y, "VOL", kLabelDim, Face::Tiny);
    if (face == VolumeFace::Plain) return;
    const bool kept = face == VolumeFace::LogKept;
    const int lx = x + skin::kVolumeArea.width - 2 - TextWidth(Face::Tiny, "LOG");
    DrawText(r, lx, y, "LOG", kept ? kOrange : kCyan, Face::Tiny);
    r.Fill({lx - 4, y + 1, 2, 3}, kept ? kOrangeHot : Rgb{40, 60, 72});
}

void DrawBottomRowUnderDisplay(Raster& r, const PanelLook& look) {
    DrawVolumeFace(r, skin::kVolumeArea.x, skin::kVolumeArea.y, look.volume);
    for (const bool plus : {false, true}) {
        const Rect k{plus ? 160 : 140, 32, 19, 13};
        const bool down = plus ? look.zoomPlusDown : look.zoomMinusDown;
        const int d = DrawKey(r, k, down);
        // A magnifier and the sign beside it.
        const int x = k.x + (k.width - 14) / 2 + d;
        const int y = k.y + (k.height - 7) / 2 + d;
        DrawPattern(r, x, y, kLens, down ? kOrange : kLabelDim);
        DrawPattern(r, x + 9, y + 1, plus ? kPlus : kMinus, down ? kOrangeHot : kIcon);
    }
    const Rect k{181, 32, 24, 13};
    const int d = DrawKey(r, k, look.fullDown);
    const Rgb c = look.fullDown ? kOrange : kLabel;
    DrawTextCentred(r, {k.x + d, k.y + d, k.width, k.height}, "FULL", c, Face::Tiny);
    // Corner marks: the picture fills the screen.
    for (const auto& [cx, cy, dx, dy] : {std::array{k.x + 2, k.y + 2, 1, 1}, std::array{k.x + 21, k.y + 2, -1, 1},
                                         std::array{k.x + 2, k.y + 10, 1, -1}, std::array{k.x + 21, k.y + 10, -1, -1}}) {
        r.Set(cx + d, cy + d, c);
        r.Set(cx + dx + d, cy + d, c);
        r.Set(cx + d, cy + dy + d, c);
    }
}

void DrawTransport(Raster& r, const PanelLook& look) {
    struct Small {
        Rect key;
        const char* label;
        std::string_view icon;
        bool down;
        bool lit;
    };
    const Small top[] = {
        {{208, 10, 29, 11}, "FILE", kEject, look.fileDown, false},
        {{239, 10, 33, 11}, "STOP", kStop, look.stopDown, false},
        {{274, 10, 29, 11}, "STILL", kPause, look.stillDown, look.stillPaused},
    };
    for (const Small& s : top) {
        const bool hot = s.down || s.lit;
        DrawTextCentred(r, {s.key.x, 2, s.key.width, 7}, s.label, hot ? kOrange : kLabelDim, Face::Tiny);
        const int d = DrawKey(r, s.key, s.down);
        if (s.lit && !s.down) r.Fill({s.key.x + 2, s.key.y + 2, s.key.width - 4, s.key.height - 4}, {120, 78, 34});
        DrawPattern(r, s.key.x + (s.key.width - 5) / 2 + d, s.key.y + 3 + d, s.icon, hot ? kOrangeHot : kIcon);
    }
    struct Big {
        Rect key;
        const char* label;
        std::string_view icon;
        bool down;
        bool ready;
    };
    const Big bottom[] = {
        {{208, 21, 29, 24}, "BACK", kBack, look.backDown, false},
        {{239, 21, 33, 24}, "PLAY", kPlay, look.playDown, look.playReady},
        {{274, 21, 29, 24}, "NEXT", kNext, look.nextDown, false},
    };
    for (const Big& b : bottom) {
        const int d = DrawKey(r, b.key, b.down);
        const Rgb c = b.down ? kOrange : b.ready ? kGreen : kIcon;
        const int iconTop = b.key.y + 4 + (9 - PatternHeight(b.icon)) / 2;
        DrawPattern(r, b.key.x + (b.key.width - PatternWidth(b.icon)) / 2 + d, iconTop + d, b.icon, c);
        DrawTextCentred(r, {b.key.x + d, b.key.y + 14 + d, b.key.width, 7}, b.label,
                        b.down ? kOrangeHot : b.ready ? kGreen : kLabel, Face::Tiny);
    }
}

void DrawSpeedScale(Raster& r, bool lit) {
    const int y = skin::kSpeedScaleY;
    r.Fill({324, y - 1, 51, 5}, kOutline);
    r.Fill({325, y, 49, 3}, {28, 32, 38});
    DrawText(r, 325, 5, "SLOW", kLabelDim, Face::Tiny);
    DrawText(r, 374 - TextWidth(Face::Tiny, "FAST"), 5, "FAST", kLabelDim, Face::Tiny);
    DrawPattern(r, skin::kSpeedCentreTick.x, 9, kCentreArrow, kLabelDim);
    auto tick = [&](int x, Rgb c) { r.Fill({x, y, 1, 3}, c); };
    const Rgb rest{78, 86, 98};
    for (int i = 0; i < skin::kSpeedMaxStep; ++i) {
        tick(skin::kSpeedFastX + 2 * i, lit ? Blend(kOrangeHot, {255, 96, 40}, i * 100 / 8) : rest);
        tick(skin::kSpeedSlowMark.x - 1 - 2 * i, lit ? Blend(kCyan, {96, 160, 230}, i * 100 / 8) : rest);
    }
    tick(344, lit ? kCyan : rest);
    tick(346, lit ? kCyan : rest);
    tick(348, lit ? kOrange : rest);
    tick(350, lit ? kOrange : rest);
    r.Fill({353, y, 2, 3}, lit ? Rgb{236, 240, 246} : Shade(rest, 30));
}

void DrawCheckBoxes(Raster& r, const PanelLook& look) {
    for (const bool mask : {false, true}) {
        const Rect area = mask ? skin::kLineMaskBox : skin::kScanLineBox;
        const bool on = mask ? look.lineMaskOn : look.scanLineOn;
        const Rect box{area.x + 1, area.y + 1, 10, 9};
        r.Frame(box, kOutline);
        r.Fill({box.x + 1, box.y + 1, 8, 7}, {30, 34, 40});
        r.Fill({box.x + 1, box.y + 1, 8, 1}, {22, 25, 30});
        if (on) DrawPattern(r, box.x + 1, box.y + 1, kCheck, kOrange);
        DrawText(r, box.x + 12, box.y + 2, mask ? "LINEMASK" : "SCANLINE", on ? Rgb{240, 236, 226} : kLabelDim,
                 Face::Tiny);
    }
}

void DrawMinimiseBox(Raster& r) {
    const Rect k{380, 1, 10, 10};
    DrawKey(r, k, false);
    r.Fill({k.x + 3, k.y + 6, 4, 1}, kIcon);
}

}  // namespace

void DrawVolumeKnob(Raster& r, int x, int y) {
    const Rect k = skin::kVolumeKnob;
    r.Frame({x, y, k.width, k.height}, kOutline);
    r.VerticalGradient({x + 1, y + 1, k.width - 2, k.height - 2}, {226, 230, 238}, {140, 146, 160});
    r.Bevel({x + 1, y + 1, k.width - 2, k.height - 2}, {246, 248, 250}, {96, 102, 116});
    r.Fill({x + 6, y + 2, 1, 3}, kOrange);
}

void DrawLineMaskSecondMark(Raster& r, int x, int y) {
    r.Frame({x, y, 10, 9}, kOutline);
    r.Fill({x + 1, y + 1, 8, 7}, kCyan);
    DrawPattern(r, x + 1, y + 1, kCheck, {30, 44, 56});
}

void DrawVolumeFlash(Raster& r, int x, int y) {
    const Rect a = skin::kVolumeArea;
    r.Fill({x, y, a.width, a.height}, kFlashKey);
    const int bottom = y + 10;
    for (int i = 3; i <= 71; ++i) {
        const int h = 1 + (i - 3) * 5 / 68;
        r.Fill({x + i, bottom - h + 1, 1, h}, {255, 236, 190});
    }
    const int lx = x + a.width - 2 - TextWidth(Face::Tiny, "LOG");
    DrawText(r, lx, y, "LOG", {255, 230, 160}, Face::Tiny);
    r.Fill({lx - 4, y + 1, 2, 3}, {255, 230, 160});
}

Raster DrawPanel(const PanelLook& look, int scale) {
    Raster r(skin::kRestingPanel.width, skin::kRestingPanel.height, kUnused, scale);
    DrawBody(r);
    DrawGrille(r, {3, 4, 9, 38});
    DrawGrille(r, {377, 15, 26, 29});
    DrawLeftColumn(r, look);
    DrawDisplay(r, look);
    DrawBottomRowUnderDisplay(r, look);
    DrawTransport(r, look);
    DrawSpeedScale(r, look.scaleLit);
    DrawCheckBoxes(r, look);
    DrawMinimiseBox(r);
    return r;
}

}  // namespace felux::skintool
