// A volume record toggle for renderer tests that do not look at the volume log.
#pragma once

#include "skin/PanelRenderInputs.h"

namespace felux::test {

class NoVolumeRecord : public VolumeRecordToggle {
public:
    void RegisterVolume() override {}
    void ForgetVolume() override {}
    bool RecordPresent() const override { return false; }
};

}  // namespace felux::test
