// Settings dialog port fake: keeps the forms it was asked to show; the test answers for the user.
#pragma once

#include <vector>

#include "settings/SettingsDialogs.h"

namespace felux::test {

class FakeSettingsDialogs : public SettingsDialogs {
public:
    void ShowSettings(const SettingsForm& form) override { shown.push_back(form); }

    std::vector<SettingsForm> shown;
};

}  // namespace felux::test
