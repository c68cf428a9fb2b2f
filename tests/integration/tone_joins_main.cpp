// felux_tone_joins TONE.wav PLAYED.wav [JOIN...]: whether PLAYED is TONE at one level, frame for
// frame; JOIN names a frame where a cut began, for the report. Exit 0 when it is, 1 when not.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "ToneJoins.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: felux_tone_joins TONE.wav PLAYED.wav [JOIN...]\n");
        return 2;
    }
    std::vector<std::size_t> joins;
    for (int i = 3; i < argc; ++i) joins.push_back(std::strtoull(argv[i], nullptr, 10));
    std::string why;
    const std::optional<felux::test::Sound> tone = felux::test::ReadWav(argv[1], why);
    if (!tone) {
        std::printf("%s: %s\n", argv[1], why.c_str());
        return 1;
    }
    const std::optional<felux::test::Sound> played = felux::test::ReadWav(argv[2], why);
    if (!played) {
        std::printf("%s: %s\n", argv[2], why.c_str());
        return 1;
    }
    const felux::test::ToneVerdict verdict = felux::test::CompareWithTone(*tone, *played, joins);
    std::printf("%s\n", verdict.text.c_str());
    return verdict.same ? 0 : 1;
}
