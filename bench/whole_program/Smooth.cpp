// Smoothness as both players' own video output counts it: the same script notes the counts at
// the clip's end for each.
#include "whole_program/Smooth.h"

#include "whole_program/PlayerScripts.h"

namespace felux::bench {

void Smoothness(const Paths& p, int runs) {
    const fs::path clip = fs::path(p.clip).parent_path() / "clip-1080p60.mp4";
    const fs::path folder = fs::temp_directory_path() / ("felux-bench-smooth-" + std::to_string(getpid()));
    std::error_code ec;
    fs::create_directories(folder, ec);
    const fs::path script = folder / "frames.lua", counts = folder / "frames.txt";
    WriteDropScript(script, counts);
    std::vector<double> fDropped, mDropped, fDelayed, mDelayed, fMistimed, mMistimed;
    for (int k = 0; k < runs; ++k) {
        std::optional<FrameCounts> m, f;
        auto runMpv = [&] {
            fs::remove(counts, ec);
            Child mpv({"/usr/bin/mpv", "--no-config", "--ao=null", "--vo=x11", "--script=" + script.string(), clip.string()},
                      {});
            if (PlayThrough(mpv, clip.string())) {
                mpv.Stop();
                m = ReadFrameCounts(counts);
            }
        };
        auto runFelux = [&] {
            FreshHomePlayingOnce(p);
            fs::remove(counts, ec);
            std::vector<std::string> env = FeluxEnv(p, "x11");
            env.push_back("FELUX_MPV_SCRIPT=" + script.string());
            Child felux({p.felux, clip.string()}, env);
            if (PlayThrough(felux, clip.string())) {
                felux.Stop();
                f = ReadFrameCounts(counts);
            }
        };
        InTurn(k, runMpv, runFelux);
        if (!m || !f) {
            std::printf("  run %d: %s did not play the clip through\n", k + 1, m ? "FELUX" : "mpv");
            continue;
        }
        std::printf("  run %d: dropped FELUX %.0f mpv %.0f, delayed FELUX %.0f mpv %.0f, mistimed FELUX %.0f mpv %.0f\n",
                    k + 1, f->dropped, m->dropped, f->delayed, m->delayed, f->mistimed, m->mistimed);
        fDropped.push_back(f->dropped), mDropped.push_back(m->dropped);
        fDelayed.push_back(f->delayed), mDelayed.push_back(m->delayed);
        fMistimed.push_back(f->mistimed), mMistimed.push_back(m->mistimed);
    }
    std::printf("smooth, 1920x1080 60 fps H.264, 10 s, vo=x11, %zu runs, min / median / max\n", fDropped.size());
    std::printf("  dropped frames FELUX %s   mpv %s\n", Show(SpreadOf(fDropped), "%.0f").c_str(),
                Show(SpreadOf(mDropped), "%.0f").c_str());
    std::printf("  delayed frames FELUX %s   mpv %s\n", Show(SpreadOf(fDelayed), "%.0f").c_str(),
                Show(SpreadOf(mDelayed), "%.0f").c_str());
    std::printf("  mistimed frames FELUX %s   mpv %s\n", Show(SpreadOf(fMistimed), "%.0f").c_str(),
                Show(SpreadOf(mMistimed), "%.0f").c_str());
    const auto noMore = [](const std::vector<double>& f, const std::vector<double>& m) {
        return SpreadOf(f).median <= SpreadOf(m).median ? "met" : "MISSED";
    };
    if (fDropped.empty())
        std::printf("  goal: no more than mpv's: not measured\n");
    else
        std::printf("  goal: dropped, delayed and mistimed frames no more than mpv's (medians): %s, %s, %s\n",
                    noMore(fDropped, mDropped), noMore(fDelayed, mDelayed), noMore(fMistimed, mMistimed));
    fs::remove_all(folder, ec);
}

}  // namespace felux::bench
