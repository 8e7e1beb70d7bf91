#include "toetsreeks.h"

#include "getal.h"
#include "plaatswaarde.h"
#include "toeval.h"

#include <algorithm>

namespace {

constexpr std::int32_t LaagsteMaximum = 3;
constexpr std::int32_t HoogsteMaximum = 100001;

constexpr int RegelGrootte = 10; // points: fifty lines and a heading fill one page

// "7+5=12"
QString MetUitkomst(const Opgave& o)
{
    return Tekst(o.Links) + QString::fromStdString(o.Bewerking) + Tekst(o.Rechts) + u'='
        + Tekst(o.Uitkomst.value_or(0));
}

using Maker = Opgave (*)(const std::string& soort);

Maker MakerVan(TestSoort soort)
{
    switch (soort) {
    case TestSoort::Tot20:
        return MaakTwintig;
    case TestSoort::Tot100:
        return MaakHonderd;
    case TestSoort::Tot1000:
        return MaakDuizend;
    case TestSoort::Hoofdrekenen:
    case TestSoort::Tafel:
        break;
    }
    return nullptr;
}

Opgave MaakHoofdrekenen(const Testplan& plan)
{
    const BrugTekst brugTekst = plan.instellingen.brug;
    // Mixed: 99 chances in 200 for an exercise that may cross a ten.
    const bool brug = brugTekst == BrugTekst::Gemengd ? RandomTot(200) < 100 : brugTekst == BrugTekst::Ja;
    return MaakBewerking(plan.instellingen.bewerking, plan.maximum, brug);
}

Opgave MaakTafel(const Testinstellingen& instellingen)
{
    std::int32_t tafel = 0;
    do
        tafel = static_cast<std::int32_t>(RandomTot(10));
    while (!instellingen.tafels[static_cast<std::size_t>(tafel - 1)]);
    switch (instellingen.maalOfDeel) {
    case MaalOfDeel::Maaltafels:
        return MaakMaaltafel(100, tafel);
    case MaalOfDeel::Deeltafels:
        return MaakDeeltafel(100, tafel);
    case MaalOfDeel::Gemengd:
        break;
    }
    return RandomTot(200) > 100 ? MaakMaaltafel(100, tafel) : MaakDeeltafel(100, tafel);
}

Opgave MaakSoort(const Testinstellingen& instellingen)
{
    const std::vector<std::string>& soorten = TestSoorten(instellingen.soort);
    std::size_t vakje = 0;
    do
        vakje = static_cast<std::size_t>(RandomIndex(std::ssize(soorten)));
    while (!instellingen.soorten[vakje]);
    return MakerVan(instellingen.soort)(soorten[vakje]);
}

bool GeldigMaximum(const Testinstellingen& instellingen, std::int32_t maximum)
{
    return maximum >= std::max(LaagsteMaximum, KleinsteMaximum(instellingen.bewerking)) && maximum <= HoogsteMaximum;
}

} // namespace

const std::vector<std::string>& TestSoorten(TestSoort soort)
{
    static const std::vector<std::string> twintig {
        "T+E", "E+T", "TE+E", "20-E", "20-TE", "TE-Ezb", "TE-TE", "E+E", "TE-Emb"};
    static const std::vector<std::string> honderd {"T+T", "T-T", "T+E", "E+T", "TE-E=T", "TE-T=E", "T+TE", "TE+T",
        "TE+E", "E+TE", "TE-E", "TE+TE", "TE-TE", "TE+E=T", "TE-E=T", "TE+TE=T", "TE-TE=T", "T-E", "T-TE", "TE+Emb",
        "TE-Emb", "TE+TEmb", "TE-TEmb", "H-T", "H-E", "H-TE", "TE-T=TE"};
    static const std::vector<std::string> duizend {"H+H", "H-H", "H+T", "H+E", "H+TE", "H+HTE", "HT+E", "HT+T", "HT-T",
        "HTE+E", "HTE-E", "HTE+TE", "HTE-TE", "HTE+HTE", "HTE-HTE", "H-T", "H-E", "H-TE", "H-HTE", "HE-T", "HTE+Emb",
        "HTE-Emb", "HTE+TEmb", "HTE-TEmb", "D-H", "D-T", "D-HT", "D-E", "D-TE", "D-HTE", "HT+Tmb", "HT-Tmb"};
    static const std::vector<std::string> geen;
    switch (soort) {
    case TestSoort::Tot20:
        return twintig;
    case TestSoort::Tot100:
        return honderd;
    case TestSoort::Tot1000:
        return duizend;
    case TestSoort::Hoofdrekenen:
    case TestSoort::Tafel:
        break;
    }
    return geen;
}

std::optional<Testplan> ControleerInstellingen(const Testinstellingen& instellingen)
{
    Testplan plan {instellingen};
    switch (instellingen.soort) {
    case TestSoort::Hoofdrekenen: {
        const std::optional<std::int32_t> maximum = LeesGeheel32(instellingen.maximum.trimmed());
        if (!maximum || !GeldigMaximum(instellingen, *maximum))
            return std::nullopt;
        plan.maximum = *maximum;
        return plan;
    }
    case TestSoort::Tafel:
        if (std::ranges::none_of(instellingen.tafels, std::identity {}))
            return std::nullopt;
        return plan;
    case TestSoort::Tot20:
    case TestSoort::Tot100:
    case TestSoort::Tot1000:
        break;
    }
    // A list of boxes that does not match the page would let the draw run past it.
    if (instellingen.soorten.size() != TestSoorten(instellingen.soort).size()
        || std::ranges::none_of(instellingen.soorten, std::identity {}))
        return std::nullopt;
    return plan;
}

Test MaakTest(const Testplan& plan)
{
    Test test;
    for (Opgave& opgave : test) {
        switch (plan.instellingen.soort) {
        case TestSoort::Hoofdrekenen:
            opgave = MaakHoofdrekenen(plan);
            break;
        case TestSoort::Tafel:
            opgave = MaakTafel(plan.instellingen);
            break;
        case TestSoort::Tot20:
        case TestSoort::Tot100:
        case TestSoort::Tot1000:
            opgave = MaakSoort(plan.instellingen);
            break;
        }
    }
    return test;
}

QStringList TestLijst(const Test& test)
{
    QStringList lijst;
    for (std::size_t i = 0; i < test.size(); ++i) {
        lijst << Tekst(static_cast<std::int64_t>(i)) + QStringLiteral(") ") + MetUitkomst(test[i])
                + QStringLiteral(" ... ") + QString::fromStdString(test[i].Omschrijving);
    }
    return lijst;
}

PrintModel TestPrintModel(const Test& test, const QString& soort, const QString& leerling)
{
    PrintModel model {QStringLiteral("comic sans ms"), {}, {}};
    model.Regels.push_back({{{2, QStringLiteral("De 50-oefeningen-test"), 18, true, true, 18}}, 18, true, true});
    model.Regels.push_back({{{2, QStringLiteral("Soort : ") + soort, 12, false, false, 18}}, 12});
    if (!leerling.isEmpty())
        model.Regels.push_back({{{2, QStringLiteral("Leerling : ") + leerling, 12, false, false, 18}}, 12});
    model.Regels.push_back({{}, 12});
    for (std::size_t i = 0; i < test.size(); ++i) {
        const QString nummer = Tekst(static_cast<std::int64_t>(i)) + u')';
        model.Regels.push_back(
            {{{3, nummer, RegelGrootte, false, false, RegelGrootte},
                 {7, MetUitkomst(test[i]), RegelGrootte, false, false, RegelGrootte},
                 {28, QString::fromStdString(test[i].Omschrijving), RegelGrootte, false, false, RegelGrootte}},
                RegelGrootte});
    }
    return model;
}
