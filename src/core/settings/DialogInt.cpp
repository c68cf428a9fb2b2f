// Integer edit fields of the settings dialogs: reading them and the message for a refused value.
#include "settings/DialogInt.h"

#include <charconv>

#include "i18n/UiText.h"

namespace felux {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::optional<int> ParseDialogInt(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

std::optional<std::string> CheckDialogInt(std::string_view text, int min, int max) {
    const std::optional<int> value = ParseDialogInt(text);
    if (value && *value >= min && *value <= max) return std::nullopt;
    return FillText(UiText("DialogInt", "%1 から %2 までの整数を入力してください。"), {std::to_string(min), std::to_string(max)});
}

std::optional<std::string> CheckDialogInt(std::string_view text) {
    if (ParseDialogInt(text)) return std::nullopt;
    return UiText("DialogInt", "整数を入力してください。");
}

}  // namespace felux
