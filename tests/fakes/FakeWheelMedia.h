// Wheel seek media fake: logs each call as text, in order.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "wheel/WheelSeek.h"

namespace felux::test {

class FakeWheelMedia : public WheelMedia {
public:
    void Run() override { calls.push_back("run"); }
    void Pause() override { calls.push_back("pause"); }
    bool Paused() const override { return paused; }
    void TogglePause() override {
        calls.push_back(paused ? "run" : "pause");
        paused = !paused;
    }
    void SetRate(double rate) override {
        char text[32];
        std::snprintf(text, sizeof text, "rate %.3f", rate);
        calls.push_back(text);
    }
    // "seek +1 1000" : direction and milliseconds.
    void SeekPosition(SeekMode direction, MediaTime amount) override {
        calls.push_back("seek " + std::string(direction == SeekMode::Forward ? "+" : "-") + "1 " +
                        std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(amount).count()));
    }
    void Search(SeekMode direction, MediaTime amount) override { SeekPosition(direction, amount); }
    MediaTime TimePerFrame() override { return timePerFrame; }

    // The calls since the last Take.
    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(calls);
        return taken;
    }

    std::vector<std::string> calls;
    bool paused = false;
    MediaTime timePerFrame = std::chrono::milliseconds(40);  // 25 frames a second
};

}  // namespace felux::test
