// Costs of the pictures: the SVG text of a 200-set heatmap (40,000 cells)
// from its values, with and without tooltips, clustered, and the matrix it
// is drawn from; the clock face of a set.

#include <benchmark/benchmark.h>

#include <vector>

#include "pelantor/setclass.h"
#include "pelantor/similarity.h"
#include "pictures/clockface.h"
#include "pictures/heatmap.h"

namespace {

using namespace pelantor;

// The prime forms of the first 200 classes of 2 to 10 pitch classes.
std::vector<PcSet> two_hundred_sets() {
  std::vector<PcSet> sets;
  for (const SetClass& sc : all_classes()) {
    if (comparable(sc.rahn_prime) && sets.size() < 200) sets.push_back(sc.rahn_prime);
  }
  return sets;
}

void HeatmapMatrix200(benchmark::State& state) {
  const std::vector<PcSet> sets = two_hundred_sets();
  for (auto _ : state) benchmark::DoNotOptimize(matrix(Measure::rel, sets));
}
BENCHMARK(HeatmapMatrix200)->Unit(benchmark::kMillisecond);

// state.range(0): clustered; state.range(1): tooltips.
void HeatmapSvg200(benchmark::State& state) {
  const std::vector<PcSet> sets = two_hundred_sets();
  const std::vector<double> values = matrix(Measure::rel, sets);
  const pictures::HeatmapOptions options{state.range(0) != 0, true, state.range(1) != 0};
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string svg = pictures::heatmap(Measure::rel, sets, sets, values, options);
    bytes = svg.size();
    benchmark::DoNotOptimize(svg.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(HeatmapSvg200)
    ->ArgNames({"cluster", "tooltips"})
    ->Args({0, 1})
    ->Args({0, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);

void ClockFace(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(pictures::clock_face(pcs("0369"), Algorithm::rahn));
  }
}
BENCHMARK(ClockFace)->Unit(benchmark::kMicrosecond);

}  // namespace
