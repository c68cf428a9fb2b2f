// Opens that take long on real libmpv: a stream whose server never answers and a huge file of
// nothing. Each poll takes what mpv has and returns; the bounds come from the clock given.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "MpvTestSupport.h"
#include "StallingServer.h"
#include "TempFolder.h"

namespace felux {
namespace {

using namespace std::chrono_literals;
using test::Clip;
using test::InspectableEngine;
using Clock = std::chrono::steady_clock;

// The longest single call of an open, printed with the polls it took.
struct CallTimes {
    Clock::duration longest{};
    int polls = 0;
    template <typename Call>
    auto Time(Call call) {
        const auto start = Clock::now();
        auto result = call();
        longest = std::max(longest, Clock::now() - start);
        return result;
    }
    void Print(const char* what) const {
        std::printf("%s: %d polls, longest call %.1f ms\n", what, polls,
                    std::chrono::duration<double, std::milli>(longest).count());
    }
};

TEST(SlowSource, AStalledStreamTimesOutAtItsDeadlineWhilePollsReturnAtOnce) {
    test::StallingServer server(60s);
    Clock::time_point now{};
    InspectableEngine engine({}, {}, {}, [&] { return now; });
    ASSERT_EQ(engine.Create(), kMediaOk);
    CallTimes times;
    times.Time([&] {
        engine.BeginOpen(server.Url("never.mp4"), std::nullopt);
        return 0;
    });
    // Just short of the bound the open goes on, however often it is asked, once mpv is at the server.
    now += 4999ms;
    const auto asking = Clock::now();
    while (server.Connections() == 0 && Clock::now() - asking < 10s) {
        ++times.polls;
        ASSERT_EQ(times.Time([&] { return engine.PollOpen(); }), OpenStatus::Pending);
        std::this_thread::sleep_for(5ms);
    }
    ASSERT_EQ(server.Connections(), 1);
    for (int i = 0; i < 20; ++i, ++times.polls) {
        ASSERT_EQ(times.Time([&] { return engine.PollOpen(); }), OpenStatus::Pending);
        std::this_thread::sleep_for(5ms);
    }
    // At the bound it is given up, with the server still silent: the clock decided, not the source.
    now += 1ms;
    EXPECT_EQ(times.Time([&] { return engine.PollOpen(); }), OpenStatus::TimedOut);
    EXPECT_TRUE(server.Stalling());
    EXPECT_EQ(engine.PollOpen(), OpenStatus::Failed) << "taken once";
    times.Print("stalled stream");

    // The instance carries on with the next file.
    ASSERT_EQ(engine.Create(), kMediaOk);
    EXPECT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), std::nullopt), OpenStatus::Ready);
    EXPECT_TRUE(engine.HasVideo());
}

TEST(SlowSource, AStreamGivenUpForAnotherFileLeavesNothingBehind) {
    test::StallingServer server(60s);
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), kMediaOk);
    engine.BeginOpen(server.Url("never.mp4"), std::nullopt);
    for (int i = 0; i < 200 && server.Connections() == 0; ++i) {
        ASSERT_EQ(engine.PollOpen(), OpenStatus::Pending);
        std::this_thread::sleep_for(10ms);
    }
    // The player's next open: release, create, open another; the stream's late end is not its.
    engine.Release();
    EXPECT_EQ(engine.PollOpen(), OpenStatus::Failed) << "given up";
    ASSERT_EQ(engine.Create(), kMediaOk);
    ASSERT_EQ(test::OpenAndWait(engine, Clip("tone.mp3"), std::nullopt), OpenStatus::Ready);
    test::Ticker ticker(engine);
    ticker.For(300ms);
    EXPECT_EQ(ticker.completions(), 0);
    EXPECT_GT(engine.Duration(), 0);
    EXPECT_FALSE(engine.HasVideo());
}

TEST(SlowSource, AHugeFileOfNothingEndsItsOpenWithoutAnyLongCall) {
    test::TempFolder folder;
    const std::filesystem::path sparse = folder.path() / "sparse.mpg";
    { std::ofstream{sparse}; }
    std::filesystem::resize_file(sparse, std::uintmax_t{2} << 30);
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), kMediaOk);
    CallTimes times;
    times.Time([&] {
        engine.BeginOpen(sparse.string(), std::nullopt);
        return 0;
    });
    OpenStatus status = OpenStatus::Pending;
    while (status == OpenStatus::Pending) {
        ++times.polls;
        status = times.Time([&] { return engine.PollOpen(); });
        std::this_thread::sleep_for(5ms);
    }
    times.Print("2 GiB of nothing");
    EXPECT_NE(status, OpenStatus::Ready);
    ASSERT_EQ(engine.Create(), kMediaOk);
    EXPECT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), std::nullopt), OpenStatus::Ready);
}

}  // namespace
}  // namespace felux
