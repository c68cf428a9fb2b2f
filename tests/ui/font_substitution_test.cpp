// The Windows font names a settings file may hold resolve to IPA fonts, in fontconfig and in Qt.
#include <QFontInfo>
#include <QGuiApplication>
#include <QTest>
#include <fontconfig/fontconfig.h>

#include "qt/FontSubstitution.h"

namespace {

QString MatchedFamily(const char* family) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(""));
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    QString out;
    FcChar8* name = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch)
        out = QString::fromUtf8(reinterpret_cast<const char*>(name));
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return out;
}

}  // namespace

class FontSubstitutionTest : public QObject {
    Q_OBJECT

private slots:
    void WindowsNamesMatchIpaFonts() {
        QCOMPARE(MatchedFamily("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
        QCOMPARE(MatchedFamily("MS PGothic"), QStringLiteral("IPAPGothic"));
        QCOMPARE(MatchedFamily("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
        QCOMPARE(MatchedFamily("MS UI Gothic"), QStringLiteral("IPAPGothic"));
        // Mincho where it is installed, else the Gothic of the same pitch.
        const QString mincho = MatchedFamily("ＭＳ 明朝");
        QVERIFY2(mincho == QLatin1String("IPAMincho") || mincho == QLatin1String("IPAGothic"), qPrintable(mincho));
        // Other names keep their own fonts.
        QCOMPARE(MatchedFamily("DejaVu Sans"), QStringLiteral("DejaVu Sans"));
    }

    // Qt asks fontconfig for a family it does not know: the one name alone reaches the IPA font.
    void QtFindsTheIpaFontByTheWindowsName() {
        QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
        font.setPixelSize(13);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("IPAPGothic"));
        QFont fixed(QStringLiteral("MS Gothic"));
        QCOMPARE(QFontInfo(fixed).family(), QStringLiteral("IPAGothic"));
    }
};

int main(int argc, char** argv) {
    felux::SubstituteWindowsFonts();
    QGuiApplication app(argc, argv);
    FontSubstitutionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "font_substitution_test.moc"
