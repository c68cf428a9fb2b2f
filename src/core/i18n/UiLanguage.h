// Which language the windows speak, chosen from the environment as GNU and Qt programs choose.
#pragma once

#include <functional>

namespace felux {

// Japanese is the program's own language; every other language gets the English translation.
enum class UiLanguage { Japanese, English };

// `variable` returns an environment variable's value, or null when it is not set.
UiLanguage ChooseUiLanguage(const std::function<const char*(const char* name)>& variable);

}  // namespace felux
