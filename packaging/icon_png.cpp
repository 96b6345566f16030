// Writes the main window's icon as the 32 x 32 PNG that desktop menus show.
#include <cstdio>

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ICON.ico OUT.png\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "minimal");
    QGuiApplication app(argc, argv);
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    QImage best;
    do {
        const QImage image = reader.read();
        if (!image.isNull() && image.width() >= best.width())
            best = image;
    } while (reader.jumpToNextImage());
    if (best.isNull() || !best.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: cannot turn %s into %s\n", argv[0], argv[1], argv[2]);
        return 1;
    }
    return 0;
}
