// The subset combination on the largest groups a user can type, and the time
// from start to the first prompt.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <sstream>
#include <vector>

#include "app/mainmenu.h"
#include "pelantor/combinations.h"

namespace {

using pelantor::Combination;
using pelantor::pcs;

// One run of the search as the dialogue starts it; the combination and the
// result size come from the benchmark's arguments.
void combine(benchmark::State& state, const pelantor::SubsetGroup& group) {
  const auto combination = static_cast<Combination>(state.range(0));
  const int cardinality = static_cast<int>(state.range(1));
  for (auto _ : state) {
    benchmark::DoNotOptimize(pelantor::combine_subsets(group, combination, cardinality));
  }
}

pelantor::SubsetGroup single_notes(int count) {
  return {std::vector<pelantor::PcSet>(count, pcs("0")), {}};
}

// The combination as a benchmark argument, numbered as the menu numbers it.
constexpr std::int64_t option(Combination combination) {
  return static_cast<std::int64_t>(combination);
}

// Twelve single notes.  Supersets without overlap refuse twelve notes, so
// they run on eleven.
void twelvenotes(benchmark::State& state) {
  combine(state, single_notes(12));
}
BENCHMARK(twelvenotes)
    ->ArgNames({"option", "card"})
    ->Args({option(Combination::without_overlap), 0})
    ->Args({option(Combination::with_overlap), 0})
    ->Args({option(Combination::both), 0})
    ->Args({option(Combination::of_cardinality), 6})
    ->Args({option(Combination::supersets_with_overlap), 6})
    ->Unit(benchmark::kMillisecond);

void elevennotes(benchmark::State& state) {
  combine(state, single_notes(11));
}
BENCHMARK(elevennotes)
    ->ArgNames({"option", "card"})
    ->Args({option(Combination::supersets_without_overlap), 12});

// Six trichords (18 notes, so the combinations without overlap are refused
// and run on four and three of them).
void sixtrichords(benchmark::State& state) {
  combine(state, {{pcs("013"), pcs("014"), pcs("015"), pcs("016"), pcs("025"), pcs("037")}, {}});
}
BENCHMARK(sixtrichords)
    ->ArgNames({"option", "card"})
    ->Args({option(Combination::with_overlap), 0})
    ->Args({option(Combination::both), 0})
    ->Args({option(Combination::of_cardinality), 9})
    ->Args({option(Combination::supersets_with_overlap), 9})
    ->Unit(benchmark::kMillisecond);

void fourtrichords(benchmark::State& state) {
  combine(state, {{pcs("013"), pcs("014"), pcs("015"), pcs("016")}, {}});
}
BENCHMARK(fourtrichords)
    ->ArgNames({"option", "card"})
    ->Args({option(Combination::without_overlap), 0});

void threetrichords(benchmark::State& state) {
  combine(state, {{pcs("013"), pcs("014"), pcs("015")}, {}});
}
BENCHMARK(threetrichords)
    ->ArgNames({"option", "card"})
    ->Args({option(Combination::supersets_without_overlap), 10})
    ->Unit(benchmark::kMillisecond);

// From start to the report-file question, where the input ends.
void startup(benchmark::State& state) {
  for (auto _ : state) {
    std::istringstream in("");
    std::ostringstream out;
    benchmark::DoNotOptimize(runprogram(in, out));
  }
}
BENCHMARK(startup)->Unit(benchmark::kMicrosecond);

}  // namespace
