#pragma once

#include "printlayout.h"

#include <QFont>
#include <QPrinter>
#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class Dialogen;
class QPagedPaintDevice;
class QWidget;

struct GetekendItem
{
    QFont Lettertype;
    double X = 0; // where the text starts, before its line is shrunk
    QString Tekst;
};

// A line as drawn. A line that would run past the right margin is shrunk on its own, from the start
// of its first item, so that it ends at the margin; the other lines keep their size.
struct GetekendeRegel
{
    std::vector<GetekendItem> Items;
    double Basislijn = 0;
    double Breedte = 0; // the right end of the last item, unshrunk
    double Schaal = 1;

    double Begin() const { return Items.empty() ? 0 : Items.front().X; }
    double Einde() const { return Begin() + (Breedte - Begin()) * Schaal; }
};

// The page as drawn, in device pixels from the top left of the printable area.
struct Printpagina
{
    QSizeF Vlak; // the printable area
    double Schaal = 1; // the whole page, only when its lines are too many for its height
    std::vector<GetekendeRegel> Regels;
    // At the right in the bottom margin, at full size; inside the printable area when the printer keeps a margin
    // too narrow for it. No items when the model has no foot.
    GetekendeRegel Voet;
};

// Sets the device to one A4 page and lays the model out on it.
Printpagina MaakPrintpagina(const PrintModel& model, QPagedPaintDevice& apparaat);

// Draws the page on a printer or PDF writer. False when the device cannot be painted on.
bool TekenBlad(const PrintModel& model, QPagedPaintDevice& apparaat);

// Where a printout goes; empty when there is no printer. Tests give a PDF-writing QPrinter.
using PrinterBron = std::function<std::unique_ptr<QPrinter>()>;

// The system's default printer, or nothing when none is installed.
std::unique_ptr<QPrinter> StandaardPrinter();

enum class PrintUitslag { Afgedrukt, AlsPdfBewaard, NietAfgedrukt };

// Prints the sheet on the printer without asking. Without a printer, or when printing fails,
// offers to save the sheet as a PDF file instead.
PrintUitslag PrintBlad(const BladGegevens& blad, Printversie versie, Dialogen& dialogen, QWidget* ouder,
    const PrinterBron& printer = StandaardPrinter);

// Writes the sheet as a one-page PDF; the file appears complete or not at all.
bool BewaarBladAlsPdf(const BladGegevens& blad, Printversie versie, const QString& pad);

// Asks where to save the PDF (proposing a name in the documents folder) and says so when it fails.
bool BewaarBladAlsPdfMetDialoog(const BladGegevens& blad, Printversie versie, Dialogen& dialogen, QWidget* ouder);

// A page that is printed and saved like a sheet: the sheet itself, or another list of exercises.
struct Printstuk
{
    PrintModel model;
    QString naam; // the document's name, and the start of the file name proposed for its PDF
    QString hetWat = QStringLiteral("het oefenblad"); // how a question names it
    QString Wat = QStringLiteral("Oefenblad"); // how a title names it
};

// PrintBlad, BewaarBladAlsPdf and BewaarBladAlsPdfMetDialoog for any page.
PrintUitslag PrintStuk(
    const Printstuk& stuk, Dialogen& dialogen, QWidget* ouder, const PrinterBron& printer = StandaardPrinter);
bool BewaarStukAlsPdf(const Printstuk& stuk, const QString& pad);
bool BewaarStukAlsPdfMetDialoog(const Printstuk& stuk, Dialogen& dialogen, QWidget* ouder);
