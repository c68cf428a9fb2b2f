// Qt adapter of the pixel port: draws borrowed 24-bit pixels through a QPainter.
#pragma once

#include <QPainter>

#include "platform/PixelSink.h"

namespace felux {

// Lives only as long as the painter it draws with, that is inside one paint
// event. The panel's paint event shows the renderer's canvas like this:
//
//     void PanelWidget::paintEvent(QPaintEvent*) {
//         QPainter painter(this);
//         QtPixelSink sink(painter);
//         renderer.PaintTo(sink);  // canvas (0,0) 407 x 93 to the panel's (0,0)
//     }
//
// and tells the player it painted (Player::OnPanelPainted). The pixels are wrapped, not
// copied: a QImage in BGR888 over the image's own rows.
class QtPixelSink : public PixelSink {
public:
    explicit QtPixelSink(QPainter& painter) : painter_(painter) {}
    // Scales to fill target with nearest-pixel sampling, as the strip under the
    // video is stretched; an unscaled target copies the pixels exactly. On a
    // desktop scaled above 1 the pixels go through PlanScale instead.
    void Present(const PixelView& pixels, Rect target) override;

private:
    QPainter& painter_;
};

}  // namespace felux
