// The wave-out port on mpv's ao-volume: the value is kept while no audio output exists.
#include <gtest/gtest.h>

#include "MpvTestSupport.h"
#include "mpv/MpvSystemVolume.h"

namespace felux {
namespace {

using namespace std::chrono_literals;

TEST(MpvSystemVolume, KeepsTheValueWhileNoOutputCanTakeIt) {
    test::InspectableEngine engine;
    MpvSystemVolume system(engine);
    EXPECT_EQ(system.GetWaveOutVolume(), std::nullopt) << "unknown before anything was set or reported";
    system.SetWaveOutVolume(0x40003FFFu);
    EXPECT_EQ(system.GetWaveOutVolume(), 0x40003FFFu) << "read back unchanged, both channels as given";

    // The null output has no mixer: the value survives instances coming and going.
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, test::Clip("tone.mp3"), std::nullopt), OpenStatus::Ready);
    test::Ticker ticker(engine);
    engine.Run();
    ticker.For(200ms);
    EXPECT_EQ(system.GetWaveOutVolume(), 0x40003FFFu);
    system.SetWaveOutVolume(0x10001000u);
    ticker.For(100ms);
    engine.Release();
    EXPECT_EQ(system.GetWaveOutVolume(), 0x10001000u);
    EXPECT_FALSE(engine.OutputVolume());
}

}  // namespace
}  // namespace felux
