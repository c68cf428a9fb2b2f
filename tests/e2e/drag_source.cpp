// A drag source for the end-to-end tests: a small window that drags its arguments as file URLs.
// Usage: felux_drag_source X Y PATH...; a press on the window starts the drag; the program ends
// two seconds after the drop. It prints "accepted" when a target takes the drag, as a hand sees
// the pointer change: only a target that heard of the drag while the button was held knows it.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

class DragSource : public QWidget {
public:
    explicit DragSource(QList<QUrl> urls) : urls_(std::move(urls)) {
        setWindowTitle(QStringLiteral("felux drag source"));
        setFixedSize(120, 80);
    }

protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* drag = new QDrag(this);
        auto* mime = new QMimeData;
        mime->setUrls(urls_);
        drag->setMimeData(mime);
        QObject::connect(drag, &QDrag::actionChanged, [](Qt::DropAction action) {
            if (action == Qt::IgnoreAction) return;
            std::printf("accepted\n");
            std::fflush(stdout);
        });
        const Qt::DropAction done = drag->exec(Qt::CopyAction | Qt::LinkAction, Qt::CopyAction);
        std::printf("%s\n", done == Qt::IgnoreAction ? "ignored" : "dropped");
        std::fflush(stdout);
        // The target fetches the data after the drop: stay a moment to hand it over.
        QTimer::singleShot(2000, [done] { QCoreApplication::exit(done == Qt::IgnoreAction ? 1 : 0); });
    }

private:
    QList<QUrl> urls_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 4) return 2;
    QList<QUrl> urls;
    for (int i = 3; i < argc; ++i) urls.append(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[i])));
    DragSource source(urls);
    source.move(std::atoi(argv[1]), std::atoi(argv[2]));
    source.show();
    return app.exec();
}
