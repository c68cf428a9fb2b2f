// Checks sound played from cuts of one continuous tone against the tone itself: every sample
// there, none added, and the wave running on across each join.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace felux::test {

// Interleaved samples scaled to -1..1, as read from a WAV file.
struct Sound {
    int channels = 0;
    int rate = 0;
    std::vector<double> samples;
    std::size_t Frames() const { return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0; }
};

// 16- or 32-bit integer or 32-bit float PCM, plain or extensible; nullopt (with the reason in
// why) for anything else, a broken header or a file over the size a test tone can have.
std::optional<Sound> ReadWav(const std::filesystem::path& path, std::string& why);

struct ToneVerdict {
    bool same = false;
    double gain = 0;                // the output's level against the tone's
    double largestDifference = 0;   // after scaling the tone by the gain, in full-scale units
    std::string text;               // what was found, with where it went wrong
};

// The output matches the tone when it has exactly its frames and each is the tone's at one gain,
// within two steps of 16-bit sound. joins, ascending, name the frames where a cut began: the
// level is measured before the first, and a fault is reported against the last one before it.
ToneVerdict CompareWithTone(const Sound& tone, const Sound& output, const std::vector<std::size_t>& joins);

}  // namespace felux::test
