// Going on where a long file was left: the points of data.pos, taken when it opens and kept when it is left.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "engine/MediaGraph.h"
#include "engine/ResumePoints.h"
#include "model/PlayerState.h"
#include "player/OpenFile.h"
#include "settings/PlayerSettings.h"

namespace felux {

class ResumeMemory {
public:
    ResumeMemory(const PlayerSettings& settings, const PlayerState& state, MediaGraph& graph, const OpenFile& openFile,
                 std::filesystem::path folder, FailureReporter reportFailure);

    // Reads data.pos; a damaged one is said once and leaves nothing to resume.
    void Load();
    bool Save() const;

    // The open has read the file's length: a long file goes to where it was left.
    void FileOpened();
    // The player saves its files: where the open file stands is kept, and it stays tracked.
    void KeepPlace();
    // The file is closed or replaced: where it stood is kept.
    void Leaving();
    // Played to its end: it starts from the beginning next time.
    void Ended();

private:
    const PlayerSettings& settings_;
    const PlayerState& state_;
    MediaGraph& graph_;
    const OpenFile& openFile_;
    std::filesystem::path folder_;
    FailureReporter reportFailure_;
    ResumePoints points_;
    // The open file, while it is one whose place is kept.
    std::optional<std::string> tracked_;
};

}  // namespace felux
