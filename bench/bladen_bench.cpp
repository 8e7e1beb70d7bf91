#include "printvoorbeeldvenster.h"
#include "samenstellen.h"
#include "toeval.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

BladKeuze Keuze(TabSoort tab)
{
    BladKeuze keuze;
    keuze.Tab = tab;
    keuze.BladMax = 100;
    keuze.TafelKeuze.fill(true);
    for (std::size_t p = 0; p < keuze.SoortKeuze.size(); ++p)
        keuze.SoortKeuze[p].assign(SoortPaginas()[p].Soorten().size(), true);
    switch (tab) {
    case TabSoort::Hoofdrekenen:
        keuze.Soort = BladSoort::VierBewerkingen;
        break;
    case TabSoort::Tafel:
        keuze.Soort = BladSoort::MaalEnDeeltafels;
        break;
    default:
        keuze.Soort = static_cast<BladSoort>(
            static_cast<int>(BladSoort::TellenTot20) + static_cast<int>(tab) - static_cast<int>(TabSoort::Twintig));
        break;
    }
    return keuze;
}

// What "Printvoorbeeld" does once the settings are read: a new sheet, shown in the preview. The budget is 20 ms.
void BM_BladEnVoorbeeld(benchmark::State& state)
{
    const BladKeuze keuze = Keuze(static_cast<TabSoort>(state.range(0)));
    PrintvoorbeeldVenster voorbeeld;
    ZaaiToeval(1);
    BladGegevens vorig;
    for (auto _ : state) {
        Samenstelling nieuw = StelNieuwBladSamen(keuze, vorig, ZaadPogingen);
        voorbeeld.ToonBlad(nieuw.Blad);
        vorig = std::move(nieuw.Blad);
    }
    state.SetLabel(BladTitel(*keuze.Soort).toStdString());
}
BENCHMARK(BM_BladEnVoorbeeld)
    ->DenseRange(static_cast<int>(TabSoort::Hoofdrekenen), static_cast<int>(TabSoort::Honderdduizend))
    ->Unit(benchmark::kMillisecond);

// "Andere oefeningen" where few different exercises exist: the seed search runs longest.
void BM_AndereOefeningenWeinigKeus(benchmark::State& state)
{
    BladKeuze keuze = Keuze(TabSoort::Hoofdrekenen);
    keuze.Soort = BladSoort::Vermenigvuldigen;
    keuze.BladMax = 7;
    ZaaiToeval(1);
    BladGegevens vorig;
    for (auto _ : state)
        vorig = StelNieuwBladSamen(keuze, vorig, ZaadPogingen).Blad;
}
BENCHMARK(BM_AndereOefeningenWeinigKeus)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
