// Test double of the playlist editor's list of display lines.
#pragma once

#include <string>
#include <vector>

#include "playlist/Playlist.h"

namespace felux {

class FakeEditorView : public PlaylistView {
public:
    void InsertLine(std::size_t index, const std::string& line) override;
    void DeleteLine(std::size_t index) override;
    void ReplaceLine(std::size_t index, const std::string& line) override;
    void RenumberLine(std::size_t index, std::size_t number) override;
    std::vector<std::size_t> SelectedLines() const override;
    void SelectLine(std::size_t index, bool selected) override;
    void ShowFolder(const std::string& text) override { folder = text; }

    // Fills the lines the way the editor does when it opens.
    void Fill(const Playlist& list);
    // Selects exactly these lines.
    void Select(const std::vector<std::size_t>& indices);

    std::vector<std::string> lines;
    std::vector<bool> selected;
    std::string folder;
};

}  // namespace felux
