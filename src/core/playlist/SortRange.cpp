// Playlist::SortRange: a selection sort's exact result and swaps, with minima kept in a segment tree.
#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "playlist/Playlist.h"

namespace felux {

namespace {

// Dense ranks of the paths in [first, end) under the playlist's order: bytes
// compared unsigned, ASCII letters folded to lower case, a prefix first. Equal
// paths share a rank, so the tree compares integers instead of chasing strings;
// the folded copies sit in one buffer so the ranking sort stays cache friendly.
std::vector<std::size_t> Ranks(const Playlist& list, std::size_t first, std::size_t end) {
    std::string folded;
    std::vector<std::size_t> starts{0};
    for (std::size_t p = first; p < end; ++p) {
        for (const char c : list.PathAt(p)) folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
        starts.push_back(folded.size());
    }
    // std::string_view compares like memcmp, that is as unsigned bytes.
    const auto key = [&](std::size_t k) {
        return std::string_view(folded).substr(starts[k], starts[k + 1] - starts[k]);
    };
    std::vector<std::size_t> order(end - first);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    std::vector<std::size_t> ranks(order.size());
    std::size_t rank = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (k > 0 && key(order[k - 1]) != key(order[k])) ++rank;
        ranks[order[k]] = rank;
    }
    return ranks;
}

// Tournament tree over (rank, position): the root is the lowest path, the
// lower position winning ties, which is what a left-to-right scan keeping the
// first minimum finds.
class MinimumTree {
public:
    using Key = std::pair<std::size_t, std::size_t>;
    static constexpr Key kGone{static_cast<std::size_t>(-1), static_cast<std::size_t>(-1)};

    MinimumTree(const std::vector<std::size_t>& ranks, std::size_t first) : first_(first) {
        while (leaves_ < ranks.size()) leaves_ *= 2;
        nodes_.assign(2 * leaves_, kGone);
        for (std::size_t k = 0; k < ranks.size(); ++k) nodes_[leaves_ + k] = {ranks[k], first + k};
        for (std::size_t n = leaves_ - 1; n > 0; --n) nodes_[n] = std::min(nodes_[2 * n], nodes_[2 * n + 1]);
    }

    Key Minimum() const { return nodes_[1]; }

    void Set(std::size_t position, Key key) {
        std::size_t n = leaves_ + position - first_;
        nodes_[n] = key;
        for (n /= 2; n > 0; n /= 2) nodes_[n] = std::min(nodes_[2 * n], nodes_[2 * n + 1]);
    }

    std::size_t RankAt(std::size_t position) const { return nodes_[leaves_ + position - first_].first; }

private:
    std::size_t first_;
    std::size_t leaves_ = 1;
    std::vector<Key> nodes_;
};

}  // namespace

void Playlist::SortRange(std::size_t first, std::size_t end) {
    end = std::min(end, paths_.size());
    if (first >= end) return;
    MinimumTree tree(Ranks(*this, first, end), first);
    for (std::size_t p = first; p < end; ++p) {
        const std::size_t lowest = tree.Minimum().second;
        if (lowest != p) {
            SwapEntries(p, lowest);
            tree.Set(lowest, {tree.RankAt(p), lowest});
        }
        tree.Set(p, MinimumTree::kGone);
    }
}

}  // namespace felux
