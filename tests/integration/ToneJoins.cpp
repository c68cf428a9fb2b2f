// The WAV reading and the sample comparison behind the gapless checks.
#include "ToneJoins.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

namespace felux::test {
namespace {

// Minutes of stereo float are far below this; anything larger is not a test's output.
constexpr std::uintmax_t kMaxWavBytes = 256u << 20;
constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
// Two steps of 16-bit sound: the rounding of a scaled sample, and one to spare.
constexpr double kTolerance = 2.0 / 32768.0;

std::uint32_t Le32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t Le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

}  // namespace

std::optional<Sound> ReadWav(const std::filesystem::path& path, std::string& why) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxWavBytes) {
        why = error ? error.message() : "larger than a test tone";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
        why = "not a WAV file";
        return std::nullopt;
    }
    std::uint16_t format = 0, bits = 0;
    Sound sound;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const unsigned char* chunk = bytes.data() + at;
        const std::size_t body = at + 8;
        // A header the writer never finished may claim more than the file holds.
        const std::size_t length = std::min<std::size_t>(Le32(chunk + 4), bytes.size() - body);
        if (std::memcmp(chunk, "fmt ", 4) == 0 && length >= 16) {
            const unsigned char* fmt = bytes.data() + body;
            format = Le16(fmt);
            sound.channels = Le16(fmt + 2);
            sound.rate = static_cast<int>(Le32(fmt + 4));
            bits = Le16(fmt + 14);
            if (format == kFormatExtensible && length >= 26) format = Le16(fmt + 24);
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            const unsigned char* data = bytes.data() + body;
            const bool pcm16 = format == kFormatPcm && bits == 16, pcm32 = format == kFormatPcm && bits == 32,
                       float32 = format == kFormatFloat && bits == 32;
            if (sound.channels <= 0 || !(pcm16 || pcm32 || float32)) {
                why = "format " + std::to_string(format) + " with " + std::to_string(bits) + " bits is not read here";
                return std::nullopt;
            }
            const std::size_t width = bits / 8;
            for (std::size_t i = 0; i + width <= length; i += width) {
                if (pcm16) {
                    sound.samples.push_back(static_cast<std::int16_t>(Le16(data + i)) / 32768.0);
                } else if (pcm32) {
                    sound.samples.push_back(static_cast<std::int32_t>(Le32(data + i)) / 2147483648.0);
                } else {
                    const std::uint32_t word = Le32(data + i);
                    float value = 0;
                    std::memcpy(&value, &word, sizeof value);
                    sound.samples.push_back(value);
                }
            }
            sound.samples.resize(sound.Frames() * static_cast<std::size_t>(sound.channels));
            return sound;
        }
        at = body + length + (length & 1);
    }
    why = "no sound data";
    return std::nullopt;
}

ToneVerdict CompareWithTone(const Sound& tone, const Sound& output, const std::vector<std::size_t>& joins) {
    ToneVerdict verdict;
    std::ostringstream text;
    if (tone.channels != output.channels || tone.rate != output.rate) {
        text << "output of " << output.channels << " channels at " << output.rate << " Hz, the tone "
             << tone.channels << " at " << tone.rate << " Hz";
        verdict.text = text.str();
        return verdict;
    }
    const std::size_t common = std::min(tone.samples.size(), output.samples.size());
    // The level is taken before the first join, so that a fault at a join cannot bend it.
    const std::size_t firstJoin = joins.empty() ? common : joins.front() * static_cast<std::size_t>(tone.channels);
    double cross = 0, power = 0;
    for (std::size_t i = 0; i < std::min(common, firstJoin); ++i) {
        cross += tone.samples[i] * output.samples[i];
        power += tone.samples[i] * tone.samples[i];
    }
    verdict.gain = power > 0 ? cross / power : 0;
    std::optional<std::size_t> firstOff;
    for (std::size_t i = 0; i < common; ++i) {
        const double difference = std::abs(output.samples[i] - verdict.gain * tone.samples[i]);
        verdict.largestDifference = std::max(verdict.largestDifference, difference);
        if (difference > kTolerance && !firstOff) firstOff = i / static_cast<std::size_t>(tone.channels);
    }
    text << output.Frames() << " frames of the tone's " << tone.Frames() << ", gain " << verdict.gain
         << ", largest difference " << verdict.largestDifference * 32768.0 << " steps of 16 bits";
    if (firstOff) {
        text << "; off from frame " << *firstOff;
        const auto after = std::upper_bound(joins.begin(), joins.end(), *firstOff);
        if (after != joins.begin()) text << ", " << *firstOff - *std::prev(after) << " after the join at " << *std::prev(after);
    }
    // A silent output matches any tone at gain 0: it must be heard.
    verdict.same = output.Frames() == tone.Frames() && !firstOff && verdict.gain > 0.01;
    verdict.text = text.str();
    return verdict;
}

}  // namespace felux::test
