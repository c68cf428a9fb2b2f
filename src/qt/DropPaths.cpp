// The local paths of a drag's file URLs, as the bytes the file system uses.
#include "qt/DropPaths.h"

#include <QMimeData>

#include "app/UriList.h"

namespace felux {

std::vector<std::string> DropPaths(const QMimeData* data) {
    // The list as sent, not Qt's URLs: those take any host's files and an escaped NUL.
    const QString uriList = QStringLiteral("text/uri-list");
    if (!data || !data->hasFormat(uriList)) return {};
    const QByteArray list = data->data(uriList);
    return UriListPaths(std::string_view(list.constData(), static_cast<std::size_t>(list.size())));
}

std::optional<MouseButton> DragButton(Qt::MouseButtons buttons) {
    if (buttons & Qt::RightButton) return MouseButton::Right;
    if (buttons & Qt::LeftButton) return MouseButton::Left;
    return std::nullopt;
}

}  // namespace felux
