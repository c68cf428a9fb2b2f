// Qt adapter of the text port: draws a line black on white into a DibImage band with QPainter.
#pragma once

#include <QFont>
#include <QString>

#include "platform/TextPainter.h"

namespace felux {

// Needs a QGuiApplication (fonts). Japanese faces of the settings file are
// substituted by the IPA fonts: "ＭＳ Ｐゴシック" draws in IPAPGothic.
class QtTextPainter : public TextPainter {
public:
    TextExtent Draw(DibImage& image, int x, int y, std::string_view utf8, const TextFont& font) override;
    TextExtent Measure(std::string_view utf8, const TextFont& font) override;

    // The font record as a QFont: a negative height is the character height
    // in pixels, a positive one the cell height (ascent + descent), 0 the
    // default size; weight 100-900 as in the record (0 counts as normal).
    static QFont ToQFont(const TextFont& font);
    // The installed face that stands in for a face of the settings file.
    static QString SubstituteFace(const QString& face);
};

}  // namespace felux
