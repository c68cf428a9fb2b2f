// Qt adapter of the pixel port: draws borrowed 24-bit pixels through a QPainter.
#include "qt/QtPixelSink.h"

#include <QImage>

namespace felux {

void QtPixelSink::Present(const PixelView& pixels, Rect target) {
    if (!pixels.first || pixels.width <= 0 || pixels.height <= 0 || target.width <= 0 || target.height <= 0) return;
    // QImage steps rows forward only, and each row must hold the whole width.
    if (pixels.rowStep < static_cast<std::ptrdiff_t>(pixels.width) * 3) return;
    const QImage image(pixels.first, pixels.width, pixels.height, static_cast<qsizetype>(pixels.rowStep),
                       QImage::Format_BGR888);
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.drawImage(QRect(target.x, target.y, target.width, target.height), image);
    painter_.restore();
}

}  // namespace felux
