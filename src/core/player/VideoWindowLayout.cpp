// Where the video window and its picture go for the open file, and the picture's visible rows.
#include "player/MainPlayerDlg.h"

namespace felux {
namespace {
constexpr int kLayoutAfterRegions = 10;
}  // namespace

void MainPlayerDlg::ApplyVideoLayout() {
    // The picture at its native size, at the video window's saved place.
    state.videoDisplayWidth = graph.audioOnly == 0 ? graph.sourceWidth : 0;
    state.videoDisplayHeight = graph.audioOnly == 0 ? graph.sourceHeight : 0;
    if (state.hasVideo == 0) return;
    ports_.windows.Place(WindowId::Video,
                         {settings.videoWindowX, settings.videoWindowY, state.videoDisplayWidth,
                          state.videoDisplayHeight},
                         true, Stacking::Keep);
}

void MainPlayerDlg::SetVideoWindowPosition() {
    ports_.windows.Place(WindowId::Picture, {0, 0, state.videoDisplayWidth, state.videoDisplayHeight}, true,
                         Stacking::Keep);
}

void MainPlayerDlg::ApplyVideoRegions() {
    if (state.mediaClosed != 0 || state.layoutCountdown != 0) return;
    ports_.windows.SetRegion(WindowId::Picture, {});
    state.layoutCountdown = kLayoutAfterRegions;
}

}  // namespace felux
