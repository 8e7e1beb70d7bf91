#include "getalbereiken.h"

#include "plaatswaarde.h"

#include <algorithm>

namespace {

using Maker = Opgave (*)(const std::string&);
using Doorloper = void (*)(const std::string&, const Opgavebezoek&);

Getalbereik Maak(std::string_view tabSoort, std::string_view drillTitel, std::string_view bladTitel,
    std::vector<std::string> soorten, std::vector<Soortgroep> groepen, Maker maak, Doorloper doorloop)
{
    return {tabSoort, drillTitel, bladTitel, soorten, soorten, std::move(groepen), maak, doorloop};
}

// The worksheet's page to 100 shows "TE-T=TE" among the other subtractions with a tens answer, as box 13,
// where the drill keeps it as its last box (26); the other boxes keep their order.
std::vector<std::string> BladVolgordeHonderd(std::vector<std::string> soorten)
{
    const auto teTte = std::ranges::find(soorten, "TE-T=TE");
    std::rotate(soorten.begin() + 13, teTte, teTte + 1);
    return soorten;
}

std::array<Getalbereik, 5> MaakBereiken()
{
    std::array<Getalbereik, 5> bereiken {
        Maak("Twintig", "Tellen tot 20", "Tellen tot 20",
            {"T+E", "E+T", "TE+E", "E+TE", "20-E", "20-TE", "TE-Ezb", "TE-TE", "E+E", "TE-Emb"},
            {{"Zonder brug", 0, 8}, {"Met brug", 8, 2}}, MaakTwintig, DoorloopTwintig),
        Maak("Honderd", "Tellen tot honderd", "Tellen tot 100",
            {"T+T", "T-T", "T+E", "E+T", "TE-E=T", "TE-T=E", "T+TE", "TE+T", "TE+E", "E+TE", "TE-E", "TE+TE", "TE-TE",
                "TE+E=T", "TE-E=T", "TE+TE=T", "TE-TE=T", "T-E", "T-TE", "TE+Emb", "TE-Emb", "TE+TEmb", "TE-TEmb",
                "H-T", "H-E", "H-TE", "TE-T=TE"},
            {}, MaakHonderd, DoorloopHonderd),
        Maak("Duizend", "Tellen tot duizend", "Tellen tot 1000",
            {"H+H", "H-H", "H+T", "H+E", "H+TE", "H+HTE", "H-T", "H-E", "H-TE", "H-HTE", "HT-T", "HT+E", "HT+T",
                "HT+Tmb", "HT-Tmb", "HE-T", "D-HT", "D-E", "D-TE", "D-HTE", "D-H", "D-T", "HTE+E", "HTE-E", "HTE+TE",
                "HTE-TE", "HTE+HTE", "HTE-HTE", "HTE+TE=H", "HTE+HTE=H", "HTE+HTE=HT", "HTE+Emb", "HTE-Emb", "HTE+TEmb",
                "HTE-TEmb"},
            {}, MaakDuizend, DoorloopDuizend),
        Maak("Tienduizend", "Tellen tot tienduizend", "Tellen tot 10.000",
            {"DH+H=D", "DHT+T=DH", "DHT+HT=DH", "DHT+HT=D", "DHTE+E=DHT", "DHTE+E=D", "DHTE+E=DH", "DH+H=DH",
                "DHT+T=DHT", "DHTE+E=DHTE", "DHTE+E=DE", "DH+DH=DH", "DH+DH=TD", "DHT+HT=DH", "DH+HT=DHT",
                "DH+HTE=DHTE", "D-H=DH", "D-T=DHT", "D-E=DHTE", "D-TE=DHTE", "D-HT=DHT", "D-DH=DH", "DH-H=DH",
                "DH-DH=DH", "DH-T=DHT", "DH-HT=DHT", "DH-TE=DHTE", "DH-E=DHTE"},
            {}, MaakTienduizend, DoorloopTienduizend),
        Maak("Honderdduizend", "Tellen tot 100.000", "Tellen tot 100.000",
            {"TD D+TD D=TD D", "TD DH+H=TD DH", "TD-TD=TD", "TD D-TD=TD D", "TD D-TD D=TD D", "TD D-D=TD D",
                "TD D-H=TD DH"},
            {}, MaakHonderdduizend, DoorloopHonderdduizend),
    };
    Getalbereik& honderd = bereiken[static_cast<std::size_t>(BereikIndex::Honderd)];
    honderd.bladSoorten = BladVolgordeHonderd(honderd.drillSoorten);
    return bereiken;
}

} // namespace

const std::array<Getalbereik, 5>& Getalbereiken()
{
    static const std::array<Getalbereik, 5> bereiken = MaakBereiken();
    return bereiken;
}

const Getalbereik& BereikVan(BereikIndex index)
{
    return Getalbereiken()[static_cast<std::size_t>(index)];
}
