// Test double of the playlist editor's list of display lines.
#include "FakeEditorView.h"

#include <stdexcept>

namespace felux {

void FakeEditorView::InsertLine(std::size_t index, const std::string& line) {
    if (index > lines.size()) throw std::out_of_range("InsertLine past the end");
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), line);
    selected.insert(selected.begin() + static_cast<std::ptrdiff_t>(index), false);
}

void FakeEditorView::DeleteLine(std::size_t index) {
    lines.at(index);
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    selected.erase(selected.begin() + static_cast<std::ptrdiff_t>(index));
}

void FakeEditorView::ReplaceLine(std::size_t index, const std::string& line) { lines.at(index) = line; }

void FakeEditorView::RenumberLine(std::size_t index, std::size_t number) {
    RenumberDisplayLine(lines.at(index), number);
}

std::vector<std::size_t> FakeEditorView::SelectedLines() const {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < selected.size(); ++i)
        if (selected[i]) out.push_back(i);
    return out;
}

void FakeEditorView::SelectLine(std::size_t index, bool on) { selected.at(index) = on; }

void FakeEditorView::Fill(const Playlist& list) {
    lines.clear();
    for (std::size_t i = 0; i < list.Size(); ++i) lines.push_back(list.DisplayLineAt(i));
    selected.assign(lines.size(), false);
}

void FakeEditorView::Select(const std::vector<std::size_t>& indices) {
    selected.assign(lines.size(), false);
    for (const std::size_t i : indices) selected.at(i) = true;
}

}  // namespace felux
