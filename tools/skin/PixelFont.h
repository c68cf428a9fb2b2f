// Built-in pixel fonts for the skin's labels, digits and logo.
#pragma once

#include <string_view>

#include "Raster.h"

namespace felux::skintool {

enum class Face {
    Tiny,   // 5 rows, capitals, digits, + and -: labels
    Small,  // 5 x 7: the small read-out cells and the unit letters
    Large,  // 6 x 11 bold digits: the time read-out
    Logo,   // 9 rows, bold: the name on the panel
};

int FaceHeight(Face face);
// Width in pixels with one column between characters; unknown characters count as blanks.
int TextWidth(Face face, std::string_view text);
// Draws text with its top-left at (x, y); only the letter pixels are written.
void DrawText(Raster& r, int x, int y, std::string_view text, Rgb colour, Face face);
// A small picture in the same notation ('/' between rows, '#' is ink) with its top-left at (x, y).
// At 2x the ink is drawn on the finer grid: diagonals step by half a skin pixel, while straight
// strokes keep their width, two bitmap pixels for each skin pixel.
void DrawRows(Raster& r, int x, int y, std::string_view rows, Rgb colour);
// Centred in rect (rounding left and up).
void DrawTextCentred(Raster& r, Rect rect, std::string_view text, Rgb colour, Face face);

}  // namespace felux::skintool
