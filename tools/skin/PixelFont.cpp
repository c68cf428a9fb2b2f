// Built-in pixel fonts for the skin's labels, digits and logo.
#include "PixelFont.h"

#include <algorithm>
#include <span>
#include <vector>

namespace felux::skintool {
namespace {

struct Glyph {
    char c;
    const char* rows;  // rows separated by '/', '#' is ink
};

constexpr Glyph kTiny[] = {
    {'A', ".#./#.#/###/#.#/#.#"},     {'B', "##./#.#/##./#.#/##."},
    {'C', ".##/#../#../#../.##"},     {'D', "##./#.#/#.#/#.#/##."},
    {'E', "###/#../##./#../###"},     {'F', "###/#../##./#../#.."},
    {'G', ".##/#../#.#/#.#/.##"},     {'H', "#.#/#.#/###/#.#/#.#"},
    {'I', "###/.#./.#./.#./###"},     {'K', "#.#/#.#/##./#.#/#.#"},
    {'L', "#../#../#../#../###"},     {'M', "#...#/##.##/#.#.#/#...#/#...#"},
    {'N', "#..#/##.#/#.##/#..#/#..#"}, {'O', ".#./#.#/#.#/#.#/.#."},
    {'P', "##./#.#/##./#../#.."},     {'R', "##./#.#/##./#.#/#.#"},
    {'S', ".##/#../.#./..#/##."},     {'T', "###/.#./.#./.#./.#."},
    {'U', "#.#/#.#/#.#/#.#/###"},     {'V', "#.#/#.#/#.#/#.#/.#."},
    {'W', "#...#/#...#/#.#.#/##.##/#...#"}, {'X', "#.#/#.#/.#./#.#/#.#"},
    {'Y', "#.#/#.#/.#./.#./.#."},     {'Z', "###/..#/.#./#../###"},
    {'-', ".../.../###/.../..."},     {'+', ".../.#./###/.#./..."},
    {' ', "../../../../.."},
};

constexpr Glyph kSmall[] = {
    {'0', ".###./#...#/#...#/#...#/#...#/#...#/.###."},
    {'1', "..#../.##../..#../..#../..#../..#../.###."},
    {'2', ".###./#...#/....#/...#./..#../.#.../#####"},
    {'3', "#####/...#./..#../...#./....#/#...#/.###."},
    {'4', "...#./..##./.#.#./#..#./#####/...#./...#."},
    {'5', "#####/#..../####./....#/....#/#...#/.###."},
    {'6', "..##./.#.../#..../####./#...#/#...#/.###."},
    {'7', "#####/....#/...#./..#../.#.../.#.../.#..."},
    {'8', ".###./#...#/#...#/.###./#...#/#...#/.###."},
    {'9', ".###./#...#/#...#/.####/....#/...#./.##.."},
    {'-', "...../...../...../.###./...../...../....."},
    {'H', "#...#/#...#/#...#/#####/#...#/#...#/#...#"},
    {'M', "#...#/##.##/#.#.#/#.#.#/#...#/#...#/#...#"},
    {'S', ".####/#..../#..../.###./....#/....#/####."},
    {'F', "#####/#..../#..../####./#..../#..../#...."},
    {'U', "#...#/#...#/#...#/#...#/#...#/#...#/.###."},
    {'L', "#..../#..../#..../#..../#..../#..../#####"},
};

constexpr Glyph kLarge[] = {
    {'0', ".####./##..##/##..##/##..##/##..##/##..##/##..##/##..##/##..##/##..##/.####."},
    {'1', "...##./..###./.####./...##./...##./...##./...##./...##./...##./...##./...##."},
    {'2', ".####./##..##/....##/....##/...##./..##../.##.../##..../##..../##..../######"},
    {'3', ".####./##..##/....##/....##/..###./....##/....##/....##/....##/##..##/.####."},
    {'4', "...##./..###./.####./##.##./##.##./##.##./######/...##./...##./...##./...##."},
    {'5', "######/##..../##..../#####./....##/....##/....##/....##/....##/##..##/.####."},
    {'6', "..###./.##.../##..../##..../#####./##..##/##..##/##..##/##..##/##..##/.####."},
    {'7', "######/....##/....##/...##./...##./..##../..##../..##../.##.../.##.../.##..."},
    {'8', ".####./##..##/##..##/##..##/.####./##..##/##..##/##..##/##..##/##..##/.####."},
    {'9', ".####./##..##/##..##/##..##/##..##/.#####/....##/....##/....##/...##./.###.."},
};

constexpr Glyph kLogo[] = {
    {'F', "######/######/##..../##..../#####./##..../##..../##..../##...."},
    {'E', "######/######/##..../##..../#####./##..../##..../######/######"},
    {'L', "##..../##..../##..../##..../##..../##..../##..../######/######"},
    {'U', "##..##/##..##/##..##/##..##/##..##/##..##/##..##/######/.####."},
    {'X', "##...##/##...##/.##.##./..###../..###../..###../.##.##./##...##/##...##"},
};

std::span<const Glyph> Table(Face face) {
    switch (face) {
        case Face::Tiny: return kTiny;
        case Face::Small: return kSmall;
        case Face::Large: return kLarge;
        case Face::Logo: return kLogo;
    }
    return kTiny;
}

const Glyph* Find(Face face, char c) {
    for (const Glyph& g : Table(face))
        if (g.c == c) return &g;
    return nullptr;
}

int GlyphWidth(Face face, char c) {
    const Glyph* g = Find(face, c);
    if (g == nullptr) return FaceHeight(face) / 2;
    const std::string_view rows(g->rows);
    return static_cast<int>(rows.find('/'));
}

// The ink of a picture as a grid; outside it is blank.
struct Ink {
    int width = 0;
    int height = 0;
    std::vector<bool> cells;
    bool At(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height && cells[static_cast<std::size_t>(y * width + x)];
    }
};

Ink InkOf(std::string_view rows) {
    Ink ink;
    int col = 0;
    for (char ch : rows) {
        if (ch == '/') {
            ++ink.height;
            col = 0;
            continue;
        }
        if (ink.height == 0) ++ink.width;
        if (col < ink.width) ink.cells.push_back(ch == '#');
        ++col;
    }
    ++ink.height;
    ink.cells.resize(static_cast<std::size_t>(ink.width * ink.height), false);
    return ink;
}

}  // namespace

void DrawRows(Raster& r, int x, int y, std::string_view rows, Rgb colour) {
    const Ink ink = InkOf(rows);
    const int s = r.Scale();
    for (int j = 0; j < ink.height; ++j) {
        for (int i = 0; i < ink.width; ++i) {
            const bool p = ink.At(i, j);
            if (s != 2) {
                if (p) r.Set(x + i, y + j, colour);
                continue;
            }
            // Each corner of the cell follows its two neighbours where they agree and the
            // others do not, which cuts the stairs of a diagonal in half.
            const bool up = ink.At(i, j - 1), down = ink.At(i, j + 1);
            const bool left = ink.At(i - 1, j), right = ink.At(i + 1, j);
            const bool corners[4] = {
                (left == up && left != down && up != right) ? up : p,
                (up == right && up != left && right != down) ? right : p,
                (down == left && down != right && left != up) ? left : p,
                (right == down && right != up && down != left) ? down : p,
            };
            for (int k = 0; k < 4; ++k)
                if (corners[k]) r.SetFine((x + i) * 2 + k % 2, (y + j) * 2 + k / 2, colour);
        }
    }
}

int FaceHeight(Face face) {
    const std::string_view rows(Table(face).front().rows);
    return static_cast<int>(std::count(rows.begin(), rows.end(), '/')) + 1;
}

int TextWidth(Face face, std::string_view text) {
    int w = 0;
    for (char c : text) w += GlyphWidth(face, c) + 1;
    return text.empty() ? 0 : w - 1;
}

void DrawText(Raster& r, int x, int y, std::string_view text, Rgb colour, Face face) {
    for (char c : text) {
        if (const Glyph* g = Find(face, c)) DrawRows(r, x, y, g->rows, colour);
        x += GlyphWidth(face, c) + 1;
    }
}

void DrawTextCentred(Raster& r, Rect rect, std::string_view text, Rgb colour, Face face) {
    DrawText(r, rect.x + (rect.width - TextWidth(face, text)) / 2, rect.y + (rect.height - FaceHeight(face)) / 2,
             text, colour, face);
}

}  // namespace felux::skintool
