// Qt adapter of the pixel port: draws borrowed 24-bit pixels through a QPainter.
#include "qt/QtPixelSink.h"

#include <QImage>
#include <vector>

#include "skin/DeviceScale.h"

namespace felux {

void QtPixelSink::Present(const PixelView& pixels, Rect target) {
    if (!pixels.first || pixels.width <= 0 || pixels.height <= 0 || target.width <= 0 || target.height <= 0) return;
    // QImage steps rows forward only, and each row must hold the whole width.
    if (pixels.rowStep < static_cast<std::ptrdiff_t>(pixels.width) * 3) return;
    const QImage image(pixels.first, pixels.width, pixels.height, static_cast<qsizetype>(pixels.rowStep),
                       QImage::Format_BGR888);
    const double scale = painter_.device() ? painter_.device()->devicePixelRatioF() : 1.0;
    const ScalePlan plan = PlanScale({pixels.width, pixels.height}, {target.width, target.height}, scale);
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (plan.stretch) {
        painter_.drawImage(QRect(target.x, target.y, target.width, target.height), image);
    } else {
        // Made at the device's own size and put down pixel for pixel, so that Qt scales nothing.
        QImage shown = image.scaled(pixels.width * plan.wholeX, pixels.height * plan.wholeY, Qt::IgnoreAspectRatio,
                                    Qt::FastTransformation);
        std::vector<unsigned char> averaged;
        if (plan.average) {
            // Qt's smooth scaling weighs pixels unevenly; the panel's own average keeps strokes even.
            const PixelView whole{shown.constBits(), shown.width(), shown.height(), shown.bytesPerLine()};
            averaged = AverageDown(whole, plan.device, plan.exactMilli);
            if (averaged.empty()) {
                painter_.restore();
                return;
            }
            shown = QImage(averaged.data(), plan.device.width, plan.device.height,
                           static_cast<qsizetype>(plan.device.width) * 3, QImage::Format_BGR888);
        }
        shown.setDevicePixelRatio(scale);
        painter_.drawImage(QPointF(target.x, target.y), shown);
    }
    painter_.restore();
}

}  // namespace felux
