#pragma once

#include "blad.h"

#include <QDateTime>
#include <QString>

#include <vector>

// The two versions of a sheet: the exercises with an empty result line, or with their answers.
enum class Printversie { Opgaven, Oplossingen };

// One piece of text on a printed line, starting at a character column. The column is counted in
// the font size that held when the tab was made, which may differ from the text's own size.
struct PrintItem
{
    int Kolom = 0;
    QString Tekst;
    int Grootte = 0; // points
    bool Vet = false;
    bool Onderstreept = false;
    int KolomGrootte = 0; // points
};

// A printed line. The font state at the end of the line gives an empty line its height.
struct PrintRegel
{
    std::vector<PrintItem> Items;
    int Grootte = 0;
    bool Vet = false;
    bool Onderstreept = false;
};

struct PrintModel
{
    QString Lettertype;
    std::vector<PrintRegel> Regels;
    QString Voet; // small at the foot of the page: the sheet code; empty for none
};

// The size of the text at the foot of the page.
constexpr int VoetGrootte = 8; // points

// The printed page of a sheet, line by line.
PrintModel MaakPrintModel(const BladGegevens& blad, Printversie versie);

// A file name for a saved sheet in the user's documents folder, e.g.
// "Oefenblad Optellen oplossingen 2024-05-01 14.30.pdf"; extensie without the dot.
QString VoorgesteldeBestandsnaam(
    const BladGegevens& blad, Printversie versie, const QString& extensie, const QDateTime& moment);

// What a saved sheet is called, without moment and extension: "Oefenblad Optellen oplossingen".
QString Bladnaam(const BladGegevens& blad, Printversie versie);

// A file name in the user's documents folder: the name without the characters a file name cannot hold, the
// moment and the extension.
QString VoorgesteldPad(const QString& naam, const QString& extensie, const QDateTime& moment);
