// The small mpv scripts the whole-program bench gives both players alike (FELUX runs one from
// FELUX_MPV_SCRIPT, mpv from --script), so that both are measured by the same code.
#pragma once

#include <array>
#include <filesystem>
#include <fstream>
#include <optional>

namespace felux::bench {

// Notes the frames the video output and the decoder dropped, and those the output showed late
// or out of time, at each file's end and at the exit, as "OUTPUT DECODER DELAYED MISTIMED".
inline void WriteDropScript(const std::filesystem::path& script, const std::filesystem::path& out) {
    std::ofstream(script) << "local counts = {0, 0, 0, 0}\n"
                             "for k, name in ipairs({'frame-drop-count', 'decoder-frame-drop-count',\n"
                             "                       'vo-delayed-frame-count', 'mistimed-frame-count'}) do\n"
                             "  mp.observe_property(name, 'number', function(_, v) if v then counts[k] = v end end)\n"
                             "end\n"
                             "local function note()\n"
                             "  local f = io.open('" << out.string() << "', 'w')\n"
                             "  if f then f:write(string.format('%d %d %d %d\\n', counts[1], counts[2], counts[3], counts[4])) f:close() end\n"
                             "end\n"
                             "mp.register_event('end-file', note)\n"
                             "mp.register_event('shutdown', note)\n";
}

struct FrameCounts {
    double dropped = 0;  // by the output and the decoder
    double delayed = 0, mistimed = 0;
};

inline std::optional<FrameCounts> ReadFrameCounts(const std::filesystem::path& out) {
    std::ifstream in(out);
    std::array<double, 4> v{};
    if (!(in >> v[0] >> v[1] >> v[2] >> v[3])) return std::nullopt;
    return FrameCounts{v[0] + v[1], v[2], v[3]};
}

// Writes a line to out (a pipe the bench reads as the lines come) when a file is loaded, with
// its length, and whenever playback restarts (its first frame shown, and again after each seek),
// with the position it restarted at: "loaded SECONDS", "restart SECONDS".
inline void WriteRestartScript(const std::filesystem::path& script, const std::filesystem::path& out) {
    std::ofstream(script) << "local out = io.open('" << out.string() << "', 'w')\n"
                             "local function say(what, property)\n"
                             "  if out then out:write(string.format('%s %.6f\\n', what, mp.get_property_number(property, -1))) out:flush() end\n"
                             "end\n"
                             "mp.register_event('file-loaded', function() say('loaded', 'duration') end)\n"
                             "mp.register_event('playback-restart', function() say('restart', 'time-pos') end)\n";
}

}  // namespace felux::bench
