#include "opgave.h"
#include "plaatswaarde.h"
#include "toeval.h"

#include <benchmark/benchmark.h>

#include <string>

// The kind with the fewest accepted attempts in each range; items per second = exercises per second.
static void BM_Plaatswaarde(benchmark::State& state, Opgave (*maak)(const std::string&), const std::string& soort)
{
    ZaaiToeval(1);
    ResetOpgave();
    for (auto _ : state) {
        benchmark::DoNotOptimize(maak(soort));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_Plaatswaarde, Twintig_E_plus_E, MaakTwintig, "E+E");
BENCHMARK_CAPTURE(BM_Plaatswaarde, Honderd_TE_plus_TEmb, MaakHonderd, "TE+TEmb");
BENCHMARK_CAPTURE(BM_Plaatswaarde, Duizend_HTE_plus_HTE, MaakDuizend, "HTE+HTE");
BENCHMARK_CAPTURE(BM_Plaatswaarde, Tienduizend_DH_plus_DH_is_DH, MaakTienduizend, "DH+DH=DH");
BENCHMARK_CAPTURE(BM_Plaatswaarde, Honderdduizend_TD_D_min_TD_D_is_TD_D, MaakHonderdduizend, "TD D-TD D=TD D");
