// What the renderer benches share: a volume record that does nothing, and percentiles of timings.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "skin/PanelRenderInputs.h"

namespace felux::bench {

class NoVolumeRecord : public VolumeRecordToggle {
public:
    void RegisterVolume() override {}
    void ForgetVolume() override {}
    bool RecordPresent() const override { return false; }
};

// The q-quantile (0..1) of the samples, nearest rank below.
inline double Percentile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(q * static_cast<double>(v.size() - 1))];
}

}  // namespace felux::bench
