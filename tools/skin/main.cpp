// felux_skin_tool: writes the player's skin bitmap to the path given, at 1x or, with 2, at 2x.
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "SkinArt.h"

int main(int argc, char** argv) {
    const bool twice = argc == 3 && std::string_view(argv[2]) == "2";
    if (argc != 2 && !twice) {
        std::fprintf(stderr, "usage: %s OUTPUT.bmp [2]\n", argv[0]);
        return 2;
    }
    const std::string bytes = felux::skintool::DrawSkin(twice ? 2 : 1).ToBmp();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
