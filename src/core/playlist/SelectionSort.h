// A selection sort's exact swaps in O(n log n), and the playlist's natural key order.
#pragma once

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

namespace felux {

// Dense ranks of the keys in natural order (NaturalOrder.h). Only equal keys share a rank.
std::vector<std::size_t> NaturalRanks(const std::vector<std::string_view>& keys);

// The swaps (p, q), p < q, that a selection sort of ranks makes, ascending: for
// each position p it exchanges p with the first of the lowest ranks from p on.
// For a descending sort pass the ranks mirrored (highest becomes lowest).
std::vector<std::pair<std::size_t, std::size_t>> SelectionSortSwaps(const std::vector<std::size_t>& ranks);

}  // namespace felux
