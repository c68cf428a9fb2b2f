// Natural order of names: numbers by value, case ignored, a total order; and the sorts that use it.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "playlist/NaturalOrder.h"
#include "playlist/Playlist.h"

namespace felux {
namespace {

TEST(NaturalOrder, NumbersByValueLettersWithoutCaseAndTiesByBytes) {
    // Each name sorts strictly before the next.
    const std::vector<std::string> ascending = {
        "",
        "_",  // 0x5F: before the letters, which compare as lower case
        "d",
        "d 2.mp4",
        "D 9.mp4",
        "d 10.mp4",
        "d 010b",  // equal to "d 10b" by value, before it by bytes ('0' < '1')
        "d 10b",
        "d 99999999999999999999999",  // longer than 64 bits
        "d 100000000000000000000000",
        "d 0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000001000000000000000000000000",
        "e",
        "E1",  // "E1" and "e1" tie without case: the capital's smaller byte goes first
        "e1",
        "e1.",
        "\xC3\xA9t\xC3\xA9 2",  // UTF-8 bytes above ASCII come last, by their values
        "\xC3\xA9t\xC3\xA9 10",
        "\xE6\x97\xA5 1",
    };
    for (std::size_t i = 0; i < ascending.size(); ++i) {
        EXPECT_EQ(CompareNatural(ascending[i], ascending[i]), 0) << ascending[i];
        for (std::size_t j = i + 1; j < ascending.size(); ++j) {
            EXPECT_LT(CompareNatural(ascending[i], ascending[j]), 0) << ascending[i] << " | " << ascending[j];
            EXPECT_GT(CompareNatural(ascending[j], ascending[i]), 0) << ascending[j] << " | " << ascending[i];
        }
    }
    // Leading zeros: the same value, then bytes, whichever side holds them.
    EXPECT_LT(CompareNatural("007", "7"), 0);
    EXPECT_LT(CompareNatural("0", "00"), 0);
    EXPECT_GT(CompareNatural("a007b", "a7a"), 0) << "the value ties, the next letter decides before the zeros";
    EXPECT_GT(CompareNatural("x9", "x.9"), 0) << "a number against a byte: '.' is below every digit";
    EXPECT_LT(CompareNatural("x9", "x_9"), 0) << "and '_' above them";
}

TEST(NaturalOrder, IsATotalOrderOverRandomNames) {
    std::mt19937 random(7);
    const std::string alphabet = "0019aAb .\xC3";
    std::vector<std::string> names;
    for (int n = 0; n < 400; ++n) {
        std::string s;
        for (std::size_t k = random() % 7; k > 0; --k) s += alphabet[random() % alphabet.size()];
        names.push_back(s);
    }
    std::sort(names.begin(), names.end(), NaturalLess);
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        ASSERT_LE(CompareNatural(names[i], names[i + 1]), 0) << i;
        ASSERT_EQ(CompareNatural(names[i], names[i + 1]) == 0, names[i] == names[i + 1]) << i;
    }
    // Transitivity over every triple of a smaller sample.
    names.resize(60);
    for (const std::string& a : names)
        for (const std::string& b : names)
            for (const std::string& c : names)
                if (NaturalLess(a, b) && NaturalLess(b, c)) {
                    ASSERT_TRUE(NaturalLess(a, c)) << a << "|" << b << "|" << c;
                }
}

TEST(NaturalOrder, PlaylistRangesSortByNumberValue) {
    Playlist list;
    for (const char* p : {"/v/d 10.mp4", "/v/d 9.mp4", "/v/D 1.mp4", "/v/d 100.mp4", "/v/d 09.mp4"}) list.AppendPath(p);
    list.SortRange(0, list.Size());
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < list.Size(); ++i) paths.push_back(list.PathAt(i));
    EXPECT_EQ(paths, (std::vector<std::string>{"/v/D 1.mp4", "/v/d 09.mp4", "/v/d 9.mp4", "/v/d 10.mp4", "/v/d 100.mp4"}));
}

}  // namespace
}  // namespace felux
