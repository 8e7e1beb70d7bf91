#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

// Renders the program's SVG icon as PNG files of the sizes desktops look for: maak_iconen icon.svg outdir 16 32 ...
int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fputs("gebruik: maak_iconen icoon.svg map grootte...\n", stderr);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid())
        return 1;
    for (int i = 3; i < argc; ++i) {
        const int grootte = QString::fromLocal8Bit(argv[i]).toInt();
        QImage beeld(grootte, grootte, QImage::Format_ARGB32_Premultiplied);
        beeld.fill(Qt::transparent);
        QPainter schilder(&beeld);
        svg.render(&schilder);
        schilder.end();
        if (!beeld.save(QString::fromLocal8Bit(argv[2]) + QStringLiteral("/tallora-%1.png").arg(grootte)))
            return 1;
    }
    return 0;
}
