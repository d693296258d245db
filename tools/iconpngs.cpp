// Renders the program's icon, packaging/halvex.svg, into the PNG sizes of the hicolor icon theme
// and of the window's icon. Run by the build; usage: halvex_iconpngs ICON.svg FOLDER SIZE...
// writes FOLDER/halvex-SIZE.png for each SIZE.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    const QGuiApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: halvex_iconpngs ICON.svg FOLDER SIZE...\n");
        return 2;
    }
    QSvgRenderer icon(QString::fromLocal8Bit(argv[1]));
    if (!icon.isValid()) {
        std::fprintf(stderr, "halvex_iconpngs: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "halvex_iconpngs: cannot make %s\n", argv[2]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        const QString file = folder.filePath(QStringLiteral("halvex-%1.png").arg(size));
        if (size <= 0) {
            std::fprintf(stderr, "halvex_iconpngs: %s is no size\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        icon.render(&painter);
        painter.end();
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "halvex_iconpngs: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
