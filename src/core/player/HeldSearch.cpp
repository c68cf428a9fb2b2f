// A held search button of the panel or the keys: the pause, the jumps and the resume.
#include "player/Player.h"

namespace felux {

// One held search button: its start pauses the picture and jumps, the search jumps again every
// searchWait + 1 ticks, and the release resumes play.
void Player::RunSearch(SearchPhase& searchState, bool& indicator, OneShotSearch oneShotValue, SeekMode direction,
                       int playSpeed, int pauseSpeed) {
    PendingCommands& r = pending_;
    if (searchState == SearchPhase::Start) {
        searchState = SearchPhase::Searching;
        graph.Pause();
        // The press steps at once; a held search steps on from there every searchWait + 1 ticks.
        state.searchTick = 0;
    }
    if ((searchState == SearchPhase::Searching || r.oneShotSearch == oneShotValue) && state.searchTick == 0) {
        const int speedMs = playback.Paused() ? pauseSpeed : playSpeed;
        graph.Search(direction, std::chrono::milliseconds(speedMs));
        r.oneShotSearch = OneShotSearch::None;
    }
    if (searchState == SearchPhase::Released && !playback.Paused()) {
        searchState = SearchPhase::Idle;
        indicator = false;
        graph.Run();
    }
}

}  // namespace felux
