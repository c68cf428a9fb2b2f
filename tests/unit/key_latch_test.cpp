// Key state: held keys, the pressed-since-last-query latch, focus loss.
#include <gtest/gtest.h>

#include "input/KeyLatch.h"
#include "input/WatchedKeys.h"
#include "platform/Keys.h"

namespace felux {
namespace {

// A tap between two polls (as remote-control tools send keys) is seen by the next poll, by every
// query of it, and by no later poll; a mouse click has records of its own and is not held.
TEST(KeyLatch, AQuickTapCountsAsHeldForExactlyOnePoll) {
    KeyLatch keys;
    keys.Press('S');
    keys.Release('S');
    EXPECT_TRUE(keys.Down('S'));
    EXPECT_TRUE(keys.Down('S')) << "a second look in the same poll";
    keys.EndPoll();
    EXPECT_FALSE(keys.Down('S'));

    keys.Press('S');
    keys.Release('S');
    EXPECT_TRUE(keys.Hit('S'));
    EXPECT_FALSE(keys.Hit('S')) << "the pressed latch goes with the query";
    EXPECT_TRUE(keys.Down('S'));
    keys.Press('S');  // pressed again behind the first tap, before the poll ended: still one poll
    keys.EndPoll();
    EXPECT_TRUE(keys.Down('S')) << "held";
    keys.Release('S');
    EXPECT_FALSE(keys.Down('S'));

    keys.Press(vk::LButton);
    keys.Release(vk::LButton);
    EXPECT_TRUE(keys.Hit(vk::LButton));
    keys.Press(vk::LButton);
    keys.Release(vk::LButton);
    EXPECT_FALSE(keys.Down(vk::LButton)) << "a click is not a held button";

    // Full screen keeps its own record of the same tap, read after the shared one was cleared.
    EXPECT_TRUE(keys.FullScreenHit(vk::LButton));
    EXPECT_FALSE(keys.FullScreenHit(vk::LButton));
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
    for (int k : kWatchedKeys) {
        EXPECT_FALSE(keys.Hit(k)) << k;
        EXPECT_FALSE(keys.Down(k)) << k;
    }
}

}  // namespace
}  // namespace felux
