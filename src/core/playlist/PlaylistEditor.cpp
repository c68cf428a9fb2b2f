// The playlist editor ("Torvel"): its state, the questions the tick asks it, and the user's edits.
#include "playlist/PlaylistEditor.h"

#include <algorithm>
#include <filesystem>
#include <numeric>

#include "playlist/ListFile.h"
#include "playlist/PlaySegmentSuffix.h"
#include "playlist/SelectionSort.h"

namespace felux {
namespace {

constexpr int kSortModes = 4;

std::string_view NameOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

PlaylistEditor::PlaylistEditor(Playlist& list, PlayerSettings& settings, PlaylistDialogs* dialogs)
    : list_(list), settings_(settings), dialogs_(dialogs) {}

void PlaylistEditor::Open(PlaylistView& view, std::uint32_t seed) {
    view_ = &view;
    for (std::size_t i = 0; i < list_.Size(); ++i)
        view.InsertLine(i, DisplayLine(list_.PathAt(i), i + 1, false, list_.TitleAt(i)));
    list_.AttachView(&view);
    moved_ = true;
    random_.seed(seed);
}

void PlaylistEditor::Close() {
    list_.DetachView();
    view_ = nullptr;
}

void PlaylistEditor::PushEditorSettings(Rect saved, int listPathMode) {
    saved_ = saved;
    listPathMode_ = listPathMode;
}

void PlaylistEditor::MarkCurrent(int index) {
    const auto size = static_cast<int>(list_.Size());
    if (size == 0 || index < 0 || index >= size) return;
    const int old = list_.editorCurrent;
    list_.editorCurrent = index;
    if (!view_) return;
    const auto redraw = [this](int i) {
        const auto at = static_cast<std::size_t>(i);
        view_->ReplaceLine(at, list_.DisplayLineAt(at));
    };
    if (old >= 0 && old < size && old != index) redraw(old);
    redraw(index);
}

EditorState PlaylistEditor::State() const {
    return {request_, requestedIndex_, list_.editorCurrent, listPathMode_, fileDialogOpen_};
}

void PlaylistEditor::ClearRequest() {
    request_ = EditorRequest::None;
    requestedIndex_ = 0;
}

std::vector<ControlPlace> PlaylistEditor::EditorLayout(int w, int h) {
    const int list = std::max(w - 65, 45);
    const int x = list + 10;
    const auto button = [x](EditorControl c, int y) { return ControlPlace{c, {x, y, 50, 20}}; };
    return {
        {EditorControl::List, {5, 16, list, std::max(h - 45, 242)}},
        {EditorControl::Folder, {5, std::max(h - 22, 265), std::max(w - 10, 100), 20}},
        button(EditorControl::New, 20),
        button(EditorControl::Load, 45),
        button(EditorControl::Save, 65),
        button(EditorControl::Sort, 90),
        button(EditorControl::Delete, 115),
        button(EditorControl::Up, 140),
        button(EditorControl::Down, 160),
        button(EditorControl::Random, 190),
        button(EditorControl::Options, 215),
        button(EditorControl::Close, std::max(h - 65, 235) + 10),
    };
}

void PlaylistEditor::SetDirectoryFromPath(const std::string& path) {
    // Paths without a leading "/" name no place on this system: the last folder stays.
    if (path.empty() || path.front() != '/') return;
    std::string folder = "/";
    std::size_t start = 1;
    while (start < path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        if (end > start) {
            std::string next = folder == "/" ? folder : folder + "/";
            next.append(path, start, end - start);
            std::error_code ec;
            if (!std::filesystem::is_directory(next, ec)) break;
            folder = std::move(next);
        }
        start = end + 1;
    }
    directory_ = folder;
}

void PlaylistEditor::OnDoubleClick() {
    if (!view_) return;
    const std::vector<std::size_t> selected = view_->SelectedLines();
    if (selected.empty()) return;
    const std::size_t i = selected.front();
    view_->SelectLine(i, true);
    request_ = EditorRequest::Play;
    requestedIndex_ = static_cast<int>(i);
    // The old mark goes now; the new one comes when the player opens the entry.
    const int old = list_.editorCurrent;
    if (old >= 0 && static_cast<std::size_t>(old) < list_.Size()) {
        const auto at = static_cast<std::size_t>(old);
        view_->ReplaceLine(at, DisplayLine(list_.PathAt(at), at + 1, false, list_.TitleAt(at)));
    }
    list_.editorCurrent = static_cast<int>(i);
    list_.currentRemoved = false;
}

std::optional<std::string> PlaylistEditor::EditableTitle(std::size_t index) const {
    if (index >= list_.Size() || !HasSegmentSuffix(list_.PathAt(index))) return std::nullopt;
    const std::string& title = list_.TitleAt(index);
    return title.empty() ? title : title.substr(1);
}

void PlaylistEditor::SetTitle(std::size_t index, std::string_view text) {
    if (!Editable() || !EditableTitle(index)) return;
    std::string title(text.substr(0, kMaxTitleBytes));
    // Cut at a character boundary, and kept to one line of the list file.
    if (text.size() > kMaxTitleBytes)
        while (!title.empty() && (static_cast<unsigned char>(text[title.size()]) & 0xC0) == 0x80) title.pop_back();
    std::replace_if(title.begin(), title.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    list_.SetTitleAt(index, title.empty() ? std::string() : "*" + title);
}

void PlaylistEditor::OnSelectionChanged() {
    if (!view_) return;
    const std::vector<std::size_t> selected = view_->SelectedLines();
    if (selected.empty() || selected.front() >= list_.Size()) return;
    const std::string& path = list_.PathAt(selected.front());
    const std::size_t slash = path.rfind('/');
    view_->ShowFolder(slash == std::string::npos ? std::string() : path.substr(0, slash + 1));
    SetDirectoryFromPath(path);
}

void PlaylistEditor::OnResize(int width, int height) {
    width_ = width;
    height_ = height;
    request_ = EditorRequest::Resized;
}

void PlaylistEditor::Load() {
    if (!Editable() || !dialogs_) return;
    fileDialogOpen_ = true;
    SetDirectoryFromPath(settings_.lastMediaPath);
    const std::optional<std::string> chosen = dialogs_->ChooseOpenFile(directory_);
    if (chosen && !chosen->empty()) {
        settings_.lastMediaPath = *chosen;
        if (IsListPath(*chosen))
            LoadListFile(list_, *chosen);
        else
            list_.Append(*chosen, "");
    }
    fileDialogOpen_ = false;
}

void PlaylistEditor::Save() {
    if (!view_ || !dialogs_) return;
    fileDialogOpen_ = true;
    SetDirectoryFromPath(settings_.lastListPath);
    const std::optional<std::string> chosen = dialogs_->ChooseSaveList(directory_);
    if (chosen && !chosen->empty()) {
        settings_.lastListPath = *chosen;
        if (!SaveListFile(list_, *chosen, listPathMode_)) dialogs_->TellListNotSaved(*chosen);
    }
    fileDialogOpen_ = false;
}

void PlaylistEditor::New() {
    if (!Editable()) return;
    list_.Clear();
    // The file that plays is no longer listed: what the list gets next starts at its first entry.
    list_.editorCurrent = 0;
    list_.currentRemoved = true;
}

void PlaylistEditor::Sort() {
    if (!Editable()) return;
    std::vector<std::size_t> positions = view_->SelectedLines();
    if (positions.size() < 2) {
        positions.resize(list_.Size());
        std::iota(positions.begin(), positions.end(), std::size_t{0});
    }
    const bool byName = sortMode_ >= 2;
    std::vector<std::string_view> keys;
    keys.reserve(positions.size());
    for (const std::size_t p : positions) keys.push_back(byName ? NameOf(list_.PathAt(p)) : list_.PathAt(p));
    std::vector<std::size_t> ranks = NaturalRanks(keys);
    if (sortMode_ % 2 == 1) {
        // Descending: the highest key becomes the lowest rank, equal keys still tie.
        const std::size_t top = ranks.empty() ? 0 : *std::max_element(ranks.begin(), ranks.end());
        for (std::size_t& r : ranks) r = top - r;
    }
    // Both lines of a swap were selected, and replaced lines keep their selection.
    for (const auto& [p, q] : SelectionSortSwaps(ranks)) list_.SwapEntries(positions[p], positions[q]);
    sortMode_ = (sortMode_ + 1) % kSortModes;
}

void PlaylistEditor::Random() {
    if (!Editable()) return;
    const std::size_t n = list_.Size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t r = random_() % n;
        if (r != i) list_.SwapEntries(i, r);
    }
}

void PlaylistEditor::MoveUp() {
    if (!Editable()) return;
    for (const std::size_t i : view_->SelectedLines()) {
        if (i == 0) return;
        // The entry above moves down; the current mark follows whichever entry carries it.
        list_.SwapEntries(i - 1, i);
        view_->SelectLine(i - 1, true);
        view_->SelectLine(i, false);
    }
}

void PlaylistEditor::MoveDown() {
    if (!Editable()) return;
    const std::vector<std::size_t> selected = view_->SelectedLines();
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
        const std::size_t i = *it;
        if (i + 1 >= list_.Size()) return;
        list_.SwapEntries(i, i + 1);
        view_->SelectLine(i + 1, true);
        view_->SelectLine(i, false);
    }
}

void PlaylistEditor::Delete() {
    if (!Editable()) return;
    const std::vector<std::size_t> selected = view_->SelectedLines();
    if (selected.empty()) return;
    const std::size_t first = selected.front();
    const auto before = std::count_if(selected.begin(), selected.end(), [this](std::size_t i) {
        return static_cast<int>(i) < list_.editorCurrent;
    });
    const bool currentDeleted = std::binary_search(selected.begin(), selected.end(),
                                                   static_cast<std::size_t>(std::max(list_.editorCurrent, 0)));
    for (auto it = selected.rbegin(); it != selected.rend(); ++it)
        if (*it < list_.Size()) list_.RemoveAt(*it);
    const std::size_t size = list_.Size();
    for (std::size_t i = first; i < size; ++i) view_->RenumberLine(i, i + 1);
    if (size > 0) view_->SelectLine(first >= size ? size - 1 : first, true);
    const int current = list_.editorCurrent - static_cast<int>(before);
    if (size == 0) {
        // As after a new list: whatever is added next starts at its first entry.
        list_.editorCurrent = 0;
        list_.currentRemoved = true;
    } else if (current >= static_cast<int>(size)) {
        // Nothing followed the current entry: the step after it is the list's end, as before.
        list_.editorCurrent = static_cast<int>(size) - 1;
        list_.currentRemoved = false;
    } else {
        // The entry that followed a deleted current one now stands in its place and plays next.
        list_.editorCurrent = std::max(current, 0);
        list_.currentRemoved = list_.currentRemoved || currentDeleted;
    }
}

void PlaylistEditor::Options() {
    if (!dialogs_) return;
    if (const std::optional<int> mode = dialogs_->AskListSaveOptions(listPathMode_))
        listPathMode_ = std::clamp(*mode, 0, 2);
}

}  // namespace felux
