// Qt adapter of the text port: draws a line black on white into a DibImage band with QPainter.
#include "qt/QtTextPainter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <array>
#include <utility>

#include "skin/DibImage.h"

namespace felux {
namespace {

// No line of the panel or the video strip shows more; bounds the work a
// damaged index file can cause.
constexpr qsizetype kMaxTextUnits = 4096;
// Font sizes from a damaged settings file stay drawable.
constexpr int kMaxPixelSize = 512;

QString TextOf(std::string_view utf8) {
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    if (text.size() > kMaxTextUnits) text.truncate(kMaxTextUnits);
    return text;
}

TextExtent ExtentOf(const QFontMetrics& metrics, const QString& text) {
    if (text.isEmpty()) return {0, metrics.height()};
    return {metrics.horizontalAdvance(text), metrics.height()};
}

}  // namespace

QString QtTextPainter::SubstituteFace(const QString& face) {
    static const std::array<std::pair<const char*, const char*>, 8> kFaces{{
        {"ＭＳ Ｐゴシック", "IPAPGothic"},
        {"MS PGothic", "IPAPGothic"},
        {"ＭＳ ゴシック", "IPAGothic"},
        {"MS Gothic", "IPAGothic"},
        {"ＭＳ Ｐ明朝", "IPAPMincho"},
        {"MS PMincho", "IPAPMincho"},
        {"ＭＳ 明朝", "IPAMincho"},
        {"MS Mincho", "IPAMincho"},
    }};
    for (const auto& [from, to] : kFaces)
        if (face == QString::fromUtf8(from)) return QString::fromUtf8(to);
    return face;
}

QFont QtTextPainter::ToQFont(const TextFont& font) {
    QFont q;
    const QString face = QString::fromUtf8(font.face.data(), static_cast<qsizetype>(font.face.size()));
    if (!face.isEmpty()) {
        const QString substitute = SubstituteFace(face);
        q.setFamilies(substitute == face ? QStringList{face} : QStringList{substitute, face});
    }
    if (font.height < 0) {
        // Negated wide, so that the most negative int cannot overflow.
        q.setPixelSize(static_cast<int>(std::min(-static_cast<long long>(font.height), static_cast<long long>(kMaxPixelSize))));
    } else if (font.height > 0) {
        // A cell height: find the character size whose cell comes out that tall.
        const int cell = std::min(font.height, kMaxPixelSize);
        q.setPixelSize(cell);
        const int measured = QFontMetrics(q).height();
        if (measured > cell) q.setPixelSize(std::max(1, cell * cell / measured));
    }
    const int weight = font.weight <= 0 ? 400 : std::clamp(font.weight, 100, 900);
    q.setWeight(static_cast<QFont::Weight>(weight));
    q.setItalic(font.italic);
    // Crisp pixels: the panel keys text on pure white and black, and grey
    // fringes would show as halos on the coloured strips.
    q.setStyleStrategy(QFont::NoAntialias);
    return q;
}

TextExtent QtTextPainter::Measure(std::string_view utf8, const TextFont& font) {
    return ExtentOf(QFontMetrics(ToQFont(font)), TextOf(utf8));
}

TextExtent QtTextPainter::Draw(DibImage& image, int x, int y, std::string_view utf8, const TextFont& font) {
    const QFont q = ToQFont(font);
    const QFontMetrics metrics(q);
    const QString text = TextOf(utf8);
    const TextExtent extent = ExtentOf(metrics, text);
    if (image.Empty() || extent.width <= 0) return extent;
    // Painted in place: a QImage over the image's own rows, blue-green-red as it stores them.
    QImage target(image.TopRow(), image.Width(), image.Height(), static_cast<qsizetype>(image.Stride()),
                  QImage::Format_BGR888);
    QPainter painter(&target);
    painter.setFont(q);
    painter.fillRect(QRect(x, y, extent.width, extent.height), Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
    return extent;
}

}  // namespace felux
