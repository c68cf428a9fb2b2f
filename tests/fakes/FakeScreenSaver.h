// Screen saver port fake: logs each inhibit and release in order.
#pragma once

#include <string>
#include <vector>

#include "platform/ScreenSaver.h"

namespace felux::test {

class FakeScreenSaver : public ScreenSaver {
public:
    void Inhibit() override { calls.push_back("inhibit"); }
    void Release() override { calls.push_back("release"); }

    std::vector<std::string> calls;
};

}  // namespace felux::test
