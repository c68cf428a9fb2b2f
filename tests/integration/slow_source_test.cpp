// Opens that take long on real libmpv: a stream whose server never answers and a huge file of
// nothing. Each poll takes what mpv has and returns; the bounds come from the clock given.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "MpvTestSupport.h"
#include "StallingServer.h"
#include "TempFolder.h"

namespace felux {
namespace {

using namespace std::chrono_literals;
using test::Clip;
using test::InspectableEngine;

// Polls until the stalling server has had `connections` in all; the open stays pending meanwhile.
void PollUntilConnected(MediaEngine& engine, const test::StallingServer& server, int connections) {
    for (int i = 0; i < 1000 && server.Connections() < connections; ++i) {
        ASSERT_EQ(engine.PollOpen(), OpenStatus::Pending);
        std::this_thread::sleep_for(10ms);
    }
    ASSERT_EQ(server.Connections(), connections);
}

TEST(SlowSource, AStalledStreamEndsAtItsDeadlineOrWhenGivenUpAndLeavesNothingBehind) {
    test::StallingServer server(60s);
    std::chrono::steady_clock::time_point now{};
    InspectableEngine engine({}, {}, {}, [&] { return now; });
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    engine.BeginOpen(server.Url("never.mp4"), std::nullopt);
    now += 4999ms;
    PollUntilConnected(engine, server, 1);
    EXPECT_EQ(engine.PollOpen(), OpenStatus::Pending);
    now += 1ms;
    EXPECT_EQ(engine.PollOpen(), OpenStatus::TimedOut);
    EXPECT_TRUE(server.Stalling()) << "the clock decided, not the source";
    EXPECT_EQ(engine.PollOpen(), OpenStatus::Failed) << "an outcome is taken once";

    // Given up before its bound for another file, as the player's next open does.
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    engine.BeginOpen(server.Url("again.mp4"), std::nullopt);
    PollUntilConnected(engine, server, 2);
    engine.Release();
    EXPECT_EQ(engine.PollOpen(), OpenStatus::Failed);
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Clip("tone.mp3"), std::nullopt), OpenStatus::Ready);
    test::Ticker ticker(engine);
    ticker.For(300ms);
    EXPECT_EQ(ticker.completions(), 0) << "the stream's late end is not the new file's";
    EXPECT_GT(engine.Duration(), MediaTime{});
    EXPECT_FALSE(engine.HasVideo());
}

TEST(SlowSource, AHugeFileOfNothingIsFollowedOverPollsAndFails) {
    test::TempFolder folder;
    const std::filesystem::path sparse = folder.path() / "sparse.mpg";
    { std::ofstream{sparse}; }
    std::filesystem::resize_file(sparse, std::uintmax_t{2} << 30);
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    engine.BeginOpen(sparse.string(), std::nullopt);
    int pending = 0;
    OpenStatus status = engine.PollOpen();
    for (; status == OpenStatus::Pending; status = engine.PollOpen()) {
        ++pending;
        std::this_thread::sleep_for(5ms);
    }
    EXPECT_NE(status, OpenStatus::Ready);
    EXPECT_GT(pending, 1) << "answered as it went, not after a wait";
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    EXPECT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), std::nullopt), OpenStatus::Ready);
}

}  // namespace
}  // namespace felux
