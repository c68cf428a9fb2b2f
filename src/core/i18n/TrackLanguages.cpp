// The languages the user reads, from the locale, in the forms files name their tracks' languages.
#include "i18n/TrackLanguages.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace felux {
namespace {

// Two-letter codes and the three-letter ones files use for them (terminology, then
// bibliographic where it differs). A language missing here is matched by its two letters only.
struct LanguageCodes {
    std::string_view two;
    std::string_view three;
    std::string_view threeOther;
};
constexpr LanguageCodes kLanguageCodes[] = {
    {"ar", "ara", ""},    {"cs", "ces", "cze"}, {"da", "dan", ""},    {"de", "deu", "ger"}, {"el", "ell", "gre"},
    {"en", "eng", ""},    {"es", "spa", ""},    {"fa", "fas", "per"}, {"fi", "fin", ""},    {"fr", "fra", "fre"},
    {"he", "heb", ""},    {"hi", "hin", ""},    {"hu", "hun", ""},    {"id", "ind", ""},    {"it", "ita", ""},
    {"ja", "jpn", ""},    {"ko", "kor", ""},    {"nl", "nld", "dut"}, {"no", "nor", ""},    {"nb", "nob", ""},
    {"pl", "pol", ""},    {"pt", "por", ""},    {"ro", "ron", "rum"}, {"ru", "rus", ""},    {"sv", "swe", ""},
    {"th", "tha", ""},    {"tr", "tur", ""},    {"uk", "ukr", ""},    {"vi", "vie", ""},    {"zh", "zho", "chi"},
};

bool IsSet(const char* value) { return value && *value; }

// "ja_JP.UTF-8", "ja@x", "ja" -> "ja"; "C", "POSIX" and malformed names -> "".
std::string LanguageOf(std::string_view locale) {
    const std::string_view name = locale.substr(0, locale.find_first_of("_.@"));
    if (name.size() < 2 || name.size() > 3) return {};
    std::string lower;
    for (char c : name) {
        if (!std::isalpha(static_cast<unsigned char>(c))) return {};
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

void Add(std::vector<std::string>& out, std::string_view code) {
    if (!code.empty() && std::find(out.begin(), out.end(), code) == out.end()) out.emplace_back(code);
}

void AddLanguage(std::vector<std::string>& out, const std::string& language) {
    if (language.empty()) return;
    for (const LanguageCodes& c : kLanguageCodes) {
        if (c.two != language && c.three != language && c.threeOther != language) continue;
        Add(out, c.three);
        Add(out, c.threeOther);
        Add(out, c.two);
        return;
    }
    Add(out, language);
}

}  // namespace

std::vector<std::string> TrackLanguages(const std::function<const char*(const char* name)>& variable) {
    const char* locale = nullptr;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (IsSet(locale = variable(name))) break;
        locale = nullptr;
    }
    std::vector<std::string> out;
    if (!locale || LanguageOf(locale).empty()) return out;
    if (const char* languages = variable("LANGUAGE"); IsSet(languages)) {
        std::string_view list(languages);
        while (!list.empty()) {
            const std::size_t colon = list.find(':');
            AddLanguage(out, LanguageOf(list.substr(0, colon)));
            list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
        }
    }
    AddLanguage(out, LanguageOf(locale));
    return out;
}

}  // namespace felux
