// The user's language for every window: the translation chosen from the environment.
#pragma once

#include "i18n/UiLanguage.h"

namespace felux {

// Installs the translation the environment asks for into the application and the core's
// text catalogue; call once the application exists, before any window. Returns the language.
UiLanguage InstallTranslation();

}  // namespace felux
