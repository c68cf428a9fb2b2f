// A simulated day of 40 ms ticks on the fakes with random keys, clicks and notches; prints the
// heap in use each simulated hour and fails when it keeps growing.
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "PlayerHarness.h"
#include "platform/Keys.h"

namespace {

constexpr felux::MediaTime kSecond = std::chrono::seconds(1);

constexpr int kTicksPerHour = 60 * 60 * 25;
constexpr felux::MediaTime kTick = kSecond / 25;
// Heap growth allowed between the second hour and the last: caches fill in the first.
constexpr long kAllowedGrowthBytes = 256 * 1024;

// Keys a user might press at random; the quit chord and the dialogs' keys are left out.
const std::vector<int> kKeys = {
    felux::vk::Space, felux::vk::Left,   felux::vk::Right,  felux::vk::Up,
    felux::vk::Down,  felux::vk::Comma,  felux::vk::Period, felux::vk::BracketLeft,
    felux::vk::BracketRight, felux::vk::Char('X'), felux::vk::Char('Z'), felux::vk::Char('N'),
    felux::vk::Char('B'), felux::vk::Char('R'), felux::vk::Char('Q'), felux::vk::Char('2'),
    felux::vk::Char('5'), felux::vk::Char('9'), felux::vk::Shift,
};

long HeapInUse() { return static_cast<long>(mallinfo2().uordblks); }

}  // namespace

int main(int argc, char** argv) {
    const int hours = argc > 1 ? std::max(2, std::atoi(argv[1])) : 24;
    felux::test::PlayerHarness h;
    std::vector<std::string> clips;
    for (int i = 0; i < 5; ++i)
        clips.push_back(h.AddMedia("clip" + std::to_string(i) + ".mpg",
                                   {(7 + 11 * i) * kSecond, 100, {320 + 16 * i, 240}, i != 3}));
    felux::test::TestPlayer& p = h.Start(clips, true, [](felux::PlayerSettings& s) { s.repeatList = 1; });

    std::mt19937 random(20261208);
    const auto chance = [&random](int oneIn) { return random() % static_cast<unsigned>(oneIn) == 0; };
    std::vector<std::pair<int, int>> held;  // key, ticks left
    long secondHour = 0;
    long heap = 0;
    for (int hour = 1; hour <= hours; ++hour) {
        for (int t = 0; t < kTicksPerHour; ++t) {
            if (chance(40)) {
                const int key = kKeys[random() % kKeys.size()];
                h.keys.Press(key);
                held.emplace_back(key, 1 + static_cast<int>(random() % 6));
            }
            for (auto it = held.begin(); it != held.end();) {
                if (--it->second <= 0) {
                    h.keys.Release(it->first);
                    it = held.erase(it);
                } else {
                    ++it;
                }
            }
            if (chance(150)) {
                const int x = static_cast<int>(random() % 407);
                const int y = static_cast<int>(random() % 50);
                // The POWER button is the one place a click ends the day.
                const bool power = x < 60 && y > 26;
                if (!power) {
                    p.panelInput.OnMouseMove(x, y);
                    p.panelInput.OnLButtonDown(x, y);
                    p.panelInput.OnLButtonUp(x, y);
                }
            }
            if (chance(200)) p.videoInput.OnMouseWheel(chance(2) ? 120 : -120);
            // The user answers the settings dialog after a while, by OK or by Cancel.
            if (p.state.ModalDialogUp() && chance(100)) {
                if (h.settingsDialogs.shown.empty() || chance(2))
                    p.settingsBridge.Closed(std::nullopt);
                else
                    p.settingsBridge.Closed(h.settingsDialogs.shown.back());
                h.settingsDialogs.shown.clear();
            }
            // The file chooser and the pop-up menus are answered too: mostly dismissed, now and then
            // with a choice (the first menu item, or the first file of the list).
            if (!h.dialogs.choosers.empty() && chance(100)) {
                h.dialogs.choosers.clear();
                p.editorBridge.FileChosen(chance(2) || p.playlist.Count() == 0 ? std::nullopt
                                                                   : std::optional<std::string>(p.playlist.PathAt(0)));
            }
            if (!h.dialogs.menus.empty() && chance(50)) {
                h.dialogs.menus.clear();
                p.popups.Chosen(chance(2) ? 0 : 1);
            }
            if (p.state.editor.open && chance(300)) p.OnEditorClosed();
            if (h.engine.playing) {
                h.engine.position += std::chrono::duration_cast<felux::MediaTime>(kTick * h.engine.rate);
                if (h.engine.position >= h.engine.Duration()) h.engine.completed = true;
            }
            h.Tick();
            // Quitting ends the day early; it must not happen, nothing here asks for it.
            if (p.Ended()) {
                std::printf("the player ended after %d hours\n", hour - 1);
                return 1;
            }
        }
        const auto opened = std::count_if(h.engine.log.begin(), h.engine.log.end(),
                                          [](const std::string& e) { return e.starts_with("Render "); });
        // What the fakes record is the test's, not the player's.
        h.engine.log.clear();
        h.engine.seeks.clear();
        h.windows.log.clear();
        h.reports.clear();
        h.screenSaver.calls.clear();
        heap = HeapInUse();
        if (hour == 2) secondHour = heap;
        std::printf("hour %2d: heap in use %ld bytes, %ld files opened, now entry %d of %d\n", hour, heap,
                    static_cast<long>(opened), p.playlist.currentIndex + 1, p.playlist.Count());
        if (opened == 0) {
            std::printf("nothing was opened in hour %d: the player is stuck\n", hour);
            return 1;
        }
        std::fflush(stdout);
    }
    const long growth = heap - secondHour;
    std::printf("growth from hour 2 to hour %d: %ld bytes\n", hours, growth);
    return growth > kAllowedGrowthBytes ? 1 : 0;
}
