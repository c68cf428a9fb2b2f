// The order in which the player lists names: numbers by value, letters without case.
#include "playlist/NaturalOrder.h"

namespace felux {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int Folded(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : static_cast<unsigned char>(c); }

// The digit run starting at i, without its leading zeros; i moves past the run.
std::string_view NumberAt(std::string_view s, std::size_t& i) {
    const std::size_t start = i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    std::size_t first = start;
    while (first + 1 < i && s[first] == '0') ++first;
    return s.substr(first, i - first);
}

int Sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

int CompareNatural(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            const std::string_view x = NumberAt(a, i);
            const std::string_view y = NumberAt(b, j);
            // Without leading zeros the longer number is the larger; equal lengths go digit by digit.
            if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
            if (const int c = x.compare(y); c != 0) return Sign(c);
            continue;
        }
        // A digit against any other byte: every digit lies between the same two neighbours,
        // so comparing the bytes ranks a whole number consistently.
        if (const int c = Folded(a[i]) - Folded(b[j]); c != 0) return Sign(c);
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
    return Sign(a.compare(b));
}

}  // namespace felux
