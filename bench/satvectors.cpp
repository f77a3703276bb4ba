#include <benchmark/benchmark.h>

#include "pelantor/vectors.h"
#include "reports/setreport.h"

namespace {

// The cycle analysis of every non-empty set, as the cycle-based similarity
// measures run it against every set class.
void cycleanalysis(benchmark::State& state) {
  for (auto _ : state) {
    for (unsigned bits = 1; bits <= pelantor::PcSet::all_bits; ++bits) {
      benchmark::DoNotOptimize(pelantor::weighted_cycle_vector(pelantor::PcSet::from_bits(bits)));
    }
  }
  state.SetItemsProcessed(state.iterations() * 4095);
}
BENCHMARK(cycleanalysis);

void cyclesaturation(benchmark::State& state) {
  const pelantor::PcSet set = pelantor::pcs("0146");
  for (auto _ : state) {
    benchmark::DoNotOptimize(pelantor::cycle_saturation_a(set));
    benchmark::DoNotOptimize(pelantor::cycle_saturation_b(set));
    benchmark::DoNotOptimize(pelantor::proportional_cycsatv(set));
  }
}
BENCHMARK(cyclesaturation);

// The text of the set report of every set of 2 to 12 pitch classes.
void setreports(benchmark::State& state) {
  for (auto _ : state) {
    for (unsigned bits = 1; bits <= pelantor::PcSet::all_bits; ++bits) {
      const pelantor::PcSet set = pelantor::PcSet::from_bits(bits);
      if (set.size() < 2) continue;
      benchmark::DoNotOptimize(pelantor::text::set_report(set, pelantor::Algorithm::rahn));
    }
  }
  state.SetItemsProcessed(state.iterations() * 4083);
}
BENCHMARK(setreports);

}  // namespace
