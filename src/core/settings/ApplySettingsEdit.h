// A display setting changed by a key or the panel, written into the settings record.
#pragma once

#include "model/SettingsEdit.h"
#include "settings/PlayerSettings.h"

namespace felux {

void ApplySettingsEdit(PlayerSettings& settings, const SettingsEdit& edit);

}  // namespace felux
