// The file-order table of the settings record: name, kind and member of each line.
#pragma once

#include <array>
#include <string_view>
#include <variant>

#include "settings/PlayerSettings.h"

namespace felux {

struct PercentField {
    double PlayerSettings::*member;
};

using SettingsMember = std::variant<int PlayerSettings::*, std::string PlayerSettings::*, PercentField,
                                    WheelTable PlayerSettings::*>;

struct SettingsField {
    std::string_view name;
    SettingsMember member;
};

extern const std::array<SettingsField, kSettingsFieldCount> kSettingsFields;

}  // namespace felux
