// Entries that name a network stream rather than a file: which addresses the player plays.
#include "playlist/StreamUrl.h"

namespace felux {
namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool SameIgnoringCase(std::string_view a, std::string_view lower) {
    if (a.size() != lower.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char c = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        if (c != lower[i]) return false;
    }
    return true;
}

}  // namespace

std::string_view UrlScheme(std::string_view entry) {
    const std::size_t colon = entry.find("://");
    if (colon == std::string_view::npos || colon < 2 || !IsLetter(entry[0])) return {};
    for (std::size_t i = 1; i < colon; ++i) {
        const char c = entry[i];
        if (!IsLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return {};
    }
    return entry.substr(0, colon);
}

EntryKind KindOfEntry(std::string_view entry) {
    const std::string_view scheme = UrlScheme(entry);
    if (scheme.empty()) return EntryKind::Path;
    // A URL with no host ("http:///a") names nothing to fetch.
    const bool hasHost = entry.size() > scheme.size() + 3 && entry[scheme.size() + 3] != '/';
    if ((SameIgnoringCase(scheme, "http") || SameIgnoringCase(scheme, "https")) && hasHost)
        return EntryKind::StreamUrl;
    return EntryKind::OtherUrl;
}

}  // namespace felux
