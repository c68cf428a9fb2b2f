// The language choice: the locale from LC_ALL, LC_MESSAGES or LANG, refined by LANGUAGE.
#include "i18n/UiLanguage.h"

#include <string_view>

namespace felux {
namespace {

bool IsSet(const char* value) { return value && *value; }

// "C", "POSIX" and their encodings ("C.UTF-8") name no language.
bool IsPlainLocale(std::string_view locale) {
    const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
    return name == "C" || name == "POSIX";
}

// "ja", "ja_JP", "ja_JP.UTF-8", "ja@...": the language part of a locale or LANGUAGE entry.
bool Speaks(std::string_view locale, std::string_view language) {
    return locale.substr(0, 2) == language &&
           (locale.size() == 2 || locale[2] == '_' || locale[2] == '.' || locale[2] == '@');
}

}  // namespace

UiLanguage ChooseUiLanguage(const std::function<const char*(const char* name)>& variable) {
    const char* locale = nullptr;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (IsSet(locale = variable(name))) break;
        locale = nullptr;
    }
    // As in GNU gettext, LANGUAGE counts only once a language is chosen at all.
    if (!locale || IsPlainLocale(locale)) return UiLanguage::Japanese;
    if (const char* languages = variable("LANGUAGE"); IsSet(languages)) {
        // The first entry we have a translation for wins; unknown ones are passed over.
        std::string_view list(languages);
        while (!list.empty()) {
            const std::size_t colon = list.find(':');
            const std::string_view entry = list.substr(0, colon);
            if (Speaks(entry, "ja")) return UiLanguage::Japanese;
            if (Speaks(entry, "en")) return UiLanguage::English;
            list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
        }
    }
    return Speaks(locale, "ja") ? UiLanguage::Japanese : UiLanguage::English;
}

}  // namespace felux
