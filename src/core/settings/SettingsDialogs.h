// Port: the settings dialog, shown modally over the player while the tick keeps running.
#pragma once

#include "settings/SettingsForm.h"

namespace felux {

class SettingsDialogs {
public:
    virtual ~SettingsDialogs() = default;
    // Shows the dialog on `form` and returns at once; the answer comes later through the
    // player's SettingsDialogClosed.
    virtual void ShowSettings(const SettingsForm& form) = 0;
};

}  // namespace felux
