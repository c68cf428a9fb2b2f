// The order in which the player lists names: numbers by value, letters without case.
#pragma once

#include <string_view>

namespace felux {

// Negative, zero or positive as a sorts before, with or after b. Runs of ASCII digits compare
// as numbers of any length ("d 9" before "d 10"), ASCII letters without case, every other byte
// (UTF-8 included) by its unsigned value, and a prefix first. Names that still tie ("007" and
// "7", "A" and "a") go by their bytes, so only equal names compare equal: the order is total.
int CompareNatural(std::string_view a, std::string_view b);

inline bool NaturalLess(std::string_view a, std::string_view b) { return CompareNatural(a, b) < 0; }

}  // namespace felux
