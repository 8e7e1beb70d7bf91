#include "bewerkingen.h"
#include "opgave.h"
#include "toeval.h"

#include <benchmark/benchmark.h>

// Free division accepts few attempts at large maxima: the slowest four-operation generator.
static void BM_VrijeDeling(benchmark::State& state)
{
    ZaaiToeval(1);
    ResetOpgave();
    const auto maximum = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(MaakDeeltafel(maximum, 0));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_VrijeDeling)->Arg(100)->Arg(100000)->Arg(2147483647);

static void BM_OptellingZonderBrug(benchmark::State& state)
{
    ZaaiToeval(1);
    ResetOpgave();
    for (auto _ : state) {
        benchmark::DoNotOptimize(MaakOptelling(100000, false));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OptellingZonderBrug);
