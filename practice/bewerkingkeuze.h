#pragma once

#include "bewerkingen.h"

#include <QString>

#include <array>

class QGroupBox;
class QRadioButton;
class QWidget;

// The seven operation choices as option buttons optBewerking(0..6) in a frame, the first one chosen; the windows
// differ only in the frame's name and title and in the caption of the last choice.
using Bewerkingopties = std::array<QRadioButton*, 7>;

struct Bewerkingkeuze
{
    QString frameNaam;
    QString titel;
    QString alles; // the caption of the choice of all four: "alles", "+ - x :"
};

QGroupBox* MaakBewerkingkeuze(QWidget* ouder, const Bewerkingkeuze& keuze, Bewerkingopties& opties);

// The choice of the button that is checked (the first when none is).
Bewerkingskeuze GekozenBewerking(const Bewerkingopties& opties);

// The bridge choice: optBrugJa and optBrugNee in the frame fraBrug, yes chosen.
struct Brugopties
{
    QRadioButton* ja = nullptr;
    QRadioButton* nee = nullptr;
};

QGroupBox* MaakBrugkeuze(
    QWidget* ouder, const QString& titel, const QString& ja, const QString& nee, Brugopties& opties);
