#include "drillinstellingen.h"

#include "plaatswaarde.h"

namespace {

const QString KleinAantal = QStringLiteral("aantal oefeningen :");
const QString GrootAantal = QStringLiteral("Aantal oefeningen :");

// All boxes of a window in one block of columns.
std::vector<Vakjesgroep> Kolommen(const std::vector<std::string>& soorten, int kolommen)
{
    return {{QString(), 0, static_cast<int>(soorten.size()), kolommen}};
}

Drillinstelling Maak(const char* naam, const char* titel, const char* vakjes, std::vector<std::string> soorten,
    int kolommen, void (*generator)(const std::string&), const QString& aantalLabel)
{
    auto groepen = Kolommen(soorten, kolommen);
    return {QString::fromUtf8(naam), QString::fromUtf8(titel), QString::fromUtf8(vakjes), std::move(soorten),
        std::move(groepen), generator, aantalLabel};
}

} // namespace

const Drillinstelling& DrillTwintig()
{
    static const Drillinstelling drill {QStringLiteral("frmTwintig"), QStringLiteral("Tellen tot 20"),
        QStringLiteral("chkOefening"),
        {"T+E", "E+T", "TE+E", "E+TE", "20-E", "20-TE", "TE-Ezb", "TE-TE", "E+E", "TE-Emb"},
        {{QStringLiteral("Zonder brug :"), 0, 8, 1}, {QStringLiteral("Met brug :"), 8, 2, 1}}, MaakTwintig,
        KleinAantal};
    return drill;
}

const Drillinstelling& DrillHonderd()
{
    static const Drillinstelling drill = Maak("frmHonderd", "Tellen tot honderd", "chkSoort",
        {"T+T", "T-T", "T+E", "E+T", "TE-E=T", "TE-T=E", "T+TE", "TE+T", "TE+E", "E+TE", "TE-E", "TE+TE", "TE-TE",
            "TE+E=T", "TE-E=T", "TE+TE=T", "TE-TE=T", "T-E", "T-TE", "TE+Emb", "TE-Emb", "TE+TEmb", "TE-TEmb", "H-T",
            "H-E", "H-TE", "TE-T=TE"},
        4, MaakHonderd, KleinAantal);
    return drill;
}

const Drillinstelling& DrillDuizend()
{
    static const Drillinstelling drill = Maak("frmDuizend", "Tellen tot duizend", "chkSoort",
        {"H+H", "H-H", "H+T", "H+E", "H+TE", "H+HTE", "H-T", "H-E", "H-TE", "H-HTE", "HT-T", "HT+E", "HT+T", "HT+Tmb",
            "HT-Tmb", "HE-T", "D-HT", "D-E", "D-TE", "D-HTE", "D-H", "D-T", "HTE+E", "HTE-E", "HTE+TE", "HTE-TE",
            "HTE+HTE", "HTE-HTE", "HTE+TE=H", "HTE+HTE=H", "HTE+HTE=HT", "HTE+Emb", "HTE-Emb", "HTE+TEmb", "HTE-TEmb"},
        4, MaakDuizend, KleinAantal);
    return drill;
}

const Drillinstelling& DrillTienduizend()
{
    static const Drillinstelling drill = Maak("frmTienduizend", "Tellen tot tienduizend", "chkSoortTD",
        {"DH+H=D", "DHT+T=DH", "DHT+HT=DH", "DHT+HT=D", "DHTE+E=DHT", "DHTE+E=D", "DHTE+E=DH", "DH+H=DH", "DHT+T=DHT",
            "DHTE+E=DHTE", "DHTE+E=DE", "DH+DH=DH", "DH+DH=TD", "DHT+HT=DH", "DH+HT=DHT", "DH+HTE=DHTE", "D-H=DH",
            "D-T=DHT", "D-E=DHTE", "D-TE=DHTE", "D-HT=DHT", "D-DH=DH", "DH-H=DH", "DH-DH=DH", "DH-T=DHT", "DH-HT=DHT",
            "DH-TE=DHTE", "DH-E=DHTE"},
        3, MaakTienduizend, GrootAantal);
    return drill;
}

const Drillinstelling& DrillHonderdduizend()
{
    static const Drillinstelling drill = Maak("frmHonderdduizend", "Tellen tot 100.000", "chkSoort",
        {"TD D+TD D=TD D", "TD DH+H=TD DH", "TD-TD=TD", "TD D-TD=TD D", "TD D-TD D=TD D", "TD D-D=TD D",
            "TD D-H=TD DH"},
        2, MaakHonderdduizend, GrootAantal);
    return drill;
}
