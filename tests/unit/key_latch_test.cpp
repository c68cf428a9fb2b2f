// Key state: held keys, the pressed-since-last-query latch, focus loss.
#include <gtest/gtest.h>

#include "input/KeyLatch.h"
#include "input/WatchedKeys.h"

namespace felux {
namespace {

TEST(KeyLatch, AQuickTapIsHitOnceButNeverDown) {
    KeyLatch keys;
    keys.Press('S');
    keys.Release('S');
    EXPECT_FALSE(keys.Down('S'));  // any query clears the latch
    EXPECT_FALSE(keys.Hit('S'));
    keys.Press('S');
    keys.Release('S');
    EXPECT_TRUE(keys.Hit('S'));
    EXPECT_FALSE(keys.Hit('S'));

    // Full screen keeps its own record of the same tap, read after the shared one was cleared.
    EXPECT_TRUE(keys.FullScreenHit('S'));
    EXPECT_FALSE(keys.FullScreenHit('S'));
    EXPECT_FALSE(keys.FullScreenHit(0));
}

TEST(KeyLatch, HeldKeysStayUntilReleasedOrFocusIsLost) {
    KeyLatch keys;
    keys.Press(vk::Control);
    keys.Press('Q');
    EXPECT_TRUE(keys.Down(vk::Control));
    EXPECT_TRUE(keys.Hit('Q'));
    EXPECT_TRUE(keys.Hit('Q'));
    keys.ReleaseAll();
    EXPECT_FALSE(keys.Down(vk::Control));
    EXPECT_FALSE(keys.Hit('Q'));
    keys.Press(0);
    keys.Press(999);
    EXPECT_FALSE(keys.Down(999));
}

TEST(KeyLatch, ClearingTheWatchedKeysForgetsEarlierTaps) {
    KeyLatch keys;
    for (int k : kWatchedKeys) {
        keys.Press(k);
        keys.Release(k);
    }
    ClearKeyLatches(keys);
    for (int k : kWatchedKeys) EXPECT_FALSE(keys.Hit(k)) << k;
}

}  // namespace
}  // namespace felux
