#include "gif.h"

#include <gif_lib.h>

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

namespace {

constexpr int PaletGrootte = 256;
// The flat fills and the steps of a gradient cover many pixels each; they keep their exact colour. Only the few
// pixels between them (anti-aliased edges) share the colours a median cut finds for them.
constexpr int HoogstensExact = 176;
constexpr double ExactVanaf = 0.0008; // of all pixels

struct GifSluiter
{
    void operator()(GifFileType* gif) const
    {
        int fout = 0;
        EGifCloseFile(gif, &fout);
    }
};

struct KaartVrijgever
{
    void operator()(ColorMapObject* kaart) const { GifFreeMapObject(kaart); }
};

GifColorType Kleur(QRgb rgb)
{
    return {static_cast<GifByteType>(qRed(rgb)), static_cast<GifByteType>(qGreen(rgb)),
        static_cast<GifByteType>(qBlue(rgb))};
}

std::vector<GifColorType> ExacteKleuren(const std::unordered_map<QRgb, int>& telling, int pixels)
{
    std::vector<std::pair<int, QRgb>> volgorde;
    for (const auto& [kleur, aantal] : telling)
        volgorde.emplace_back(aantal, kleur);
    std::sort(volgorde.begin(), volgorde.end(), std::greater<>());
    std::vector<GifColorType> palet;
    for (const auto& [aantal, kleur] : volgorde) {
        if (static_cast<int>(palet.size()) == HoogstensExact || aantal < ExactVanaf * pixels)
            break;
        palet.push_back(Kleur(kleur));
    }
    return palet;
}

// Adds colours for the pixels the exact colours do not cover, found by a median cut over just those pixels.
bool VulAan(std::vector<GifColorType>& palet, const std::vector<QRgb>& rest)
{
    int aantal = PaletGrootte - static_cast<int>(palet.size());
    if (rest.empty() || aantal <= 0)
        return true;
    std::vector<GifByteType> rood, groen, blauw;
    for (const QRgb kleur : rest) {
        rood.push_back(static_cast<GifByteType>(qRed(kleur)));
        groen.push_back(static_cast<GifByteType>(qGreen(kleur)));
        blauw.push_back(static_cast<GifByteType>(qBlue(kleur)));
    }
    std::vector<GifByteType> index(rest.size());
    std::vector<GifColorType> extra(static_cast<std::size_t>(aantal));
    if (GifQuantizeBuffer(static_cast<unsigned>(rest.size()), 1, &aantal, rood.data(), groen.data(), blauw.data(),
            index.data(), extra.data())
        == GIF_ERROR)
        return false;
    palet.insert(palet.end(), extra.begin(), extra.begin() + aantal);
    return true;
}

GifByteType Dichtste(const std::vector<GifColorType>& palet, QRgb kleur)
{
    std::size_t beste = 0;
    int kleinste = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < palet.size(); ++i) {
        const int dr = palet[i].Red - qRed(kleur), dg = palet[i].Green - qGreen(kleur),
                  db = palet[i].Blue - qBlue(kleur);
        const int afstand = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (afstand < kleinste) {
            kleinste = afstand;
            beste = i;
        }
    }
    return static_cast<GifByteType>(beste);
}

// The palette and every pixel's index in it.
bool Kwantiseer(const QImage& beeld, std::vector<GifColorType>& palet, std::vector<GifByteType>& index)
{
    const int pixels = beeld.width() * beeld.height();
    const auto* bron = reinterpret_cast<const QRgb*>(beeld.constBits());
    std::unordered_map<QRgb, int> telling;
    for (int i = 0; i < pixels; ++i)
        ++telling[bron[i] | 0xff000000u];
    palet = ExacteKleuren(telling, pixels);
    std::unordered_map<QRgb, GifByteType> keuze;
    for (std::size_t i = 0; i < palet.size(); ++i)
        keuze[qRgb(palet[i].Red, palet[i].Green, palet[i].Blue)] = static_cast<GifByteType>(i);
    std::vector<QRgb> rest;
    for (int i = 0; i < pixels; ++i) {
        if (!keuze.contains(bron[i] | 0xff000000u))
            rest.push_back(bron[i] | 0xff000000u);
    }
    if (!VulAan(palet, rest))
        return false;
    index.resize(static_cast<std::size_t>(pixels));
    for (int i = 0; i < pixels; ++i) {
        const QRgb kleur = bron[i] | 0xff000000u;
        auto gevonden = keuze.find(kleur);
        if (gevonden == keuze.end())
            gevonden = keuze.emplace(kleur, Dichtste(palet, kleur)).first;
        index[static_cast<std::size_t>(i)] = gevonden->second;
    }
    palet.resize(PaletGrootte, GifColorType {0, 0, 0});
    return true;
}

} // namespace

bool SchrijfGif(const QImage& beeld, const QString& pad)
{
    const QImage rgb = beeld.convertToFormat(QImage::Format_RGB32);
    std::vector<GifColorType> palet;
    std::vector<GifByteType> index;
    if (!Kwantiseer(rgb, palet, index))
        return false;
    const std::unique_ptr<ColorMapObject, KaartVrijgever> kaart(GifMakeMapObject(PaletGrootte, palet.data()));
    int fout = 0;
    const std::unique_ptr<GifFileType, GifSluiter> gif(EGifOpenFileName(pad.toLocal8Bit().constData(), false, &fout));
    if (!gif || !kaart)
        return false;
    const int breedte = rgb.width(), hoogte = rgb.height();
    if (EGifPutScreenDesc(gif.get(), breedte, hoogte, 8, 0, kaart.get()) == GIF_ERROR
        || EGifPutImageDesc(gif.get(), 0, 0, breedte, hoogte, false, nullptr) == GIF_ERROR)
        return false;
    for (int y = 0; y < hoogte; ++y) {
        if (EGifPutLine(gif.get(), index.data() + static_cast<std::ptrdiff_t>(y) * breedte, breedte) == GIF_ERROR)
            return false;
    }
    return true;
}
