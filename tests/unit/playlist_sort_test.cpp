// SortRange: the order and the swaps of a plain selection sort, over any range.
#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "playlist/Playlist.h"

namespace felux {
namespace {

// Records each swap as the pair of lines a SwapEntries replaces.
class SwapLog : public PlaylistView {
public:
    void InsertLine(std::size_t, const std::string&) override {}
    void DeleteLine(std::size_t) override {}
    void RenumberLine(std::size_t, std::size_t) override {}
    void ReplaceLine(std::size_t index, const std::string&) override { replaced.push_back(index); }
    std::vector<std::size_t> SelectedLines() const override { return {}; }
    void SelectLine(std::size_t, bool) override {}
    void ShowFolder(const std::string&) override {}
    std::vector<std::size_t> replaced;
};

int Fold(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : static_cast<unsigned char>(c); }

// Names without digits: letter case ignored, then names equal but for case by their bytes.
bool Less(const std::string& a, const std::string& b) {
    const auto folded = [](const std::string& s) {
        std::vector<int> out;
        for (const char c : s) out.push_back(Fold(c));
        return out;
    };
    const std::vector<int> x = folded(a);
    const std::vector<int> y = folded(b);
    return x != y ? x < y : a < b;
}

struct Reference {
    std::vector<std::string> paths;
    std::vector<std::size_t> replaced;
    std::size_t current;
};

Reference SelectionSort(std::vector<std::string> paths, std::size_t first, std::size_t end, std::size_t current) {
    Reference r{std::move(paths), {}, current};
    end = std::min(end, r.paths.size());
    for (std::size_t p = first; p < end; ++p) {
        std::size_t lowest = p;
        for (std::size_t q = p + 1; q < end; ++q)
            if (Less(r.paths[q], r.paths[lowest])) lowest = q;
        if (lowest == p) continue;
        std::swap(r.paths[p], r.paths[lowest]);
        r.replaced.insert(r.replaced.end(), {p, lowest});
        if (r.current == p) {
            r.current = lowest;
        } else if (r.current == lowest) {
            r.current = p;
        }
    }
    return r;
}

std::vector<std::string> Paths(const Playlist& list) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < list.Size(); ++i) out.push_back(list.PathAt(i));
    return out;
}

TEST(SortRange, EqualKeysKeepTheFirstFoundAndPrefixesComeFirst) {
    Playlist list;
    for (const char* p : {"/m/b.mpg", "/m/A.mpg", "/m/a.mpg", "/m/a.mpg.x", "/m/_"}) list.Append(p, p);
    list.SortRange(0, 100);
    // Letters fold to lower case, so "_" (0x5F) sorts before them.
    EXPECT_EQ(Paths(list), (std::vector<std::string>{"/m/_", "/m/A.mpg", "/m/a.mpg", "/m/a.mpg.x", "/m/b.mpg"}));
    EXPECT_EQ(list.TitleAt(0), "/m/_") << "titles travel with their paths";

    Playlist part;
    for (const char* p : {"d", "c", "b", "a", "\xE6\x97\xA5", "B"}) part.AppendPath(p);
    part.SortRange(1, 4);
    EXPECT_EQ(Paths(part), (std::vector<std::string>{"d", "a", "b", "c", "\xE6\x97\xA5", "B"}));
    part.SortRange(3, 3);
    part.SortRange(5, 2);
    part.SortRange(4, 6);
    EXPECT_EQ(Paths(part), (std::vector<std::string>{"d", "a", "b", "c", "B", "\xE6\x97\xA5"}));
}

TEST(SortRange, MatchesSelectionSortIncludingSwapsAndCurrentMark) {
    std::mt19937 random(12345);
    for (int round = 0; round < 300; ++round) {
        const std::size_t n = random() % 60;
        std::vector<std::string> paths;
        const char* alphabet = round % 2 ? "aAbB" : "aAbBc_\xE6.";
        for (std::size_t i = 0; i < n; ++i) {
            std::string p;
            const std::size_t len = random() % 4;
            for (std::size_t k = 0; k < len; ++k) p += alphabet[random() % (round % 2 ? 4 : 8)];
            paths.push_back(p);
        }
        const std::size_t first = n ? random() % n : 0;
        const std::size_t end = first + random() % (n + 5);
        const std::size_t current = n ? random() % n : 0;

        Playlist list;
        SwapLog log;
        for (const std::string& p : paths) list.Append(p, "*" + p);
        list.editorCurrent = static_cast<int>(current);
        list.AttachView(&log);
        list.SortRange(first, end);

        const Reference expected = SelectionSort(paths, first, end, current);
        ASSERT_EQ(Paths(list), expected.paths) << "round " << round;
        ASSERT_EQ(log.replaced, expected.replaced) << "round " << round;
        ASSERT_EQ(list.editorCurrent, static_cast<int>(expected.current)) << "round " << round;
        for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(list.TitleAt(i), "*" + list.PathAt(i));
    }
}

}  // namespace
}  // namespace felux
