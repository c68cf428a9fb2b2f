// Word tags inside a timed line: "[mm:ss:cc]" marks where the fill reaches at that time.
#include "skin/WordTags.h"

#include <algorithm>
#include <array>

namespace felux {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// No time shown on a panel needs more; keeps the sums far from overflow.
constexpr std::int64_t kFieldCap = 999'999'999;

}  // namespace

WordTaggedText SplitWordTags(std::string_view text) {
    WordTaggedText out;
    out.visible.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const bool opens = text[i] == '[' && i + 2 < text.size() && IsDigit(text[i + 1]) && IsDigit(text[i + 2]);
        const std::size_t close = opens ? text.find(']', i + 1) : std::string_view::npos;
        if (close == std::string_view::npos) {
            out.visible += text[i++];
            continue;
        }
        std::array<std::int64_t, 3> field{};
        std::size_t count = 1;
        for (std::size_t j = i + 1; j < close; ++j) {
            if (IsDigit(text[j])) {
                if (count <= field.size()) {
                    auto& f = field[count - 1];
                    f = std::min(kFieldCap, f * 10 + (text[j] - '0'));
                }
            } else if (text[j] == ':') {
                ++count;
            }
        }
        std::int64_t ms = 0;
        if (count == 1) ms = field[0];
        if (count == 2) ms = field[0] * 60'000 + field[1] * 1'000;
        if (count == 3) ms = field[0] * 60'000 + field[1] * 1'000 + field[2] * 10;
        if (out.tags.size() < kMaxWordTags) out.tags.push_back({ms, out.visible.size()});
        i = close + 1;
    }
    return out;
}

}  // namespace felux
