#pragma once

#include "printlayout.h"

#include <QPrinter>
#include <QString>

#include <functional>
#include <memory>

class Dialogen;
class QPagedPaintDevice;
class QWidget;

// Draws the page on a printer or PDF writer: A4, one page, scaled down only if it would not fit.
// False when the device cannot be painted on.
bool TekenBlad(const PrintModel& model, QPagedPaintDevice& apparaat);

// Where a printout goes; empty when there is no printer. Tests give a PDF-writing QPrinter.
using PrinterBron = std::function<std::unique_ptr<QPrinter>()>;

// The system's default printer, or nothing when none is installed.
std::unique_ptr<QPrinter> StandaardPrinter();

enum class PrintUitslag { Afgedrukt, AlsPdfBewaard, NietAfgedrukt };

// Prints the sheet on the printer without asking. Without a printer, or when printing fails,
// offers to save the sheet as a PDF file instead.
PrintUitslag PrintBlad(BladGegevens& blad, Printversie versie, Dialogen& dialogen, QWidget* ouder,
    const PrinterBron& printer = StandaardPrinter);

// Writes the sheet as a one-page PDF; the file appears complete or not at all.
bool BewaarBladAlsPdf(BladGegevens& blad, Printversie versie, const QString& pad);

// Asks where to save the PDF (proposing a name in the documents folder) and says so when it fails.
bool BewaarBladAlsPdfMetDialoog(BladGegevens& blad, Printversie versie, Dialogen& dialogen, QWidget* ouder);

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
