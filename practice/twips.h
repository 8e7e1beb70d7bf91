#pragma once

#include <QRect>
#include <QSize>

// 1440 twips per inch at Qt's logical 96 dpi: 15 twips per logical pixel.
constexpr int Pixels(int twips)
{
    return (twips + (twips >= 0 ? 7 : -7)) / 15;
}

constexpr int Twips(int pixels)
{
    return pixels * 15;
}

constexpr QSize PixelsGrootte(int breedteTwips, int hoogteTwips)
{
    return {Pixels(breedteTwips), Pixels(hoogteTwips)};
}

constexpr QRect PixelsRechthoek(int links, int boven, int breedte, int hoogte)
{
    return {Pixels(links), Pixels(boven), Pixels(breedte), Pixels(hoogte)};
}
