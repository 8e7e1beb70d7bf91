#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

// Renders an SVG picture as a PNG of the given size, for pictures that must be on screen before the SVG machinery
// is loaded (the start window) and for the icon sizes desktops look for: maak_png bron.svg doel.png breedte hoogte
int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fputs("gebruik: maak_png bron.svg doel.png breedte hoogte\n", stderr);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const QSize grootte(QString::fromLocal8Bit(argv[3]).toInt(), QString::fromLocal8Bit(argv[4]).toInt());
    if (!svg.isValid() || grootte.isEmpty())
        return 1;
    QImage beeld(grootte, QImage::Format_ARGB32_Premultiplied);
    beeld.fill(Qt::transparent);
    QPainter schilder(&beeld);
    svg.render(&schilder);
    schilder.end();
    return beeld.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
