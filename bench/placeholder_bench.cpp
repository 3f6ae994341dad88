#include <benchmark/benchmark.h>

#include "localisation/Messages.h"

static void BM_Localise(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(tlv::Localise(1, tlv::status::ReadSuccess));
}
BENCHMARK(BM_Localise);
