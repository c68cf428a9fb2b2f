// The open file's index text and title: loading them on open, and the strip under the video.
#include <system_error>

#include "io/TextFile.h"
#include "player/MainPlayerDlg.h"

namespace felux {

TextFont MainPlayerDlg::SkinFont() const {
    TextFont font;
    font.face = settings.fontFace;
    font.height = settings.fontHeight;
    font.weight = settings.fontWeight;
    font.italic = settings.fontItalic != 0;
    font.charSet = settings.fontCharSet;
    return font;
}

bool MainPlayerDlg::TimedTextShown() const { return indexList.Active() && state.mediaClosed == 0; }

void MainPlayerDlg::LoadIndexText() {
    indexList.Clear();
    // The size tells apart index files of equal names in the one Index folder.
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(openFile.path, ec);
    for (const IndexFile& candidate : IndexFileCandidates(folder_, openFile.path, ec ? 0 : size)) {
        const std::optional<std::string> text = io::ReadTextBounded(candidate.path, kMaxIndexFileBytes);
        if (!text) continue;
        indexList.Load(BuildIndexRows(*text, candidate.format));
        return;
    }
}

void MainPlayerDlg::DrawTitleStrip() { panel.SetTitle(openFile.titleLine, SkinFont()); }

void MainPlayerDlg::TimedTextFontChanged() {
    if (state.mediaClosed == 0) DrawTitleStrip();
    indexList.reloadRequest = true;
}

void MainPlayerDlg::PaintTimedTextStrip(PixelSink& sink, int width, int height) const {
    if (!TimedTextShown() || settings.lyricsBelowVideo == 0) return;
    panel.PaintTimedTextStrip(sink, width, height, videoPlacement_.stripHeight);
}

}  // namespace felux
