// Index text files: the timed-line grammar, lyrics (.lrc) lines, and the sorted rows they give.
#include "playlist/IndexText.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace felux {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// At most max bytes, never cutting a UTF-8 character in two.
std::string CapText(std::string_view text, std::size_t max) {
    if (text.size() <= max) return std::string(text);
    std::size_t end = max;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return std::string(text.substr(0, end));
}

struct TagFields {
    std::array<std::int64_t, 3> value{};
    int count = 1;
    int lastDigits = 0;
};

std::int64_t TagMs(const TagFields& tag, int count, int lastDigits) {
    const auto& f = tag.value;
    switch (count) {
        case 1: return f[0];
        case 2: return f[0] * 60'000 + f[1] * 1'000;
        case 3: return f[0] * 60'000 + f[1] * 1'000 + (lastDigits == 2 ? f[2] * 10 : f[2]);
        default: return 0;
    }
}

// "mm:ss", "mm:ss.x", "mm:ss.xx", "mm:ss.xxx" (":" also before the fraction); nullopt otherwise.
std::optional<std::int64_t> LrcTime(std::string_view t) {
    std::array<std::int64_t, 3> field{};
    std::array<int, 3> digits{};
    int n = 0;
    for (char c : t) {
        if (IsDigit(c)) {
            if (++digits[static_cast<std::size_t>(n)] > kMaxFieldDigits) return std::nullopt;
            field[static_cast<std::size_t>(n)] = field[static_cast<std::size_t>(n)] * 10 + (c - '0');
        } else if ((c == ':' && n == 0) || ((c == '.' || c == ':') && n == 1)) {
            ++n;
        } else {
            return std::nullopt;
        }
    }
    if (n == 0 || digits[0] == 0 || digits[1] == 0) return std::nullopt;
    std::int64_t fraction = 0;
    if (n == 2) {
        // Tenths, hundredths or milliseconds; digits beyond the third are finer than a tick.
        fraction = field[2];
        for (int d = digits[2]; d > 3; --d) fraction /= 10;
        for (int d = digits[2]; d < 3; ++d) fraction *= 10;
    }
    return field[0] * 60'000 + field[1] * 1'000 + fraction;
}

// Word times "<mm:ss.xx>" become the display's word tags "[mm:ss:cc]".
std::string LrcWordTags(std::string_view text, std::int64_t offsetMs) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '<') {
            const std::size_t close = text.find('>', i + 1);
            if (close != std::string_view::npos) {
                if (const auto ms = LrcTime(text.substr(i + 1, close - i - 1))) {
                    const std::int64_t t = std::max<std::int64_t>(0, *ms - offsetMs);
                    char tag[64];
                    std::snprintf(tag, sizeof tag, "[%02lld:%02lld:%02lld]", static_cast<long long>(t / 60'000),
                                  static_cast<long long>(t / 1'000 % 60), static_cast<long long>(t % 1'000 / 10));
                    out += tag;
                    i = close + 1;
                    continue;
                }
            }
        }
        out += text[i++];
    }
    return out;
}

// "[offset:+500]": milliseconds the lines are shown sooner.
std::optional<std::int64_t> LrcOffset(std::string_view line) {
    constexpr std::string_view kTag = "[offset:";
    if (line.substr(0, kTag.size()) != kTag) return std::nullopt;
    std::size_t i = kTag.size();
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
    std::int64_t value = 0;
    int digits = 0;
    for (; i < line.size() && IsDigit(line[i]); ++i) {
        if (++digits > kMaxFieldDigits) return std::nullopt;
        value = value * 10 + (line[i] - '0');
    }
    if (digits == 0 || i >= line.size() || line[i] != ']') return std::nullopt;
    return negative ? -value : value;
}

}  // namespace

std::optional<TimedLine> ParseIndexLine(std::string_view line) {
    auto at = [&line](std::size_t i) { return i < line.size() ? line[i] : '\0'; };
    std::size_t pos = 0;
    if (at(0) == '[' && at(3) == ':')
        pos = 1;
    else if (at(1) == ':' || at(2) == ':' || at(3) == ':')
        pos = 0;
    else if (at(0) == '[')
        pos = 1;
    else
        return std::nullopt;

    std::vector<TagFields> tags;
    TagFields tag;
    int digits = 0;
    int parsed = 0;
    for (;;) {
        if (pos >= line.size()) return std::nullopt;  // the tag never ended
        const char c = line[pos++];
        if (IsDigit(c)) {
            if (++digits > kMaxFieldDigits) return std::nullopt;
            if (tag.count <= 3) {
                auto& field = tag.value[static_cast<std::size_t>(tag.count - 1)];
                field = field * 10 + (c - '0');
            }
        } else if (c == ':') {
            if (tag.count < 4) ++tag.count;  // four or more all read as four
            digits = 0;
        } else if (c == ']' || c == '=') {
            tag.lastDigits = digits;
            if (++parsed <= kMaxLineTags) tags.push_back(tag);
            const TagFields last = tag;
            tag = TagFields{};
            digits = 0;
            if (c == ']' && at(pos) == '[') {
                ++pos;
                continue;
            }
            TimedLine out;
            for (const TagFields& t : tags) out.timesMs.push_back(TagMs(t, last.count, last.lastDigits));
            out.text = CapText(line.substr(pos), kMaxRowTextBytes);
            return out;
        } else {
            return std::nullopt;
        }
    }
}

std::optional<TimedLine> ParseLrcLine(std::string_view line, std::int64_t offsetMs) {
    TimedLine out;
    std::size_t pos = 0;
    while (pos < line.size() && line[pos] == '[') {
        const std::size_t close = line.find(']', pos + 1);
        if (close == std::string_view::npos) break;
        const auto ms = LrcTime(line.substr(pos + 1, close - pos - 1));
        if (!ms) break;  // metadata such as [ar:...], or the text itself
        if (out.timesMs.size() < static_cast<std::size_t>(kMaxLineTags))
            out.timesMs.push_back(std::max<std::int64_t>(0, *ms - offsetMs));
        pos = close + 1;
    }
    if (out.timesMs.empty()) return std::nullopt;
    out.text = CapText(LrcWordTags(line.substr(pos), offsetMs), kMaxRowTextBytes);
    return out;
}

IndexRows BuildIndexRows(std::string_view utf8, IndexFormat format) {
    struct Timed {
        std::int64_t ms;
        std::size_t order;
        std::string text;
    };
    IndexRows rows;
    rows.texts.emplace_back();
    rows.startMs.push_back(0);
    constexpr std::size_t kMaxTimed = kIndexSlots - 2;
    std::vector<Timed> timed;
    std::int64_t offset = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t end = utf8.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = utf8.size();
        const std::string_view line = utf8.substr(pos, end - pos);
        pos = end + 1;
        if (end + 1 < utf8.size() && utf8[end] == '\r' && utf8[end + 1] == '\n') ++pos;

        std::optional<TimedLine> parsed;
        if (format == IndexFormat::Lrc) {
            if (const auto o = LrcOffset(line)) offset = *o;
            parsed = ParseLrcLine(line, offset);
        } else {
            parsed = ParseIndexLine(line);
        }
        if (!parsed) continue;
        for (const std::int64_t ms : parsed->timesMs) {
            if (ms < 1)
                rows.texts[0] = parsed->text;
            else if (timed.size() < kMaxTimed)
                timed.push_back({ms, timed.size(), parsed->text});
        }
    }
    // By time; of equal times the one read last first.
    std::sort(timed.begin(), timed.end(), [](const Timed& a, const Timed& b) {
        return a.ms != b.ms ? a.ms < b.ms : a.order > b.order;
    });
    for (Timed& t : timed) {
        rows.startMs.push_back(t.ms);
        rows.texts.push_back(std::move(t.text));
    }
    return rows;
}

std::vector<IndexFile> IndexFileCandidates(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& mediaPath, std::uintmax_t mediaSize) {
    const std::string name = mediaPath.stem().string();
    const std::filesystem::path beside = mediaPath.parent_path();
    return {
        {programFolder / "Index" / (name + "(" + std::to_string(mediaSize) + ").txt"), IndexFormat::Index},
        {beside / (name + ".txt"), IndexFormat::Index},
        {beside / (name + ".lrc"), IndexFormat::Lrc},
    };
}

}  // namespace felux
