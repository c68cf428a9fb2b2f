// The text form of the user wheel tables: "%d" per jump entry, "%d%%" per rate entry, joined by ','.
#include "settings/WheelTableText.h"

#include <climits>
#include <cstddef>
#include <cstdint>

namespace felux {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// atoi over the digits and '-' of a field, read as they come, without atoi's undefined overflow.
class GatheredNumber {
public:
    void Take(char c) {
        if (ended_) return;
        if (c == '-') {
            if (first_) negative_ = true;
            else ended_ = true;  // atoi stops at a sign after the start
        } else if (magnitude_ <= kLimit) {
            magnitude_ = magnitude_ * 10 + (c - '0');
        }
        first_ = false;
    }
    int Value() const {
        const std::int64_t value = negative_ ? -magnitude_ : magnitude_;
        if (value > INT_MAX) return INT_MAX;
        if (value < INT_MIN) return INT_MIN;
        return static_cast<int>(value);
    }

private:
    static constexpr std::int64_t kLimit = static_cast<std::int64_t>(INT_MAX) + 1;
    std::int64_t magnitude_ = 0;
    bool negative_ = false;
    bool first_ = true;
    bool ended_ = false;
};

// Calls f(index, field) for each field that starts inside the text, at most kWheelFields.
template <typename F>
void ForEachField(std::string_view text, F&& f) {
    std::size_t start = 0;
    for (int i = 0; i < kWheelFields && start < text.size(); ++i) {
        const std::size_t comma = text.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? text.size() : comma;
        f(i, text.substr(start, end - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
}

std::string KeepTableCharacters(std::string_view field) {
    std::string kept;
    for (char c : field)
        if (IsDigit(c) || c == '-' || c == '%') kept += c;
    return kept;
}

}  // namespace

std::string FormatWheelTable(const WheelTable& steps, const WheelTable& isRate) {
    std::string text;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (i > 0) text += ',';
        text += std::to_string(steps[i]);
        if (isRate[i] == 1) text += '%';
    }
    return text;
}

void ParseWheelTable(std::string_view text, WheelTable& steps, WheelTable& isRate) {
    ForEachField(text, [&](int i, std::string_view field) {
        GatheredNumber number;
        bool rate = false;
        for (char c : field) {
            if (IsDigit(c) || c == '-')
                number.Take(c);
            else if (c == '%')
                rate = true;
        }
        steps[static_cast<std::size_t>(i)] = number.Value();
        isRate[static_cast<std::size_t>(i)] = rate ? 1 : 0;
    });
}

std::array<std::string, kWheelFields> SplitWheelFields(std::string_view text) {
    std::array<std::string, kWheelFields> fields;
    ForEachField(text, [&](int i, std::string_view field) { fields[static_cast<std::size_t>(i)] = field; });
    return fields;
}

std::string RebuildWheelText(const WheelSideFields& forward, const WheelSideFields& backward) {
    std::string text = "0";
    for (const std::string& field : forward) text += ',' + KeepTableCharacters(field);
    text += ",0";
    for (const std::string& field : backward) text += ',' + KeepTableCharacters(field);
    return text;
}

}  // namespace felux
