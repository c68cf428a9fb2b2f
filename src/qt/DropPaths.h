// The local paths of a drag's file URLs, as the bytes the file system uses.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <Qt>

#include "model/MouseButton.h"

class QMimeData;

namespace felux {

// The drag's text/uri-list read as the command line reads file:// URLs: other hosts, NULs and
// other schemes are left out; names that are not valid UTF-8 keep their bytes.
std::vector<std::string> DropPaths(const QMimeData* data);

// The button held while the drag moves (right before left), which is already up when the drop
// itself arrives; nullopt for neither.
std::optional<MouseButton> DragButton(Qt::MouseButtons buttons);

}  // namespace felux
