// Reading and writing the settings file "KR02.CFG" with names from the key list "KR02.sys".
#include "settings/SettingsFile.h"

#include <algorithm>
#include <vector>

#include "io/TextFile.h"
#include "io/TextLines.h"
#include "settings/SettingsFields.h"

namespace felux {
namespace {

struct LoadMarks {
    bool mainBad = false;
    bool videoBad = false;
    bool editorBad = false;
    bool fontStored = false;
};

WheelTable ParseTable(std::string_view text, const WheelTable& previous) {
    if (std::count(text.begin(), text.end(), ',') != 19) return previous;
    WheelTable out{};
    std::size_t start = 0;
    for (int& v : out) {
        const std::size_t comma = text.find(',', start);
        v = io::ParseInt(text.substr(start, comma - start));
        start = comma + 1;
    }
    return out;
}

bool PositionOk(int v, int limit) { return v >= -2000 && v <= limit - 5; }

bool IsNumberField(const SettingsField& field) {
    return std::holds_alternative<int PlayerSettings::*>(field.member) ||
           std::holds_alternative<PercentField>(field.member);
}

void Assign(PlayerSettings& s, std::size_t index, std::string_view value, Size screen, LoadMarks& marks) {
    // A number left empty or garbled by hand keeps its default: read as 0 it could switch a
    // feature off, or let the next save of the settings empty the volume memory.
    const std::optional<int> parsed = io::TryParseInt(value);
    if (!parsed && IsNumberField(kSettingsFields[index]) && !(index >= 51 && index <= 55 && !marks.fontStored)) return;
    const int n = parsed.value_or(0);
    switch (index) {
        case 1:
        case 2:
            if (PositionOk(n, index == 1 ? screen.width : screen.height))
                (index == 1 ? s.mainWindowX : s.mainWindowY) = n;
            else
                marks.mainBad = true;
            return;
        case 3:
        case 4:
            if (PositionOk(n, index == 3 ? screen.width : screen.height))
                (index == 3 ? s.videoWindowX : s.videoWindowY) = n;
            else
                marks.videoBad = true;
            return;
        case 16:
        case 17:
            if (n < (index == 16 ? screen.width : screen.height) || n > 63999)
                (index == 16 ? s.editorWindowX : s.editorWindowY) = n;
            else
                marks.editorBad = true;
            return;
        case 50:
            marks.fontStored = !value.empty();
            s.fontFace = marks.fontStored ? std::string(value) : kDefaultFontFace;
            return;
        case 51:
        case 52:
        case 53:
        case 54:
        case 55:
            if (!marks.fontStored) {
                static constexpr int kFontDefaults[] = {128, -13, 0, 400, 0};
                s.*std::get<int PlayerSettings::*>(kSettingsFields[index].member) = kFontDefaults[index - 51];
                return;
            }
            break;
        default:
            break;
    }
    std::visit(
        [&](auto member) {
            using M = decltype(member);
            if constexpr (std::is_same_v<M, int PlayerSettings::*>) {
                s.*member = n;
            } else if constexpr (std::is_same_v<M, std::string PlayerSettings::*>) {
                s.*member = std::string(value);
            } else if constexpr (std::is_same_v<M, PercentField>) {
                s.*(member.member) = PercentScale(n);
            } else {
                s.*member = ParseTable(value, s.*member);
            }
        },
        kSettingsFields[index].member);
}

void FinishLoad(PlayerSettings& s, const LoadMarks& marks) {
    if (marks.mainBad) s.mainWindowX = s.mainWindowY = 0;
    if (marks.videoBad) {
        s.videoWindowX = 0;
        s.videoWindowY = 60;
    }
    if (marks.editorBad) {
        s.editorWindowX = 10;
        s.editorWindowY = 100;
    }
    if (s.searchWait < 1) s.searchWait = 6;
    if (s.mainWindowX < 1) s.mainWindowX = 0;
    if (s.mainWindowY < 1) s.mainWindowY = 0;
    if (s.aspectPresets.size() < 11) s.aspectPresets = kDefaultAspectPresets;
    if (s.scanLinesOn != 1) s.scanLinesOn = 0;
    s.liveScanLinesOn = s.scanLinesOn;
    if (s.lineMaskMode != 1 && s.lineMaskMode != 2) s.lineMaskMode = 0;
    s.liveLineMaskMode = s.lineMaskMode;
}

std::string FormatValue(const PlayerSettings& s, std::size_t index) {
    if (index >= kSettingsFields.size()) return {};
    return std::visit(
        [&](auto member) -> std::string {
            using M = decltype(member);
            if constexpr (std::is_same_v<M, int PlayerSettings::*>) {
                return std::to_string(s.*member);
            } else if constexpr (std::is_same_v<M, std::string PlayerSettings::*>) {
                return s.*member;
            } else if constexpr (std::is_same_v<M, PercentField>) {
                return std::to_string(ScalePercent(s.*(member.member)));
            } else {
                std::string out;
                for (int v : s.*member) out += (out.empty() ? "" : ",") + std::to_string(v);
                return out;
            }
        },
        kSettingsFields[index].member);
}

}  // namespace

void ParseSettings(PlayerSettings& s, std::string_view text, Size screen) {
    LoadMarks marks;
    const std::vector<std::string_view> lines = io::SplitLines(text);
    for (std::size_t i = 0; i < lines.size() && i < kSettingsFields.size(); ++i) {
        const std::size_t eq = lines[i].find('=');
        const std::string_view value = eq == std::string_view::npos ? std::string_view{} : lines[i].substr(eq + 1);
        Assign(s, i, value, screen, marks);
    }
    // A file written before the hand-over had a line of its own never chose it: it stays off.
    const auto handOver = std::find_if(kSettingsFields.begin(), kSettingsFields.end(),
                                       [](const SettingsField& f) { return f.name == "handOverFiles"; });
    if (lines.size() <= static_cast<std::size_t>(handOver - kSettingsFields.begin())) s.handOverFiles = 0;
    FinishLoad(s, marks);
}

std::string FormatSettings(const PlayerSettings& s, std::string_view keyList) {
    std::string out;
    const std::vector<std::string_view> names = io::SplitLines(keyList);
    for (std::size_t i = 0; i < names.size(); ++i) {
        out += names[i].substr(0, names[i].find('='));
        out += '=';
        out += FormatValue(s, i);
        out += "\r\n";
    }
    return out;
}

void CheckFullScreenMode(PlayerSettings& s, DisplayModes& modes) {
    const std::optional<DisplayMode> mode = modes.Enumerate(s.fullScreenModeNumber);
    if (!mode || mode->width != s.fullScreenWidth || mode->height != s.fullScreenHeight ||
        mode->bits != s.fullScreenBits) {
        s.fullScreenModeOn = 0;
        s.fullScreenModeNumber = 0;
    }
}

bool LoadSettingsFile(PlayerSettings& s, const std::filesystem::path& folder, Size screen) {
    const std::optional<std::string> raw = io::ReadRawTextBounded(folder / kSettingsFileName, kSettingsReadLimit);
    if (!raw) return false;
    // Each line decides its own encoding, so a folder name in Latin-1 leaves the font name
    // alone; a value whose bytes name an existing folder or file stays byte for byte.
    std::string text;
    for (const std::string_view line : io::SplitLines(*raw)) {
        const std::size_t equals = line.find('=');
        const std::string value(equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1));
        text += io::IsValidUtf8(line) || io::NamesExistingFile(value) ? std::string(line) : io::ToUtf8(line);
        text += "\r\n";
    }
    ParseSettings(s, text, screen);
    return true;
}

bool SaveSettingsFile(const PlayerSettings& s, const std::filesystem::path& folder) {
    const std::optional<std::string> keyList = io::ReadTextBounded(folder / kKeyListFileName, kKeyListReadLimit);
    if (!keyList) return false;
    const std::string text = FormatSettings(s, *keyList);
    // An empty key list would truncate the settings to nothing: keep the old file.
    if (text.empty()) return false;
    return io::WriteFileAtomic(folder / kSettingsFileName, text);
}

}  // namespace felux
