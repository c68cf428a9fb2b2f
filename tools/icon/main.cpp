// felux_icon_tool OUTDIR SIZE...: writes OUTDIR/SIZExSIZE/apps/felux.png for the icon theme.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "qt/AppIcon.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fputs("usage: felux_icon_tool OUTDIR SIZE...\n", stderr);
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        if (size < 16 || size > 1024) return 2;
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (!QDir().mkpath(dir) || !felux::DrawAppIcon(size).save(dir + QStringLiteral("/felux.png"))) return 1;
    }
    return 0;
}
