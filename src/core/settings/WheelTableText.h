// The text form of the user wheel tables: "%d" per jump entry, "%d%%" per rate entry, joined by ','.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "settings/PlayerSettings.h"

namespace felux {

inline constexpr int kWheelFields = 20;
inline constexpr const char* kDefaultWheelPlayText =
    "0,110%,125%,150%,200%,7000,10000,13000,16000,20000,0,-1100,-1250,-1500,-2000,-7000,-10000,-13000,"
    "-16000,-20000";
inline constexpr const char* kDefaultWheelPauseText =
    "0,25%,50%,75%,100%,512,1000,2000,3000,5000,0,-250,-500,-750,-1000,-512,-1000,-2000,-3000,-5000";

// The twenty entries in index order.
std::string FormatWheelTable(const WheelTable& steps, const WheelTable& isRate);

// Reads up to twenty ','-separated fields into the tables. In each field the digits and '-'
// are gathered in order and read as a decimal number the way atoi would (a '-' after the
// first gathered character ends it; nothing gathered is 0; out-of-range values saturate);
// a '%' anywhere makes the entry a rate. Entries past the text's last field keep their values.
void ParseWheelTable(std::string_view text, WheelTable& steps, WheelTable& isRate);

// The text split at ',' for the dialog's fields; missing fields are empty.
std::array<std::string, kWheelFields> SplitWheelFields(std::string_view text);

// The dialog's edits back to a text: "0", fields +1..+9, "0", fields -1..-9. Every character
// other than digits, '-' and '%' is dropped from each field, ',' included, so a stray comma
// typed into one field cannot shift the later entries into the wrong steps.
using WheelSideFields = std::array<std::string, 9>;
std::string RebuildWheelText(const WheelSideFields& forward, const WheelSideFields& backward);

}  // namespace felux
