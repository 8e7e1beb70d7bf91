#pragma once

#include "blad.h"

#include <QFontMetricsF>

#include <array>

// The most digits that a range puts in an exercise's left and right number and in its answer
// (Hoofdrekenen at its largest maximum, 100000: "100000-99999", "= 100000").
struct Bereik
{
    const char* naam;
    int links;
    int rechts;
    int uitkomst;
};

inline constexpr std::array<Bereik, 7> Bereiken {{
    {"Hoofdrekenen", 6, 5, 6},
    {"Tafels", 3, 2, 3},
    {"Tot 20", 2, 2, 2},
    {"Tot 100", 3, 2, 3},
    {"Tot 1000", 4, 3, 4},
    {"Tot 10.000", 4, 4, 5},
    {"Tot 100.000", 5, 5, 5},
}};

// The widest number of this many digits in a font: its widest digit throughout, behind its widest
// non-zero one. Widths differ per digit ("0" is wider than "9" in Comic Neue).
inline std::int64_t BreedsteGetal(const QFontMetricsF& maten, int cijfers)
{
    const auto breedste = [&maten](char van) {
        char beste = van;
        for (char c = van; c <= '9'; ++c)
            if (maten.horizontalAdvance(QChar(c)) > maten.horizontalAdvance(QChar(beste)))
                beste = c;
        return beste;
    };
    return (QString(QChar(breedste('1'))) + QString(cijfers - 1, QChar(breedste('0')))).toLongLong();
}

// The widest exercise a range can make in a font, with the widest operator and answer.
inline BladOpgave BreedsteOpgave(const Bereik& bereik, const QFontMetricsF& maten)
{
    BladOpgave opgave;
    opgave.Links = BreedsteGetal(maten, bereik.links);
    opgave.Rechts = BreedsteGetal(maten, bereik.rechts);
    opgave.Uitkomst = BreedsteGetal(maten, bereik.uitkomst);
    opgave.Bewerking = QStringLiteral("+");
    for (const char* teken : {"-", "x", ":"})
        if (maten.horizontalAdvance(QString::fromLatin1(teken)) > maten.horizontalAdvance(opgave.Bewerking))
            opgave.Bewerking = QString::fromLatin1(teken);
    return opgave;
}
