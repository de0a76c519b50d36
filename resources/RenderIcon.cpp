// Draws the program's SVG icon as PNG images, one per size, the way the program's SVG
// engine draws it, so that a window can show the icon without loading that engine.
// Usage: tarvo_render_icon SVG OUTPUT_DIR SIZE...   (writes OUTPUT_DIR/SIZE.png)
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s SVG OUTPUT_DIR SIZE...\n", argv[0]);
        return 2;
    }
    // Run at build time, where there may be no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QIcon icon(QString::fromLocal8Bit(argv[1]));
    const QDir output(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        // As a window manager gets it: straight, not premultiplied, alpha.
        const QImage image =
            icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        const QString path = output.filePath(QStringLiteral("%1.png").arg(size));
        if (size <= 0 || image.size() != QSize(size, size) || !image.save(path, "PNG")) {
            std::fprintf(stderr, "%s: cannot draw %s at %s pixels into %s\n", argv[0], argv[1],
                         argv[i], qPrintable(path));
            return 1;
        }
    }
    return 0;
}
