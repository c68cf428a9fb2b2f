// MpvEngine on real libmpv playing one file after another as the player does: one instance for all.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>

#include "MpvTestSupport.h"

namespace felux {
namespace {

using namespace std::chrono_literals;
using test::Clip;
using test::InspectableEngine;
using test::Ticker;

constexpr auto kLongEnough = 10s;

struct Entry {
    const char* name;
    bool opens;
    bool video;
    VideoSize size;
};

// The player's round for each entry: release the last file, create, open, run, wait for the end.
TEST(MpvEngineList, AListPlaysThroughOnOneInstanceAndAFailedOpenDoesNotSpoilIt) {
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    engine.MarkInstance();
    const Entry list[] = {{"clip.mpg", true, true, {64, 48}},
                          {"text.mpg", false, false, {}},
                          {"tone.mp3", true, false, {}},
                          {"wide.mpg", true, true, {96, 32}}};
    for (const Entry& entry : list) {
        SCOPED_TRACE(entry.name);
        engine.Release();
        ASSERT_EQ(engine.Create(), MediaResult::Ok);
        Ticker ticker(engine);
        if (!entry.opens) {
            EXPECT_NE(test::OpenAndWait(engine, Clip(entry.name), std::nullopt), OpenStatus::Ready);
            ticker.For(200ms);
            EXPECT_EQ(ticker.completions(), 0) << "a file that never opened does not end";
            continue;
        }
        ASSERT_EQ(test::OpenAndWait(engine, Clip(entry.name), std::nullopt), OpenStatus::Ready);
        EXPECT_EQ(engine.HasVideo(), entry.video);
        EXPECT_EQ(engine.NativeSize().width, entry.size.width);
        EXPECT_EQ(engine.NativeSize().height, entry.size.height);
        EXPECT_LT(engine.Position(), test::Seconds(0.1)) << "each file starts at its start";
        EXPECT_EQ(engine.StringProperty("pause"), "yes") << "and opens paused";
        engine.Run();
        ASSERT_TRUE(ticker.Until([&] { return ticker.completions() > 0; }, kLongEnough));
        EXPECT_FALSE(engine.CompletedOnError());
        EXPECT_EQ(engine.Position(), engine.Duration());
        ticker.For(120ms);
        EXPECT_EQ(ticker.completions(), 1) << "one end per file";
    }
    EXPECT_TRUE(engine.SameInstance()) << "no file built an instance of its own";
}

TEST(MpvEngineList, TheCompanionOfOneFileIsNotHeardWithTheNext) {
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), Clip("clip.wav")), OpenStatus::Ready);
    EXPECT_EQ(engine.StringProperty("current-tracks/audio/external"), "yes");
    engine.SetRate(2.0);
    engine.SetSourceRect(SourceRect{0, 0, 32, 24});
    engine.MarkInstance();

    engine.Release();
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), std::nullopt), OpenStatus::Ready);
    EXPECT_TRUE(engine.SameInstance());
    EXPECT_EQ(engine.IntProperty("track-list/count"), 2) << "the file's own video and sound, nothing more";
    EXPECT_EQ(engine.StringProperty("current-tracks/audio/external"), "no") << "its own sound is heard";
    EXPECT_EQ(engine.DoubleProperty("speed"), 1.0);
    EXPECT_EQ(engine.DoubleProperty("video-scale-x"), 1.0) << "the last file's crop is gone";
    EXPECT_EQ(engine.DoubleProperty("video-pan-x"), 0.0);
}

// Two sound files of one format, the second prepared while the first plays: the player sees the
// first end and opens the second as always, and the second has been playing since that end.
TEST(MpvEngineList, APreparedSoundFileFollowsOnWithoutAGapAndAForgottenOneStops) {
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    engine.MarkInstance();
    ASSERT_EQ(test::OpenAndWait(engine, Clip("tone.mp3"), std::nullopt), OpenStatus::Ready);
    engine.Run();
    engine.PrepareNext(Clip("clip.wav"));
    Ticker ticker(engine);
    ASSERT_TRUE(ticker.Until([&] { return ticker.completions() > 0; }, kLongEnough));
    EXPECT_FALSE(engine.CompletedOnError());

    // The player's round for the next entry, a tick after the end it saw.
    engine.Stop();
    engine.Release();
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Clip("clip.wav"), std::nullopt), OpenStatus::Ready);
    EXPECT_TRUE(engine.SameInstance());
    EXPECT_FALSE(engine.HasVideo());
    EXPECT_EQ(engine.Duration(), test::Seconds(2.0));
    EXPECT_EQ(engine.IntProperty("playlist-pos"), 1) << "the prepared entry itself, not a new load";
    EXPECT_EQ(engine.StringProperty("pause"), "no") << "it never waited for its open";
    // Its clock runs on its own, from behind the last of the first file's sound still queued.
    const double openedAt = engine.DoubleProperty("time-pos").value_or(100);
    ticker.For(400ms);
    EXPECT_GT(engine.DoubleProperty("time-pos").value_or(0), openedAt + 0.2);
    engine.Run();
    ASSERT_TRUE(ticker.Until([&] { return ticker.completions() > 1; }, kLongEnough));
    EXPECT_EQ(engine.Position(), engine.Duration());

    // Prepared again, and the list stops instead at the end: forgotten, it does not play on.
    ASSERT_EQ(test::OpenAndWait(engine, Clip("tone.mp3"), std::nullopt), OpenStatus::Ready);
    engine.Run();
    engine.PrepareNext(Clip("clip.wav"));
    ASSERT_TRUE(ticker.Until([&] { return ticker.completions() > 2; }, kLongEnough));
    engine.PrepareNext(std::nullopt);
    engine.Stop();
    engine.Release();
    ASSERT_TRUE(ticker.Until([&] { return engine.StringProperty("idle-active") == "yes"; }, kLongEnough))
        << "nothing is left playing";
    EXPECT_EQ(engine.IntProperty("playlist-count"), 0);
}

// Where the list goes changed while the first file played: the file prepared first is forgotten
// and another prepared in its place; the other follows on, and the first never plays.
TEST(MpvEngineList, AForgottenFollowerGivesWayToTheOnePreparedAfterIt) {
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Clip("tone.mp3"), std::nullopt), OpenStatus::Ready);
    engine.Run();
    engine.PrepareNext(Clip("clip.wav"));
    Ticker ticker(engine);
    ticker.For(100ms);
    engine.PrepareNext(std::nullopt);
    engine.PrepareNext(Clip("cover.mp3"));
    ASSERT_TRUE(ticker.Until([&] { return ticker.completions() > 0; }, kLongEnough));

    engine.Stop();
    engine.Release();
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Clip("cover.mp3"), std::nullopt), OpenStatus::Ready);
    EXPECT_EQ(engine.IntProperty("playlist-count"), 2) << "the forgotten file left the list";
    EXPECT_EQ(engine.IntProperty("playlist-pos"), 1) << "the replacement itself, not a new load";
    EXPECT_EQ(engine.StringProperty("pause"), "no") << "it followed on";
}

// The first file, loaded while the program starts: the player's first open finds it loading or
// loaded, paused, and takes it over; an open of another file, or with a companion, replaces it.
TEST(MpvEngineList, TheFirstFileLoadedAheadIsTakenOverByItsOpenAndReplacedByAnother) {
    // Taken over while still loading, and after the ticks have seen it loaded.
    for (const bool drainedFirst : {false, true}) {
        SCOPED_TRACE(drainedFirst ? "loaded before the open" : "still loading at the open");
        InspectableEngine engine;
        engine.Preload(Clip("clip.mpg"));
        ASSERT_TRUE(engine.Alive());
        engine.MarkInstance();
        Ticker ticker(engine);
        if (drainedFirst) ticker.For(400ms);
        // The player's first round: it forgets what it prepared (nothing), creates, opens.
        engine.PrepareNext(std::nullopt);
        ASSERT_EQ(engine.Create(), MediaResult::Ok);
        ASSERT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), std::nullopt), OpenStatus::Ready);
        EXPECT_TRUE(engine.SameInstance());
        EXPECT_EQ(engine.IntProperty("playlist/0/id"), 1) << "the instance's first load, not a second one";
        EXPECT_EQ(engine.IntProperty("playlist-count"), 1);
        EXPECT_EQ(engine.NativeSize().width, 64);
        EXPECT_GT(engine.Duration(), test::Seconds(1.7)) << "the duration once the first frame is decoded";
        EXPECT_LT(engine.Position(), test::Seconds(0.1));
        EXPECT_EQ(engine.StringProperty("pause"), "yes") << "nothing played before the player said so";
        engine.Run();
        ASSERT_TRUE(ticker.Until([&] { return ticker.completions() > 0; }, kLongEnough));
        EXPECT_EQ(engine.Position(), engine.Duration());
    }

    InspectableEngine engine;
    engine.Preload(Clip("clip.mpg"));
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Clip("wide.mpg"), std::nullopt), OpenStatus::Ready);
    EXPECT_EQ(engine.NativeSize().width, 96) << "the file asked for, not the one guessed";
    EXPECT_EQ(engine.IntProperty("playlist-count"), 1);

    InspectableEngine withCompanion;
    withCompanion.Preload(Clip("clip.mpg"));
    ASSERT_EQ(withCompanion.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(withCompanion, Clip("clip.mpg"), Clip("clip.wav")), OpenStatus::Ready);
    EXPECT_EQ(withCompanion.StringProperty("current-tracks/audio/external"), "yes");

    // A guess that cannot load leaves a working instance.
    InspectableEngine missing;
    missing.Preload(Clip("no such file.mpg"));
    ASSERT_EQ(missing.Create(), MediaResult::Ok);
    EXPECT_NE(test::OpenAndWait(missing, Clip("no such file.mpg"), std::nullopt), OpenStatus::Ready);
    ASSERT_EQ(test::OpenAndWait(missing, Clip("clip.mpg"), std::nullopt), OpenStatus::Ready);
    EXPECT_TRUE(missing.HasVideo());
}

}  // namespace
}  // namespace felux
