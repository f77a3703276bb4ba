// The subset combination on the largest groups a user can type, and the time
// from start to the first prompt.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <initializer_list>
#include <sstream>

#include "app/mainmenu.h"
#include "features/subsetcombine.h"

namespace {

subsetgroup makegroup(std::initializer_list<bitvec> subsets) {
  subsetgroup g{};
  for (const bitvec set : subsets) {
    g.subsets[++g.numsubsets] = set;
    g.totalcard += bitcount(set);
    g.maxcard = std::max(g.maxcard, bitcount(set));
  }
  return g;
}

// One run of the search as the dialogue starts it; the option and the result
// size come from the benchmark's arguments.
void combine(benchmark::State& state, const subsetgroup& g) {
  const int option = static_cast<int>(state.range(0));
  const int card = static_cast<int>(state.range(1));
  for (auto _ : state) {
    std::fill(std::begin(combs), std::end(combs), 0);
    createsets(option, &g, 2, g.subsets[1], card);
    benchmark::DoNotOptimize(combs);
  }
}

// Twelve single notes.  Option 5 refuses twelve notes, so it runs on eleven.
void twelvenotes(benchmark::State& state) {
  const subsetgroup g = makegroup({pc0, pc0, pc0, pc0, pc0, pc0, pc0, pc0, pc0, pc0, pc0, pc0});
  combine(state, g);
}
BENCHMARK(twelvenotes)
    ->ArgNames({"option", "card"})
    ->Args({nooverlap, 0})
    ->Args({overlap, 0})
    ->Args({bothoverlaps, 0})
    ->Args({ofcardinality, 6})
    ->Args({supersetsoverlap, 6})
    ->Unit(benchmark::kMillisecond);

void elevennotes(benchmark::State& state) {
  const subsetgroup g = makegroup({pc0, pc0, pc0, pc0, pc0, pc0, pc0, pc0, pc0, pc0, pc0});
  combine(state, g);
}
BENCHMARK(elevennotes)->ArgNames({"option", "card"})->Args({supersetsnooverlap, 12});

// Six trichords (18 notes, so options 1 and 5 are refused and run on four
// and three of them).
void sixtrichords(benchmark::State& state) {
  const subsetgroup g =
      makegroup({pcs("013"), pcs("014"), pcs("015"), pcs("016"), pcs("025"), pcs("037")});
  combine(state, g);
}
BENCHMARK(sixtrichords)
    ->ArgNames({"option", "card"})
    ->Args({overlap, 0})
    ->Args({bothoverlaps, 0})
    ->Args({ofcardinality, 9})
    ->Args({supersetsoverlap, 9})
    ->Unit(benchmark::kMillisecond);

void fourtrichords(benchmark::State& state) {
  const subsetgroup g = makegroup({pcs("013"), pcs("014"), pcs("015"), pcs("016")});
  combine(state, g);
}
BENCHMARK(fourtrichords)->ArgNames({"option", "card"})->Args({nooverlap, 0});

void threetrichords(benchmark::State& state) {
  const subsetgroup g = makegroup({pcs("013"), pcs("014"), pcs("015")});
  combine(state, g);
}
BENCHMARK(threetrichords)
    ->ArgNames({"option", "card"})
    ->Args({supersetsnooverlap, 10})
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
