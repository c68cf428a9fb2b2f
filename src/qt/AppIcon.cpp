// The program's icon, drawn in code: a double ring on a dark square.
#include "qt/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace felux {

QPixmap DrawAppIcon(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x1c, 0x1f, 0x26));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    QPen ring(QColor(0xff, 0x9a, 0x1f));
    ring.setWidthF(size / 12.0);
    p.setPen(ring);
    p.setBrush(Qt::NoBrush);
    const qreal m = size / 6.0;
    p.drawEllipse(QRectF(m, m, size - 2 * m, size - 2 * m));
    p.drawEllipse(QRectF(size * 0.36, size * 0.36, size * 0.28, size * 0.28));
    p.end();
    return pm;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) icon.addPixmap(DrawAppIcon(size));
    return icon;
}

}  // namespace felux
