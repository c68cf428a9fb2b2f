// Selection sorts of the playlist in natural order: exact results and swaps, with minima kept in a tournament tree.
#include <algorithm>
#include <numeric>
#include <string>

#include "playlist/NaturalOrder.h"
#include "playlist/Playlist.h"
#include "playlist/SelectionSort.h"

namespace felux {

namespace {

// Tournament tree over (rank, position): the root is the lowest rank, the lower
// position winning ties, which is what a left-to-right scan keeping the first
// minimum finds.
class MinimumTree {
public:
    using Key = std::pair<std::size_t, std::size_t>;
    static constexpr Key kGone{static_cast<std::size_t>(-1), static_cast<std::size_t>(-1)};

    explicit MinimumTree(const std::vector<std::size_t>& ranks) {
        while (leaves_ < ranks.size()) leaves_ *= 2;
        nodes_.assign(2 * leaves_, kGone);
        for (std::size_t k = 0; k < ranks.size(); ++k) nodes_[leaves_ + k] = {ranks[k], k};
        for (std::size_t n = leaves_ - 1; n > 0; --n) nodes_[n] = std::min(nodes_[2 * n], nodes_[2 * n + 1]);
    }

    Key Minimum() const { return nodes_[1]; }

    void Set(std::size_t position, Key key) {
        std::size_t n = leaves_ + position;
        nodes_[n] = key;
        for (n /= 2; n > 0; n /= 2) nodes_[n] = std::min(nodes_[2 * n], nodes_[2 * n + 1]);
    }

    std::size_t RankAt(std::size_t position) const { return nodes_[leaves_ + position].first; }

private:
    std::size_t leaves_ = 1;
    std::vector<Key> nodes_;
};

}  // namespace

std::vector<std::size_t> NaturalRanks(const std::vector<std::string_view>& keys) {
    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return NaturalLess(keys[a], keys[b]); });
    std::vector<std::size_t> ranks(order.size());
    std::size_t rank = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (k > 0 && keys[order[k - 1]] != keys[order[k]]) ++rank;
        ranks[order[k]] = rank;
    }
    return ranks;
}

std::vector<std::pair<std::size_t, std::size_t>> SelectionSortSwaps(const std::vector<std::size_t>& ranks) {
    std::vector<std::pair<std::size_t, std::size_t>> swaps;
    if (ranks.empty()) return swaps;
    MinimumTree tree(ranks);
    for (std::size_t p = 0; p < ranks.size(); ++p) {
        const std::size_t lowest = tree.Minimum().second;
        if (lowest != p) {
            swaps.emplace_back(p, lowest);
            // The entry from p now stands at lowest and competes from there.
            tree.Set(lowest, {tree.RankAt(p), lowest});
        }
        tree.Set(p, MinimumTree::kGone);
    }
    return swaps;
}

void Playlist::SortRange(std::size_t first, std::size_t end) {
    end = std::min(end, paths_.size());
    if (first >= end) return;
    std::vector<std::string_view> keys;
    for (std::size_t p = first; p < end; ++p) keys.emplace_back(paths_[p]);
    for (const auto& [p, q] : SelectionSortSwaps(NaturalRanks(keys))) SwapEntries(first + p, first + q);
}

}  // namespace felux
