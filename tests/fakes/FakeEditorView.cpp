// Test double of the playlist editor's list of display lines.
#include "FakeEditorView.h"

#include <stdexcept>

namespace felux {

void FakeEditorView::InsertLine(std::size_t index, const std::string& line) {
    if (index > lines.size()) throw std::out_of_range("InsertLine past the end");
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), line);
}

void FakeEditorView::DeleteLine(std::size_t index) {
    lines.at(index);
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
}

void FakeEditorView::ReplaceLine(std::size_t index, const std::string& line) { lines.at(index) = line; }

void FakeEditorView::RenumberLine(std::size_t index, std::size_t number) {
    RenumberDisplayLine(lines.at(index), number);
}

void FakeEditorView::Fill(const Playlist& list) {
    lines.clear();
    for (std::size_t i = 0; i < list.Size(); ++i) lines.push_back(list.DisplayLineAt(i));
}

}  // namespace felux
