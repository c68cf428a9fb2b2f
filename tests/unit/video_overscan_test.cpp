// The source rectangle that crops the overscan margins.
#include <gtest/gtest.h>

#include <limits>

#include "video/Overscan.h"

namespace felux {
namespace {

void ExpectRect(const SourceRect& r, int x, int y, int w, int h) {
    EXPECT_EQ(r.x, x);
    EXPECT_EQ(r.y, y);
    EXPECT_EQ(r.width, w);
    EXPECT_EQ(r.height, h);
}

TEST(Overscan, KeepsTheCentralPartOfTheSource) {
    ExpectRect(OverscanSourceRect({720, 480}, 1.0, 1.0), 0, 0, 720, 480);
    ExpectRect(OverscanSourceRect({720, 480}, 0.98, 0.98), 7, 4, 705, 470);
    ExpectRect(OverscanSourceRect({720, 480}, 0.96, 1.0), 14, 0, 691, 480);
    // Scales from percentages truncate to the intended pixel.
    ExpectRect(OverscanSourceRect({1000, 1000}, 0.7, 0.92), 150, 40, 700, 920);
}

TEST(Overscan, ScalesOutsideTheUsableRangeAreLimited) {
    ExpectRect(OverscanSourceRect({720, 480}, -0.75, 1.5), 324, 0, 72, 480);
    ExpectRect(OverscanSourceRect({720, 480}, 0.0, 0.1), 324, 216, 72, 48);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    ExpectRect(OverscanSourceRect({720, 480}, nan, nan), 0, 0, 720, 480);
    // Never an empty rectangle.
    ExpectRect(OverscanSourceRect({3, 3}, 0.1, 0.1), 1, 1, 1, 1);
    ExpectRect(OverscanSourceRect({0, 0}, 0.9, 0.9), 0, 0, 0, 0);
    ExpectRect(OverscanSourceRect({720, -4}, 0.9, 0.9), 0, 0, 0, 0);
}

}  // namespace
}  // namespace felux
