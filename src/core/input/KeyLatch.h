// Key state fed by window events: held keys plus a pressed-since-last-query latch per key.
#pragma once

#include <array>

#include "platform/KeyState.h"

namespace felux {

class KeyLatch : public KeyState {
public:
    void Press(int key);
    void Release(int key) override;
    // Focus left the application: nothing is held any more.
    void ReleaseAll();

    bool Down(int key) override;
    bool Hit(int key) override;
    bool FullScreenHit(int key) override;
    void EndPoll() override;

private:
    static constexpr int kKeys = 256;
    std::array<bool, kKeys> held_{};
    std::array<bool, kKeys> latched_{};
    std::array<bool, kKeys> fullScreenLatched_{};
    // Keyboard keys pressed since the last poll ended; mouse buttons are read as held.
    std::array<bool, kKeys> tapped_{};
};

}  // namespace felux
