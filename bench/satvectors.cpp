#include "features/satvectors.h"

#include <benchmark/benchmark.h>

namespace {

// The cycle analysis of every non-empty set, as the cycle-based similarity
// measures run it against every set class.
void cycleanalysis(benchmark::State& state) {
  int weighted[7];
  for (auto _ : state) {
    for (bitvec s = 1; s <= aggregate; ++s) {
      getcompactvector(s, weighted, 0);
      benchmark::DoNotOptimize(weighted);
    }
  }
  state.SetItemsProcessed(state.iterations() * 4095);
}
BENCHMARK(cycleanalysis);

void cyclesaturation(benchmark::State& state) {
  int weighted[7];
  double a[7], b[7], p[7];
  getcompactvector(pcs("0146"), weighted, 0);
  for (auto _ : state) {
    getCycSATV(weighted, 4, 1, a);
    getCycSATV(weighted, 4, 0, b);
    getPCycSATV(weighted, 4, p);
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(b);
    benchmark::DoNotOptimize(p);
  }
}
BENCHMARK(cyclesaturation);

}  // namespace
