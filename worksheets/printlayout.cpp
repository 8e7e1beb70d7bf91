#include "printlayout.h"

#include "getal.h"

#include <QDir>
#include <QStandardPaths>

namespace {

constexpr int KolomLinks = 10;
constexpr int KolomRechts = 35;

// Records what a line printer would put on paper: the font state, tabs to columns, items, line ends.
class Regelprinter
{
public:
    explicit Regelprinter(PrintModel& model)
        : m_model(model)
    { }

    void Grootte(int grootte) { m_regel.Grootte = grootte; }
    void Vet(bool vet) { m_regel.Vet = vet; }
    void Onderstreept(bool onderstreept) { m_regel.Onderstreept = onderstreept; }
    void Tab(int kolom)
    {
        m_kolom = kolom;
        m_kolomGrootte = m_regel.Grootte;
    }

    void Print(const QString& tekst)
    {
        m_regel.Items.push_back({m_kolom, tekst, m_regel.Grootte, m_regel.Vet, m_regel.Onderstreept, m_kolomGrootte});
    }

    void EindeRegel()
    {
        m_model.Regels.push_back(m_regel);
        m_regel.Items.clear();
        m_kolom = 0;
    }

private:
    PrintModel& m_model;
    PrintRegel m_regel;
    int m_kolom = 0;
    int m_kolomGrootte = 0;
};

void PrintKop(Regelprinter& p, const BladGegevens& blad, Printversie versie)
{
    p.Grootte(20);
    p.EindeRegel();
    p.Vet(true);
    p.Onderstreept(true);
    p.Tab(KolomLinks);
    p.Grootte(24);
    p.Print(blad.Titel);
    p.EindeRegel();
    p.Vet(false);
    p.Grootte(MaxLengte(blad) > 8 ? 16 : 20);
    p.EindeRegel();
    p.Tab(KolomLinks);
    p.Print(versie == Printversie::Opgaven ? blad.Ondertitel : blad.Ondertitel + QStringLiteral(" : Oplossingen."));
    // The subtitle is followed by two line breaks of its own before the line ends.
    p.EindeRegel();
    p.EindeRegel();
    p.EindeRegel();
    p.Onderstreept(false);
}

QString Antwoord(const BladOpgave& opgave, Printversie versie)
{
    return versie == Printversie::Opgaven ? QStringLiteral("=") : QStringLiteral("= ") + Tekst(opgave.Uitkomst);
}

void PrintBlokken(Regelprinter& p, const BladGegevens& blad, Printversie versie)
{
    const int maxLengte = MaxLengte(blad);
    for (int blok = 0; blok < 3; ++blok) {
        for (int rij = 0; rij < 5; ++rij) {
            const BladOpgave& links = blad.Opgaven[10 * blok + rij];
            const BladOpgave& rechts = blad.Opgaven[10 * blok + rij + 5];
            p.Tab(KolomLinks);
            p.Print(Tekst(links));
            p.Tab(maxLengte + 14);
            p.Print(Antwoord(links, versie));
            p.Tab(KolomRechts);
            p.Print(Tekst(rechts));
            p.Tab(maxLengte + 39);
            p.Print(Antwoord(rechts, versie));
            p.EindeRegel();
        }
        if (blok < 2)
            p.EindeRegel();
    }
}

QString VeiligeNaam(const QString& tekst)
{
    QString veilig;
    for (const QChar c : tekst) {
        if (c.isPrint() && !QStringLiteral("\\/:*?\"<>|").contains(c))
            veilig += c;
    }
    return veilig.simplified();
}

} // namespace

PrintModel MaakPrintModel(const BladGegevens& blad, Printversie versie)
{
    PrintModel model;
    model.Lettertype = QStringLiteral("comic sans ms");
    if (!blad.Code.isEmpty())
        model.Voet = QStringLiteral("Bladcode: ") + blad.Code;
    Regelprinter p(model);
    PrintKop(p, blad, versie);
    PrintBlokken(p, blad, versie);
    if (versie == Printversie::Opgaven) {
        p.EindeRegel();
        p.Vet(true);
        p.Grootte(22);
        p.Tab(KolomLinks);
        p.Print(QStringLiteral("Resultaat: ..../30"));
        p.EindeRegel();
    }
    return model;
}

QString VoorgesteldeBestandsnaam(
    const BladGegevens& blad, Printversie versie, const QString& extensie, const QDateTime& moment)
{
    return VoorgesteldPad(Bladnaam(blad, versie), extensie, moment);
}

QString Bladnaam(const BladGegevens& blad, Printversie versie)
{
    QString naam = QStringLiteral("Oefenblad ") + blad.Titel;
    if (versie == Printversie::Oplossingen)
        naam += QStringLiteral(" oplossingen");
    return naam;
}

QString VoorgesteldPad(const QString& naam, const QString& extensie, const QDateTime& moment)
{
    const QString bestand = VeiligeNaam(naam + u' ' + moment.toString(QStringLiteral("yyyy-MM-dd HH.mm")));
    QString map = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (map.isEmpty())
        map = QDir::homePath();
    return QDir(map).filePath(bestand + u'.' + extensie);
}
