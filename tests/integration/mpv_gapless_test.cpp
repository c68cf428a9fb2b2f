// Three cuts of one continuous tone, played one after another through the engine into mpv's pcm
// output, must come out as the tone itself: no sample lost or doubled, no silence at the joins.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "MpvTestSupport.h"
#include "TempFolder.h"
#include "ToneJoins.h"

namespace felux {
namespace {

using namespace std::chrono_literals;
using test::CompareWithTone;
using test::ReadWav;
using test::ScopedEnv;
using test::Sound;
using test::TempFolder;

// Lengths no decoder block or output buffer divides, so that a join never falls on a boundary
// the engine could be lucky with.
const std::vector<std::size_t> kCutFrames = {40000, 50001, 42299};

class GaplessTone : public ::testing::Test {
protected:
    void SetUp() override {
        const std::size_t total = std::accumulate(kCutFrames.begin(), kCutFrames.end(), std::size_t{0});
        Ffmpeg("-f lavfi -i sine=frequency=440:sample_rate=44100 -ac 2 -c:a pcm_s16le -af atrim=end_sample=" +
               std::to_string(total) + " '" + Path("tone.wav") + "'");
        std::size_t start = 0;
        for (std::size_t i = 0; i < kCutFrames.size(); ++i) {
            joins_.push_back(start);
            cuts_.push_back(Path("cut" + std::to_string(i) + ".flac"));
            Ffmpeg("-i '" + Path("tone.wav") + "' -af atrim=start_sample=" + std::to_string(start) +
                   ":end_sample=" + std::to_string(start + kCutFrames[i]) + ",asetpts=N/SR/TB '" + cuts_[i] + "'");
            start += kCutFrames[i];
        }
        joins_.erase(joins_.begin());
    }

    std::string Path(const std::string& name) const { return (folder_.path() / name).string(); }
    static void Ffmpeg(const std::string& arguments) {
        ASSERT_EQ(std::system(("ffmpeg -hide_banner -loglevel error -y " + arguments).c_str()), 0)
            << "ffmpeg (scripts/install-deps.sh): " << arguments;
    }
    // What the pcm output wrote, against the tone: exact at full volume.
    void ExpectTheTone(const std::string& played) const {
        std::string why;
        const std::optional<Sound> tone = ReadWav(Path("tone.wav"), why);
        ASSERT_TRUE(tone) << why;
        const std::optional<Sound> output = ReadWav(played, why);
        ASSERT_TRUE(output) << played << ": " << why;
        const test::ToneVerdict verdict = CompareWithTone(*tone, *output, joins_);
        EXPECT_TRUE(verdict.same) << verdict.text;
        EXPECT_NEAR(verdict.gain, 1.0, 1e-4) << "at full volume the samples pass unchanged";
        EXPECT_LE(verdict.largestDifference, 1.0 / 32768.0) << verdict.text;
    }

    TempFolder folder_;
    std::vector<std::string> cuts_;
    std::vector<std::size_t> joins_;
    ScopedEnv ao_{"FELUX_AO", "pcm"};
};

// The player's round for each cut: stop, create, open, run, and name the follower once it
// runs; the next open takes over the follower when mpv went on to it, else loads the file after
// the last one stopped, paused, at its end. The pcm output runs faster than real time, so the
// second join may take either way; the first is prepared before the run and always follows on.
TEST_F(GaplessTone, ThreeCutsPlayAsTheToneWhetherEachFollowsOnOrIsOpenedAtTheEnd) {
    for (const bool prepared : {true, false}) {
        SCOPED_TRACE(prepared ? "followers prepared" : "each cut opened after the last ended");
        const std::string played = Path(prepared ? "prepared.wav" : "opened.wav");
        ScopedEnv file("FELUX_AO_PCM_FILE", played.c_str());
        {
            test::InspectableEngine engine;
            test::Ticker ticker(engine);
            ASSERT_EQ(engine.Create(), MediaResult::Ok);
            engine.MarkInstance();
            for (std::size_t i = 0; i < cuts_.size(); ++i) {
                SCOPED_TRACE(cuts_[i]);
                engine.Stop();
                ASSERT_EQ(engine.Create(), MediaResult::Ok);
                ASSERT_EQ(test::OpenAndWait(engine, cuts_[i], std::nullopt), OpenStatus::Ready);
                if (prepared && i == 1) {
                    EXPECT_EQ(engine.IntProperty("playlist-pos"), 1) << "it followed on";
                }
                const bool last = i + 1 == cuts_.size();
                if (prepared && !last && i == 0) engine.PrepareNext(cuts_[i + 1]);
                engine.Run();
                if (prepared && !last && i > 0) engine.PrepareNext(cuts_[i + 1]);
                ASSERT_TRUE(ticker.Until([&] { return ticker.completions() > static_cast<int>(i); }, 10s));
                EXPECT_FALSE(engine.CompletedOnError());
            }
            EXPECT_TRUE(engine.SameInstance()) << "one output for all three";
        }
        ExpectTheTone(played);
    }
}

// The comparison itself: a lost, a doubled or a silent stretch of a single frame at a join is
// caught; a lower level alone is not a fault.
TEST(ToneJoins, ASingleFrameLostDoubledOrSilencedAtAJoinIsCaughtAndALevelIsNot) {
    Sound tone{2, 44100, {}};
    for (int i = 0; i < 44100; ++i) {
        const double s = 0.125 * std::sin(2 * M_PI * 440 * i / 44100.0);
        tone.samples.insert(tone.samples.end(), {s, s});
    }
    const std::size_t join = 20011;
    auto altered = [&](auto change) {
        Sound copy = tone;
        change(copy.samples, copy.samples.begin() + static_cast<std::ptrdiff_t>(2 * join));
        return test::CompareWithTone(tone, copy, {join});
    };
    using Samples = std::vector<double>;
    using At = Samples::iterator;
    const auto lost = altered([](Samples& s, At at) { s.erase(at, at + 2); });
    EXPECT_FALSE(lost.same) << lost.text;
    EXPECT_NE(lost.text.find("0 after the join at 20011"), std::string::npos) << lost.text;
    const auto doubled = altered([](Samples& s, At at) { s.insert(at, {*(at - 2), *(at - 1)}); });
    EXPECT_FALSE(doubled.same) << doubled.text;
    // Silence in place of one frame keeps the count: only the wave shows it.
    const auto silenced = altered([](Samples&, At at) { at[0] = at[1] = 0; });
    EXPECT_FALSE(silenced.same) << silenced.text;
    const auto quieter = altered([](Samples& s, At) {
        for (double& v : s) v = std::round(v * 0.5 * 32768.0) / 32768.0;
    });
    EXPECT_TRUE(quieter.same) << quieter.text;
    EXPECT_NEAR(quieter.gain, 0.5, 1e-3);
    const auto silent = altered([](Samples& s, At) { std::fill(s.begin(), s.end(), 0.0); });
    EXPECT_FALSE(silent.same) << "silence is no tone at any level";
}

}  // namespace
}  // namespace felux
