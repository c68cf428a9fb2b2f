// The playlist store: entry paths and titles, count, current marks and the editor's display lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace felux {

// The editor's list of display lines, one per entry in playlist order, with its
// selection and the folder field under it. Attached only while the editor window
// exists; the editor fills it itself on opening.
class PlaylistView {
public:
    virtual ~PlaylistView() = default;
    // Inserted lines are unselected; the lines after keep their selection.
    virtual void InsertLine(std::size_t index, const std::string& line) = 0;
    virtual void DeleteLine(std::size_t index) = 0;
    // A replaced line keeps its selected state.
    virtual void ReplaceLine(std::size_t index, const std::string& line) = 0;
    // Overwrites only the number field of the line (see RenumberDisplayLine).
    virtual void RenumberLine(std::size_t index, std::size_t number) = 0;
    // Selected lines, ascending.
    virtual std::vector<std::size_t> SelectedLines() const = 0;
    virtual void SelectLine(std::size_t index, bool selected) = 0;
    virtual void ShowFolder(const std::string& folder) = 0;
};

// " %04d name.ext" or, for the current entry, ">%04d name.ext"; name.ext is
// everything after the path's last "/". A segment entry shows its times in place of the
// suffix and its title after them: " 0003 name.ext  1:05.20–1:12.00  title".
std::string DisplayLine(std::string_view path, std::size_t number, bool current, std::string_view title = {});

// Replaces the digits after the mark with number as %04d, keeping the mark and
// the text after the blank; used by views to renumber an entry that only moved.
void RenumberDisplayLine(std::string& line, std::size_t number);

// True when the path names a regular file that can be opened for reading, or is a stream URL:
// whether a stream answers only the engine can tell, within its bounded open.
bool EntryOpens(const std::string& path);

class Playlist {
public:
    std::size_t Size() const { return paths_.size(); }
    int Count() const { return static_cast<int>(paths_.size()); }
    const std::string& PathAt(std::size_t i) const { return paths_[i]; }
    const std::string& TitleAt(std::size_t i) const { return titles_[i]; }

    // Appends one entry; with a view attached it also gets its display line.
    void Append(std::string path, std::string title);
    void AppendPath(std::string path) { Append(std::move(path), {}); }
    // The title as stored ("*" and its text, or empty); an attached view shows it.
    void SetTitleAt(std::size_t i, std::string title);
    // Deletes the entry and its display line; later lines keep their numbers.
    void RemoveAt(std::size_t i);
    void Clear();

    // Deletes entries from start on while they do not open (segment suffix
    // ignored); true when the entry left at start opens. Renumbers the moved
    // lines and keeps editorCurrent below Size(). count is not touched.
    bool RemoveMissing(std::size_t start);
    // Exchanges two entries; editorCurrent and the ">" mark follow the entry (while the
    // current entry is gone, editorCurrent stays where it is).
    void SwapEntries(std::size_t i, std::size_t j);
    // Ascending in natural order (NaturalOrder.h), over [first, min(end, Size())): the
    // exact result (and swaps) of a selection sort taking the first of equal
    // minima, in O(n log n) comparisons.
    void SortRange(std::size_t first, std::size_t end);

    // Attaching sends nothing: the editor fills its lines from DisplayLineAt when it opens.
    void AttachView(PlaylistView* view) { view_ = view; }
    void DetachView() { view_ = nullptr; }
    // The line entry i would get now, marked when i == editorCurrent and the current entry is listed.
    std::string DisplayLineAt(std::size_t i) const;

    int currentIndex = 0;   // the main window's current entry
    int editorCurrent = 0;  // the editor's copy while it is open
    // The current entry was deleted, or the list was emptied or started anew by the user: the
    // entry now at the current index is the next to play, not the one after it, and no line
    // carries the mark.
    bool currentRemoved = false;

private:
    std::vector<std::string> paths_;
    std::vector<std::string> titles_;
    PlaylistView* view_ = nullptr;
};

}  // namespace felux
