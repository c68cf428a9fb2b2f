// MpvEngine on real libmpv (no picture, no sound): opening, facts, playing, seeking, bad files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <string>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "MpvTestSupport.h"
#include "mpv/MpvInstance.h"
#include "mpv/MpvNames.h"
#include "mpv/SoundStreamName.h"
#include "TempFolder.h"

namespace felux {
namespace {

using namespace std::chrono_literals;
using test::Clip;
using test::InSeconds;
using test::InspectableEngine;
using test::ScopedEnv;
using test::Seconds;
using test::Ticker;

constexpr auto kLongEnough = 10s;

TEST(MpvEngine, VideoWithSoundReportsItsShape) {
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), std::nullopt), OpenStatus::Ready);
    EXPECT_TRUE(engine.HasVideo());
    EXPECT_EQ(engine.NativeSize().width, 64);
    EXPECT_EQ(engine.NativeSize().height, 48);
    EXPECT_GT(engine.Duration(), Seconds(1.7));
    EXPECT_LT(engine.Duration(), Seconds(2.2));
    ASSERT_GT(engine.FrameCount(), 0);
    // 25 frames a second: the player's time per frame.
    EXPECT_NEAR(InSeconds(engine.Duration() / engine.FrameCount()), 0.04, 0.0008);
    EXPECT_LT(engine.Position(), Seconds(0.1)) << "at the start";
    EXPECT_EQ(engine.StringProperty(mpv::kPropPause), "yes") << "a file opens paused";
}

TEST(MpvEngine, APictureIsSizedAsShownAndDecodedWhereTheSettingSays) {
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    EXPECT_EQ(engine.StringProperty(mpv::kOptHwdec), mpv::HardwareDecodingValue(true))
        << "the graphics chip where it is safe and there is one";
    // Stored 96x32 with a quarter turn, as a phone records upright: shown 32x96.
    ASSERT_EQ(test::OpenAndWait(engine, Clip("rotated.mp4"), std::nullopt), OpenStatus::Ready);
    EXPECT_EQ(engine.NativeSize().width, 32);
    EXPECT_EQ(engine.NativeSize().height, 96);
    // 64x48 stored with pixels twice as wide as high: shown 128x48.
    engine.SetHardwareDecoding(false);
    Ticker ticker(engine);
    EXPECT_TRUE(ticker.Until([&] { return engine.StringProperty(mpv::kOptHwdec) == mpv::kNo; }, kLongEnough))
        << "the open file changes over";
    ASSERT_EQ(test::OpenAndWait(engine, Clip("widepixels.mp4"), std::nullopt), OpenStatus::Ready);
    EXPECT_EQ(engine.NativeSize().width, 128);
    EXPECT_EQ(engine.NativeSize().height, 48);

    // The choice holds for a new instance too.
    InspectableEngine later;
    later.SetHardwareDecoding(false);
    ASSERT_EQ(later.Create(), MediaResult::Ok);
    EXPECT_EQ(later.StringProperty(mpv::kOptHwdec), mpv::kNo);
}

TEST(MpvEngine, AudioFilesHaveNoVideoEvenWithCoverArt) {
    for (const char* name : {"tone.mp3", "cover.mp3"}) {
        SCOPED_TRACE(name);
        InspectableEngine engine;
        ASSERT_EQ(engine.Create(), MediaResult::Ok);
        ASSERT_EQ(test::OpenAndWait(engine, Clip(name), std::nullopt), OpenStatus::Ready);
        EXPECT_FALSE(engine.HasVideo());
        EXPECT_EQ(engine.FrameCount(), 0);
        EXPECT_EQ(engine.NativeSize().width, 0);
        EXPECT_EQ(engine.NativeSize().height, 0);
        EXPECT_GT(engine.Duration(), Seconds(1.8));
        engine.SetSourceRect(SourceRect{0, 0, 8, 8});  // ignored without a picture
        Ticker ticker(engine);
        ticker.For(200ms);
    }
}

TEST(MpvEngine, EndOfStreamIsReportedOnceAfterRunning) {
    for (const char* name : {"clip.mpg", "tone.mp3"}) {
        SCOPED_TRACE(name);
        InspectableEngine engine;
        ASSERT_EQ(engine.Create(), MediaResult::Ok);
        ASSERT_EQ(test::OpenAndWait(engine, Clip(name), std::nullopt), OpenStatus::Ready);
        Ticker ticker(engine);
        ticker.For(300ms);
        EXPECT_EQ(ticker.completions(), 0) << "paused files do not end";
        EXPECT_EQ(engine.Run(), MediaResult::Ok);
        ASSERT_TRUE(ticker.Until([&] { return ticker.completions() > 0; }, kLongEnough));
        EXPECT_EQ(engine.Position(), engine.Duration()) << "the end reads as the end, not as 0";
        EXPECT_FALSE(engine.CompletedOnError());
        ticker.For(200ms);
        EXPECT_EQ(ticker.completions(), 1);
    }
}

// The bench reads the engine's counters through a script, as it does the mpv program's; without
// the variable no script runs.
TEST(MpvEngine, AScriptNamedInTheEnvironmentRunsBesideTheEngineAndSeesItsFiles) {
    test::TempFolder dir;
    const auto seen = dir.path() / "seen.txt";
    const auto script = dir.Write("note.lua", "mp.register_event('file-loaded', function()\n"
                                              "  local out = io.open('" + seen.string() + "', 'a')\n"
                                              "  out:write(mp.get_property('filename'), '\\n')\n"
                                              "  out:close()\n"
                                              "end)\n");
    {
        ScopedEnv named("FELUX_MPV_SCRIPT", script.c_str());
        InspectableEngine engine;
        ASSERT_EQ(engine.Create(), MediaResult::Ok);
        ASSERT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), std::nullopt), OpenStatus::Ready);
        Ticker ticker(engine);
        EXPECT_TRUE(ticker.Until([&] { return dir.Read("seen.txt") == "clip.mpg\n"; }, kLongEnough))
            << "the script saw: " << dir.Read("seen.txt");
    }
    ::unsetenv("FELUX_MPV_SCRIPT");
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Clip("tone.mp3"), std::nullopt), OpenStatus::Ready);
    Ticker ticker(engine);
    ticker.For(500ms);
    EXPECT_EQ(dir.Read("seen.txt"), "clip.mpg\n");
}

TEST(MpvEngine, WithoutAWorkingSoundOutputFilesPlaySilentlyAndSaySoOnce) {
    // No jack server runs here: the output fails to open, and mpv falls back to the null output.
    // (Where one runs, the files simply play with sound and nothing is said.)
    ScopedEnv ao("FELUX_AO", "jack");
    ScopedEnv noServer("JACK_NO_START_SERVER", "1");
    std::vector<std::string> notices;
    InspectableEngine engine({}, [&](const std::string& text) { notices.push_back(text); });
    for (const std::string name : {"tone.mp3", "clip.mpg", "tone.mp3"}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(engine.Create(), MediaResult::Ok);
        ASSERT_EQ(test::OpenAndWait(engine, Clip(name), std::nullopt), OpenStatus::Ready);
        Ticker ticker(engine);
        engine.Run();
        ASSERT_TRUE(ticker.Until([&] { return ticker.completions() > 0; }, kLongEnough)) << "never stuck";
        EXPECT_FALSE(engine.CompletedOnError()) << "played to its end";
    }
    if (notices.empty()) GTEST_SKIP() << "a jack server took the sound";
    EXPECT_EQ(notices.size(), 1u) << "later files go straight to the null output";
    EXPECT_EQ(engine.StringProperty("ao").value_or(""), "null");
}

TEST(MpvEngine, TheSoundNamesItselfInTheDesktopMixerAsAMovieOrMusic) {
    ::unsetenv("PULSE_PROP");
    ::unsetenv("PIPEWIRE_PROPS");
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "(unset)");
    };
    // Named once at start, from the first file: a sound file is music.
    NameSoundStream(SoundRoleOf(Clip("tone.mp3")));
    EXPECT_EQ(variable("PULSE_PROP"), R"(media.role="music" application.icon_name="felux")");
    EXPECT_EQ(variable("PIPEWIRE_PROPS"), R"({ application.icon-name = "felux" })") << "PipeWire takes the engine's role";
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    EXPECT_EQ(engine.StringProperty(mpv::kOptAudioClientName), "FELUX");
    ::unsetenv("PULSE_PROP");
    ::unsetenv("PIPEWIRE_PROPS");

    // What the user set themselves stays theirs; a video is a movie.
    ::setenv("PIPEWIRE_PROPS", "{ media.role = Game }", 1);
    NameSoundStream(SoundRoleOf(Clip("clip.mpg")));
    EXPECT_EQ(variable("PULSE_PROP"), R"(media.role="video" application.icon_name="felux")");
    EXPECT_EQ(variable("PIPEWIRE_PROPS"), "{ media.role = Game }");
    ::unsetenv("PULSE_PROP");
    ::unsetenv("PIPEWIRE_PROPS");
}

TEST(MpvEngine, SeekReadsBackItsTargetUntilDoneThenTheRealPosition) {
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), std::nullopt), OpenStatus::Ready);
    Ticker ticker(engine);

    engine.Seek(Seconds(1.2));
    EXPECT_EQ(engine.Position(), Seconds(1.2)) << "a forward seek reads as forward at once";
    ticker.For(300ms);
    EXPECT_NEAR(InSeconds(engine.Position()), 1.2, 0.1);

    engine.Seek(Seconds(0.4));
    EXPECT_EQ(engine.Position(), Seconds(0.4));
    ticker.For(300ms);
    EXPECT_NEAR(InSeconds(engine.Position()), 0.4, 0.1);

    // Once the seek is done the position is mpv's again: it moves on when running.
    engine.Run();
    EXPECT_TRUE(ticker.Until([&] { return engine.Position() > Seconds(0.7); }, kLongEnough));
    engine.Pause();

    // A burst of seeks, as a held search key makes: never reads back an earlier target.
    engine.Seek(Seconds(0.2));
    engine.Seek(Seconds(0.9));
    engine.Seek(Seconds(1.5));
    MediaTime lowest = engine.Position();
    for (int i = 0; i < 10; ++i) {
        ticker.Tick();
        lowest = std::min(lowest, engine.Position());
    }
    EXPECT_GT(lowest, Seconds(1.0));
    // mpv's own report after a seek in a program stream may land a few frames short.
    EXPECT_NEAR(InSeconds(engine.Position()), 1.5, 0.25);
    EXPECT_EQ(ticker.completions(), 0);
}

TEST(MpvEngine, StopPausesAtTheStartAndKeepsTheFile) {
    InspectableEngine engine;
    ASSERT_EQ(engine.Stop(), MediaResult::Ok) << "nothing created: nothing to stop";
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(engine.Stop(), MediaResult::Ok) << "nothing rendered: nothing to stop";
    ASSERT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), std::nullopt), OpenStatus::Ready);
    Ticker ticker(engine);
    engine.Run();
    ASSERT_TRUE(ticker.Until([&] { return engine.Position() > Seconds(0.3); }, kLongEnough));
    EXPECT_EQ(engine.Stop(), MediaResult::Ok);
    EXPECT_EQ(engine.Position(), MediaTime{});
    ticker.For(400ms);
    EXPECT_LT(engine.Position(), Seconds(0.1)) << "stopped means paused";
    EXPECT_EQ(engine.StringProperty(mpv::kPropPause), "yes");
    engine.Run();
    EXPECT_TRUE(ticker.Until([&] { return ticker.completions() > 0; }, kLongEnough)) << "plays again to the end";
}

TEST(MpvEngine, DoubleRatePlaysFaster) {
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Clip("tone.mp3"), std::nullopt), OpenStatus::Ready);
    engine.SetRate(2.0);
    engine.SetRate(-1.0);  // refused, not passed on
    engine.SetRate(std::nan(""));
    Ticker ticker(engine);
    engine.Run();
    ASSERT_TRUE(ticker.Until([&] { return engine.Position() > Seconds(0.1); }, kLongEnough));
    const MediaTime from = engine.Position();
    const auto start = std::chrono::steady_clock::now();
    ticker.For(500ms);
    const MediaTime to = engine.Position();
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double speed = InSeconds(to - from) / wall;
    EXPECT_GT(speed, 1.4);
    EXPECT_LT(speed, 3.0);
    EXPECT_EQ(engine.DoubleProperty(mpv::kPropSpeed), 2.0);
}

TEST(MpvEngine, CompanionAudioIsPlayedWithTheVideo) {
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), Clip("clip.wav")), OpenStatus::Ready);
    EXPECT_TRUE(engine.HasVideo());
    int audioTracks = 0;
    const auto count = engine.IntProperty("track-list/count").value_or(0);
    for (std::int64_t i = 0; i < count; ++i) {
        const std::string track = "track-list/" + std::to_string(i) + "/";
        if (engine.StringProperty((track + "type").c_str()) != "audio") continue;
        ++audioTracks;
        if (engine.StringProperty((track + "external").c_str()) == "yes") {
            EXPECT_EQ(engine.StringProperty((track + "selected").c_str()), "yes") << "the companion is heard";
        }
    }
    EXPECT_EQ(audioTracks, 2);
    Ticker ticker(engine);
    engine.Run();
    EXPECT_TRUE(ticker.Until([&] { return ticker.completions() > 0; }, kLongEnough));

    // A companion that cannot be opened leaves the video playing alone.
    for (const std::string& bad : std::vector<std::string>{Clip("missing.wav"), Clip("empty.mpg"), std::string(FELUX_TEST_DATA_DIR)}) {
        SCOPED_TRACE(bad);
        ASSERT_EQ(engine.Create(), MediaResult::Ok);
        ASSERT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), bad), OpenStatus::Ready);
        EXPECT_TRUE(engine.HasVideo());
    }
}

// Lyrics, sound and pictures named like the clip: the player's own timed text stays out of the
// picture, and the companion audio is its own choice. Subtitle files of the clip's name are its
// subtitle tracks.
TEST(MpvEngine, FilesBesideTheClipAreNotLoadedByTheEngine) {
    test::TempFolder dir;
    const auto clip = dir.path() / "song.mpg";
    std::filesystem::copy_file(Clip("clip.mpg"), clip);
    std::filesystem::copy_file(Clip("clip.wav"), dir.path() / "song.wav");
    std::filesystem::copy_file(Clip("clip.wav"), dir.path() / "song.mka");
    for (const char* text : {"song.lrc", "song.txt", "song.srt", "song.ass", "song.en.srt"}) {
        std::ofstream(dir.path() / text) << "[00:00.00]First <00:00.50>line\n1\n00:00:00,000 --> 00:00:02,000\nText\n";
    }
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, clip.string(), std::nullopt), OpenStatus::Ready);
    const auto count = engine.IntProperty("track-list/count").value_or(-1);
    std::vector<std::string> subtitles;
    for (std::int64_t i = 0; i < count; ++i) {
        const std::string track = "track-list/" + std::to_string(i) + "/";
        const auto type = engine.StringProperty((track + "type").c_str());
        if (type == "sub")
            subtitles.push_back(engine.StringProperty((track + "title").c_str()).value_or(""));
        else
            EXPECT_NE(engine.StringProperty((track + "external").c_str()), "yes") << "track " << i;
    }
    EXPECT_EQ(count, 5) << "the clip's own video and audio, and three subtitle files";
    EXPECT_EQ(subtitles, (std::vector<std::string>{"song.ass", "song.srt", "song.en.srt"}));
}

TEST(MpvEngine, BadFilesFailWithinTheBoundAndLeaveTheEngineUsable) {
    test::TempFolder dir;
    const auto fifo = dir.path() / "pipe.mpg";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const auto locked = dir.Write("locked.mpg", "x");
    std::filesystem::copy_file(Clip("clip.mpg"), dir.path() / "inside.mpg");
    std::vector<std::string> bad = {Clip("empty.mpg"), Clip("text.mpg"), dir.path().string(), fifo.string(),
                                    Clip("missing.mpg"), ""};
    if (geteuid() != 0) {  // root reads files whatever their mode
        std::filesystem::copy_file(Clip("clip.mpg"), locked, std::filesystem::copy_options::overwrite_existing);
        ASSERT_EQ(chmod(locked.c_str(), 0), 0);
        bad.push_back(locked.string());
    }
    InspectableEngine engine;
    for (const std::string& path : bad) {
        SCOPED_TRACE(path);
        ASSERT_EQ(engine.Create(), MediaResult::Ok);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_NE(test::OpenAndWait(engine, path, std::nullopt), OpenStatus::Ready);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 7s);
        EXPECT_FALSE(engine.HasVideo());
        EXPECT_EQ(engine.Duration(), MediaTime{});
        EXPECT_EQ(engine.Run(), MediaResult::Ok);
        engine.Seek(Seconds(1));
        EXPECT_EQ(engine.Position(), MediaTime{}) << "nothing open, nothing to seek";
        Ticker ticker(engine);
        ticker.For(200ms);
        EXPECT_EQ(ticker.completions(), 0) << "a file that never opened does not end";
        engine.Release();
        EXPECT_TRUE(engine.Alive()) << "a failed open does not cost the instance";
    }

    // A cut-off MP3 may open; then it plays to an end and does not hang.
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    if (test::OpenAndWait(engine, Clip("truncated.mp3"), std::nullopt) == OpenStatus::Ready) {
        Ticker ticker(engine);
        engine.Run();
        EXPECT_TRUE(ticker.Until([&] { return ticker.completions() > 0; }, kLongEnough));
    }

    // Afterwards the same engine opens a good file.
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    EXPECT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), std::nullopt), OpenStatus::Ready);
    EXPECT_TRUE(engine.HasVideo());
}

TEST(MpvEngine, CallsWithoutAnInstanceAreHarmless) {
    InspectableEngine engine;
    engine.Release();
    engine.Release();
    EXPECT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), std::nullopt), OpenStatus::Failed);
    EXPECT_EQ(engine.Run(), MediaResult::Ok);
    EXPECT_EQ(engine.Pause(), MediaResult::Ok);
    engine.Seek(Seconds(1));
    engine.SetRate(2.0);
    engine.SetVolume(82.5);
    engine.SetSourceRect(SourceRect{0, 0, 10, 10});
    EXPECT_FALSE(engine.TakeCompletion());
    EXPECT_EQ(engine.Position(), MediaTime{});

    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), std::nullopt), OpenStatus::Ready);
    engine.Release();
    engine.Release();
    EXPECT_FALSE(engine.HasVideo()) << "nothing of the released file survives";
    EXPECT_EQ(engine.FrameCount(), 0);
}

TEST(MpvEngine, CreateStartsAFreshInstance) {
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), std::nullopt), OpenStatus::Ready);
    engine.SetRate(2.0);
    engine.SetVolume(31.6);
    engine.Seek(Seconds(1));
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    EXPECT_EQ(engine.Position(), MediaTime{});
    EXPECT_EQ(engine.Duration(), MediaTime{});
    EXPECT_FALSE(engine.HasVideo());
    // The instance carries on; what the last file changed is put back before the next opens.
    Ticker ticker(engine);
    EXPECT_TRUE(ticker.Until([&] { return engine.DoubleProperty(mpv::kPropSpeed) == 1.0; }, kLongEnough));
    EXPECT_TRUE(ticker.Until([&] { return engine.DoubleProperty(mpv::kPropVolume) == 100.0; }, kLongEnough));
    // The last file waits, paused, for the next load to replace it without going idle between.
    EXPECT_TRUE(ticker.Until([&] { return engine.StringProperty("pause") == "yes"; }, kLongEnough));
    EXPECT_NE(test::OpenAndWait(engine, Clip("no such file.mpg"), std::nullopt), OpenStatus::Ready);
    EXPECT_TRUE(ticker.Until([&] { return !engine.StringProperty("path"); }, kLongEnough))
        << "an open that loads nothing unloads it";
}

TEST(MpvEngine, OpeningAgainWithoutCreateForgetsTheFirstFile) {
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), std::nullopt), OpenStatus::Ready);
    ASSERT_EQ(test::OpenAndWait(engine, Clip("tone.mp3"), std::nullopt), OpenStatus::Ready);
    EXPECT_FALSE(engine.HasVideo());
    EXPECT_EQ(engine.NativeSize().width, 0);
    EXPECT_EQ(engine.FrameCount(), 0);
    EXPECT_NE(test::OpenAndWait(engine, Clip("text.mpg"), std::nullopt), OpenStatus::Ready);
    EXPECT_EQ(engine.Duration(), MediaTime{});
    Ticker ticker(engine);
    ticker.For(200ms);
    EXPECT_EQ(ticker.completions(), 0) << "the replaced file did not end";
}

TEST(MpvEngine, EachInstanceAsksForThePictureWindowAgain) {
    std::optional<std::int64_t> window = 0x3a00007;
    int asked = 0;
    InspectableEngine engine([&] {
        ++asked;
        return window;
    });
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    EXPECT_EQ(engine.IntProperty(mpv::kOptWid), 0x3a00007);
    window = 0x3c00002;  // the widget was recreated meanwhile
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    EXPECT_EQ(engine.IntProperty(mpv::kOptWid), 0x3c00002);
    window.reset();
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    EXPECT_EQ(engine.IntProperty(mpv::kOptWid), -1) << "no window yet: mpv's own choice";
    EXPECT_EQ(asked, 3);
}

// Built before the picture window exists, the instance gets the window when the first Create
// takes it; an instance built for other outputs is not taken, and none is taken twice.
TEST(MpvEngine, TheFirstCreateTakesTheInstanceBuiltAheadOnlyWhenItFits) {
    InspectableEngine engine([] { return std::optional<std::int64_t>(0x3a00007); });
    engine.UseInstanceAhead(std::make_unique<mpv::InstanceAhead>(mpv::InstanceSetup{}));
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    EXPECT_EQ(engine.IntProperty(mpv::kOptWid), 0x3a00007);
    EXPECT_EQ(engine.StringProperty(mpv::kPropPause), "yes");
    ASSERT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), std::nullopt), OpenStatus::Ready);

    mpv::InstanceAhead ahead(mpv::InstanceSetup{});
    mpv_handle* taken = ahead.Take({std::nullopt, false, true, ReplayGain::Off});
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(ahead.Take({std::nullopt, false, true, ReplayGain::Off}), nullptr);
    mpv_terminate_destroy(taken);
    for (const mpv::InstanceSetup other : {mpv::InstanceSetup{std::nullopt, true, true, ReplayGain::Off},
                                           mpv::InstanceSetup{std::nullopt, false, false, ReplayGain::Off},
                                           mpv::InstanceSetup{std::nullopt, false, true, ReplayGain::Album}}) {
        mpv::InstanceAhead unfit(mpv::InstanceSetup{});
        EXPECT_EQ(unfit.Take(other), nullptr);
    }
    // One never taken goes down with its holder.
    mpv::InstanceAhead untouched(mpv::InstanceSetup{});
}

TEST(MpvEngine, VolumeAndSourceRectangleReachTheInstance) {
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Clip("clip.mpg"), std::nullopt), OpenStatus::Ready);
    Ticker ticker(engine);
    auto settles = [&](const char* name, double want) {
        return ticker.Until(
            [&] {
                const auto got = engine.DoubleProperty(name);
                return got && std::fabs(*got - want) < 1e-3;  // mpv keeps some as float
            },
            2s);
    };
    engine.SetVolume(0.0);
    EXPECT_TRUE(settles(mpv::kPropVolume, 0.0));
    engine.SetVolume(46.4);
    EXPECT_TRUE(settles(mpv::kPropVolume, 46.4));
    engine.SetVolume(100.0);
    EXPECT_TRUE(settles(mpv::kPropVolume, 100.0));
    // Outside the scale it is held to its ends: mpv would amplify past 100.
    engine.SetVolume(-5.0);
    EXPECT_TRUE(settles(mpv::kPropVolume, 0.0));
    engine.SetVolume(250.0);
    EXPECT_TRUE(settles(mpv::kPropVolume, 100.0));
    engine.SetVolume(std::nan(""));
    EXPECT_TRUE(settles(mpv::kPropVolume, 0.0));

    engine.SetSourceRect(SourceRect{0, 0, 32, 24});
    EXPECT_TRUE(settles(mpv::kPropVideoScaleX, 2.0));
    EXPECT_TRUE(settles(mpv::kPropVideoScaleY, 2.0));
    EXPECT_TRUE(settles(mpv::kPropVideoPanX, 0.25));
    EXPECT_TRUE(settles(mpv::kPropVideoPanY, 0.25));
    engine.SetSourceRect(std::nullopt);
    EXPECT_TRUE(settles(mpv::kPropVideoScaleX, 1.0));
    EXPECT_TRUE(settles(mpv::kPropVideoPanY, 0.0));
}

}  // namespace
}  // namespace felux
