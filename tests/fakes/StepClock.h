// A clock for tests: every reading is one millisecond after the last, whatever the machine's clock says.
#pragma once

#include <chrono>
#include <functional>

namespace felux::test {

class StepClock {
public:
    std::function<std::chrono::steady_clock::time_point()> Source() {
        return [this] { return now_ += std::chrono::milliseconds(1); };
    }
    std::chrono::steady_clock::time_point now_{};
};

}  // namespace felux::test
