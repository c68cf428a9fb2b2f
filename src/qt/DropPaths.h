// The local paths of a drag's file URLs, as the bytes the file system uses.
#pragma once

#include <string>
#include <vector>

#include <Qt>

class QMimeData;

namespace felux {

// The drag's text/uri-list read as the command line reads file:// URLs: other hosts, NULs and
// other schemes are left out; names that are not valid UTF-8 keep their bytes.
std::vector<std::string> DropPaths(const QMimeData* data);

// 1 left, 2 right, 0 neither: the button held while the drag moves, which is
// already up when the drop itself arrives.
int DragButton(Qt::MouseButtons buttons);

}  // namespace felux
