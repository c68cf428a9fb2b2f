// The languages the user reads, from the locale, in the forms files name their tracks' languages.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace felux {

// Most preferred first: each language of LANGUAGE (counted only once a locale is set, as in
// GNU gettext), then the locale's own from LC_ALL, LC_MESSAGES or LANG; each as its three-letter
// codes and then its two-letter code ("ja" gives "jpn", "ja"). Empty under the C locale.
// `variable` returns an environment variable's value, or null when it is not set.
std::vector<std::string> TrackLanguages(const std::function<const char*(const char* name)>& variable);

}  // namespace felux
