// Windows font names in the settings resolve to the IPA fonts, for this program only.
#pragma once

namespace felux {

// Puts an application font configuration in place: the user's own configuration plus rules that
// map the Windows Japanese font names to IPA fonts. Call before the first font is looked up.
// Leaves fontconfig as it was when the configuration cannot be built.
void SubstituteWindowsFonts();

}  // namespace felux
