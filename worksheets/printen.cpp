#include "printen.h"

#include "dialogen.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include <algorithm>
#include <vector>

namespace {

const QString RegelEinde = QStringLiteral("\r\n");

QFont Lettertype(const QString& familie, int grootte, bool vet, bool onderstreept)
{
    QFont font(familie);
    font.setPointSize(grootte);
    font.setBold(vet);
    font.setUnderline(onderstreept);
    return font;
}

// Where a column starts: the average character width of the font in force when the tab was made.
double KolomX(const QString& familie, const PrintItem& item, const QPaintDevice& apparaat)
{
    if (item.Kolom == 0)
        return 0;
    const int grootte = item.KolomGrootte > 0 ? item.KolomGrootte : item.Grootte;
    return item.Kolom
        * QFontMetricsF(Lettertype(familie, grootte, item.Vet, item.Onderstreept), &apparaat).averageCharWidth();
}

// A line measured on the device: its items placed, its height and the distance to its baseline.
struct GemetenRegel
{
    GetekendeRegel regel;
    double hoogte = 0;
    double stijging = 0;
};

GemetenRegel MeetRegel(const QString& familie, const PrintRegel& regel, const QPaintDevice& apparaat)
{
    GemetenRegel gemeten;
    if (regel.Items.empty()) {
        const QFontMetricsF maten(Lettertype(familie, regel.Grootte, regel.Vet, regel.Onderstreept), &apparaat);
        gemeten.hoogte = maten.lineSpacing();
        gemeten.stijging = maten.ascent();
    }
    for (const PrintItem& item : regel.Items) {
        const QFont font = Lettertype(familie, item.Grootte, item.Vet, item.Onderstreept);
        const QFontMetricsF maten(font, &apparaat);
        // A column left of the previous item's end must not print over it.
        const double x = std::max(KolomX(familie, item, apparaat), gemeten.regel.Breedte);
        gemeten.regel.Items.push_back({font, x, item.Tekst});
        gemeten.regel.Breedte = x + maten.horizontalAdvance(item.Tekst);
        gemeten.hoogte = std::max(gemeten.hoogte, maten.lineSpacing());
        gemeten.stijging = std::max(gemeten.stijging, maten.ascent());
    }
    return gemeten;
}

// The shrink that makes a line end at the right margin; 1 when it fits.
double RegelSchaal(const GetekendeRegel& regel, double breedte)
{
    if (regel.Breedte <= breedte)
        return 1;
    const double begin = regel.Begin() < breedte ? regel.Begin() : 0;
    return (breedte - begin) / (regel.Breedte - begin);
}

// Side margins of 10 mm: the widest rows (an eight-character exercise in size 20 with a four-digit
// answer in the right column) need 187 mm.
void ZetA4(QPagedPaintDevice& apparaat)
{
    const QPageLayout a4(
        QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 15, 10, 15), QPageLayout::Millimeter);
    // A printer that cannot print that close to the edge keeps its own margins.
    if (!apparaat.setPageLayout(a4))
        apparaat.setPageSize(QPageSize(QPageSize::A4));
}

Printstuk Bladstuk(const BladGegevens& blad, Printversie versie)
{
    return {MaakPrintModel(blad, versie), Bladnaam(blad, versie)};
}

void TekenRegel(QPainter& painter, const GetekendeRegel& regel)
{
    painter.save();
    painter.translate(regel.Begin(), regel.Basislijn);
    painter.scale(regel.Schaal, regel.Schaal);
    for (const GetekendItem& item : regel.Items) {
        painter.setFont(item.Lettertype);
        painter.drawText(QPointF(item.X - regel.Begin(), 0), item.Tekst);
    }
    painter.restore();
}

// The foot in the middle of the bottom margin, or on the last line of the printable area when the margin is too
// narrow (a printer that keeps its own margins could not print it there). The lines of the page make room for it.
double MaakVoet(const PrintModel& model, QPagedPaintDevice& apparaat, Printpagina& pagina)
{
    if (model.Voet.isEmpty())
        return pagina.Vlak.height();
    const QFont font = Lettertype(model.Lettertype, VoetGrootte, false, false);
    const QFontMetricsF maten(font, &apparaat);
    const double marge = apparaat.pageLayout().marginsPixels(apparaat.logicalDpiX()).bottom();
    const double breedte = maten.horizontalAdvance(model.Voet);
    pagina.Voet.Items.push_back({font, pagina.Vlak.width() - breedte, model.Voet});
    pagina.Voet.Breedte = pagina.Vlak.width();
    if (marge >= 2 * maten.height()) {
        pagina.Voet.Basislijn = pagina.Vlak.height() + (marge + maten.ascent() - maten.descent()) / 2;
        return pagina.Vlak.height();
    }
    pagina.Voet.Basislijn = pagina.Vlak.height() - maten.descent();
    return pagina.Vlak.height() - maten.height();
}

} // namespace

Printpagina MaakPrintpagina(const PrintModel& model, QPagedPaintDevice& apparaat)
{
    ZetA4(apparaat);
    Printpagina pagina;
    pagina.Vlak = apparaat.pageLayout().paintRectPixels(apparaat.logicalDpiX()).size();
    const double hoogte = MaakVoet(model, apparaat, pagina);
    double y = 0;
    for (const PrintRegel& regel : model.Regels) {
        GemetenRegel gemeten = MeetRegel(model.Lettertype, regel, apparaat);
        gemeten.regel.Basislijn = y + gemeten.stijging;
        y += gemeten.hoogte;
        pagina.Regels.push_back(std::move(gemeten.regel));
    }
    pagina.Schaal = y > hoogte ? hoogte / y : 1.0;
    for (GetekendeRegel& regel : pagina.Regels)
        regel.Schaal = RegelSchaal(regel, pagina.Vlak.width() / pagina.Schaal);
    return pagina;
}

bool TekenBlad(const PrintModel& model, QPagedPaintDevice& apparaat)
{
    const Printpagina pagina = MaakPrintpagina(model, apparaat);
    QPainter painter;
    if (!painter.begin(&apparaat))
        return false;
    TekenRegel(painter, pagina.Voet);
    painter.scale(pagina.Schaal, pagina.Schaal);
    for (const GetekendeRegel& regel : pagina.Regels)
        TekenRegel(painter, regel);
    return painter.end();
}

std::unique_ptr<QPrinter> StandaardPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

PrintUitslag PrintBlad(
    const BladGegevens& blad, Printversie versie, Dialogen& dialogen, QWidget* ouder, const PrinterBron& printer)
{
    return PrintStuk(Bladstuk(blad, versie), dialogen, ouder, printer);
}

bool BewaarBladAlsPdf(const BladGegevens& blad, Printversie versie, const QString& pad)
{
    return BewaarStukAlsPdf(Bladstuk(blad, versie), pad);
}

bool BewaarBladAlsPdfMetDialoog(const BladGegevens& blad, Printversie versie, Dialogen& dialogen, QWidget* ouder)
{
    return BewaarStukAlsPdfMetDialoog(Bladstuk(blad, versie), dialogen, ouder);
}

PrintUitslag PrintStuk(const Printstuk& stuk, Dialogen& dialogen, QWidget* ouder, const PrinterBron& printer)
{
    const std::unique_ptr<QPrinter> apparaat = printer ? printer() : nullptr;
    QString reden = QStringLiteral("Er is geen printer gevonden.");
    if (apparaat) {
        apparaat->setDocName(stuk.naam);
        if (apparaat->isValid() && TekenBlad(stuk.model, *apparaat))
            return PrintUitslag::Afgedrukt;
        reden = QStringLiteral("Het afdrukken is mislukt.");
    }
    const Antwoord antwoord = dialogen.Melding(ouder,
        reden + RegelEinde + QStringLiteral("Wil je ") + stuk.hetWat + QStringLiteral(" als PDF-bestand bewaren ?"),
        ProgrammaTitel(), Knoppen::JaNee, Icoon::Vraag);
    if (antwoord != Antwoord::Ja)
        return PrintUitslag::NietAfgedrukt;
    return BewaarStukAlsPdfMetDialoog(stuk, dialogen, ouder) ? PrintUitslag::AlsPdfBewaard
                                                             : PrintUitslag::NietAfgedrukt;
}

bool BewaarStukAlsPdf(const Printstuk& stuk, const QString& pad)
{
    QSaveFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter pdf(&bestand);
        pdf.setTitle(stuk.naam);
        pdf.setCreator(ProgrammaTitel());
        if (!TekenBlad(stuk.model, pdf)) {
            bestand.cancelWriting();
            return false;
        }
    }
    return bestand.commit();
}

bool BewaarStukAlsPdfMetDialoog(const Printstuk& stuk, Dialogen& dialogen, QWidget* ouder)
{
    const QString voorstel = VoorgesteldPad(stuk.naam, QStringLiteral("pdf"), QDateTime::currentDateTime());
    // Without its folder the dialog would open in the current directory, which is the program's folder.
    QDir().mkpath(QFileInfo(voorstel).absolutePath());
    const QString pad = dialogen.BewaarAls(
        ouder, stuk.Wat + QStringLiteral(" bewaren als PDF"), voorstel, QStringLiteral("PDF-bestanden (*.pdf)"));
    if (pad.isEmpty())
        return false;
    if (BewaarStukAlsPdf(stuk, pad))
        return true;
    dialogen.Melding(ouder,
        QStringLiteral("Het PDF-bestand kon niet bewaard worden :") + RegelEinde + QDir::toNativeSeparators(pad),
        ProgrammaTitel(), Knoppen::Ok, Icoon::Waarschuwing);
    return false;
}
