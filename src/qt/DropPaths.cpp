// The local paths of a drag's file URLs, as the bytes the file system uses.
#include "qt/DropPaths.h"

#include <QMimeData>
#include <QUrl>

namespace felux {

std::vector<std::string> DropPaths(const QMimeData* data) {
    std::vector<std::string> paths;
    if (!data || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        // The encoded path keeps every byte as a percent escape, whatever its encoding.
        const QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        if (!bytes.isEmpty()) paths.emplace_back(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    return paths;
}

int DragButton(Qt::MouseButtons buttons) {
    if (buttons & Qt::RightButton) return 2;
    if (buttons & Qt::LeftButton) return 1;
    return 0;
}

}  // namespace felux
