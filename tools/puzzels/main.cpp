// Paints the forty puzzle pictures and writes them as puzzels/1.gif ... puzzels/40.gif.
// Usage: maak_puzzels <folder>

#include "gif.h"
#include "taferelen.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

constexpr int Zijde = 480;

QImage Schilder(const Tafereel& tafereel)
{
    QImage beeld(Zijde, Zijde, QImage::Format_RGB32);
    beeld.fill(Qt::white);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Zijde / 100.0, Zijde / 100.0);
    tafereel.teken(p);
    return beeld;
}

std::vector<Tafereel> AlleTaferelen()
{
    std::vector<Tafereel> alle;
    for (const auto& groep :
        {Huisdieren(), WildeDieren(), KleineDieren(), Voertuigen(), Onderweg(), Landschappen(), Plekken(), Vormen()})
        alle.insert(alle.end(), groep.begin(), groep.end());
    return alle;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "gebruik: %s <map>\n", argv[0]);
        return 2;
    }
    const QDir map(QString::fromLocal8Bit(argv[1]));
    const std::vector<Tafereel> taferelen = AlleTaferelen();
    for (std::size_t i = 0; i < taferelen.size(); ++i) {
        const QString pad = map.filePath(QStringLiteral("%1.gif").arg(i + 1));
        if (!SchrijfGif(Schilder(taferelen[i]), pad)) {
            std::fprintf(stderr, "kan %s niet schrijven\n", qPrintable(pad));
            return 1;
        }
        std::printf("%s  %s\n", qPrintable(pad), taferelen[i].naam);
    }
    return 0;
}
