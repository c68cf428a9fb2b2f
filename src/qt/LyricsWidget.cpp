// The lyrics view's widget: paints the frame the player composed, in the video window's place.
#include "qt/LyricsWidget.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

#include "qt/QtTextPainter.h"
#include "skin/SkinLayout.h"

namespace felux {
namespace {

QColor ColourOf(Rgb c, int alpha = 255) { return QColor(c.r, c.g, c.b, alpha); }

// Sizes follow the window, so the words read across a room in a large one.
constexpr double kCurrentPerHeight = 1.0 / 9;
constexpr double kAroundShare = 0.6;
constexpr int kDimAlpha = 120;
constexpr int kMinPixels = 8;
// A line too wide at full size shrinks this far before it runs along with its fill.
constexpr double kMinShrink = 0.5;
constexpr double kLitEdgeAt = 2.0 / 3;

int CharIndex(const std::string& text, std::size_t bytes) {
    return static_cast<int>(QString::fromUtf8(text.data(), static_cast<qsizetype>(std::min(bytes, text.size()))).size());
}

}  // namespace

LyricsWidget::LyricsWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void LyricsWidget::SetSource(std::function<const LyricsFrame&()> frame, std::function<std::string()> face) {
    frame_ = std::move(frame);
    face_ = std::move(face);
}

void LyricsWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ColourOf(skin::kDarkColour));
    if (!frame_) return;
    const LyricsFrame& frame = frame_();
    const qreal margin = width() / 20.0;
    const qreal room = std::max<qreal>(1, width() - 2 * margin);

    QFont font;
    if (face_) font.setFamily(QtTextPainter::SubstituteFace(QString::fromStdString(face_())));
    const int full = std::max(kMinPixels, static_cast<int>(height() * kCurrentPerHeight));

    // The current line, shrunk to fit down to a floor.
    const QString current = QString::fromUtf8(frame.current.data(), static_cast<qsizetype>(frame.current.size()));
    font.setPixelSize(full);
    QTextLayout layout(current, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) line.setLineWidth(1e9);
    layout.endLayout();
    qreal natural = line.isValid() ? line.naturalTextWidth() : 0;
    if (natural > room) {
        const int fitted = std::max({kMinPixels, static_cast<int>(full * kMinShrink), static_cast<int>(full * room / natural)});
        font.setPixelSize(fitted);
        layout.setFont(font);
        layout.beginLayout();
        line = layout.createLine();
        if (line.isValid()) line.setLineWidth(1e9);
        layout.endLayout();
        natural = line.isValid() ? line.naturalTextWidth() : 0;
    }
    qreal litEdge = 0;
    if (line.isValid()) {
        for (const LyricsWord& w : frame.words) {
            if (w.litPercent <= 0) continue;
            const qreal x0 = line.cursorToX(CharIndex(frame.current, w.from));
            const qreal x1 = line.cursorToX(CharIndex(frame.current, w.to));
            litEdge = std::max(litEdge, x0 + (x1 - x0) * w.litPercent / 100);
        }
    }
    // A line wider than the view runs along so that its lit edge stays in sight.
    const qreal scroll = natural > room ? std::clamp(litEdge - room * kLitEdgeAt, 0.0, natural - room) : 0;
    const qreal left = natural > room ? margin - scroll : margin + (room - natural) / 2;
    const qreal lineHeight = QFontMetricsF(font).height();
    const qreal top = (height() - lineHeight) / 2;
    if (line.isValid()) {
        painter.save();
        painter.setClipRect(QRectF(margin, 0, room, height()));
        painter.setPen(ColourOf(skin::kLightColour));
        line.draw(&painter, QPointF(left, top));
        painter.setClipRect(QRectF(left, 0, litEdge, height()).intersected(QRectF(margin, 0, room, height())));
        painter.setPen(ColourOf(skin::kOrangeColour));
        line.draw(&painter, QPointF(left, top));
        painter.restore();
    }

    // The rows around it, smaller and dim, cut short with an ellipsis.
    QFont around = font;
    around.setPixelSize(std::max(kMinPixels, static_cast<int>(full * kAroundShare)));
    painter.setFont(around);
    painter.setPen(ColourOf(skin::kLightColour, kDimAlpha));
    const QFontMetricsF metrics(around);
    const qreal step = metrics.height() * 1.15;
    auto drawAround = [&](const std::string& text, qreal y) {
        const QString shown = metrics.elidedText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                                                 Qt::ElideRight, room);
        painter.drawText(QRectF(margin, y, room, metrics.height()), Qt::AlignHCenter | Qt::AlignTop, shown);
    };
    qreal y = top - step;
    for (auto it = frame.before.rbegin(); it != frame.before.rend(); ++it, y -= step) drawAround(*it, y);
    y = top + lineHeight * 1.15;
    for (const std::string& text : frame.after) {
        drawAround(text, y);
        y += step;
    }
}

}  // namespace felux
