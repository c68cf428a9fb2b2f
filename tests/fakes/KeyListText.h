// A key list with the field names of the settings record, as the bundled KR02.sys has.
#pragma once

#include <string>

#include "settings/SettingsFields.h"

namespace felux::test {

inline std::string KeyListText() {
    std::string out;
    for (const SettingsField& f : kSettingsFields) out += std::string(f.name) + "=\n";
    return out;
}

}  // namespace felux::test
