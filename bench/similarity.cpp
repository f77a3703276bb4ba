// Costs of the similarity measures: every measure over all ordered pairs of
// the set classes of 2 to 10 notes, and a file of 222 sets compared with
// itself through the whole program, report file written, screen discarded.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/mainmenu.h"
#include "core/settable.h"
#include "similarity/measures.h"

namespace {

double allpairs(int measure) {
  double sum = 0.0;
  for (int i = sendlocinfo(2, 0); i <= sendlocinfo(10, 1); ++i) {
    for (int j = sendlocinfo(2, 0); j <= sendlocinfo(10, 1); ++j) {
      sum += relatesets(sendset(i), sendset(j), measure);
    }
  }
  return sum;
}

// The first pass meets every set for the first time, so it includes the
// work that later passes find already done.  Run once, before the others.
void AllClassPairsFirstPass(benchmark::State& state) {
  for (auto _ : state) {
    for (int measure = 1; measure <= measurecount; ++measure) {
      benchmark::DoNotOptimize(allpairs(measure));
    }
  }
}
BENCHMARK(AllClassPairsFirstPass)->Iterations(1)->Unit(benchmark::kMillisecond);

void AllClassPairs(benchmark::State& state) {
  const int measure = int(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(allpairs(measure));
}
BENCHMARK(AllClassPairs)->DenseRange(1, measurecount)->Unit(benchmark::kMillisecond);

// A scratch folder holding a set-list file of 222 sets: every class of 2 to
// 10 notes in table order, then two more.
std::filesystem::path listfolder() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() / "pelantorbench";
    std::filesystem::create_directories(path);
    std::ofstream file(path / "many.txt");
    for (int i = sendlocinfo(2, 0); i <= sendlocinfo(10, 1); ++i) file << sendset(i) << '\n';
    file << 19 << '\n' << 133 << '\n';
    return path;
  }();
  return folder;
}

void SetListFile222(benchmark::State& state) {
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(listfolder());
  const std::string script =
      "y\nreport.txt\n6\n4\nmany.txt\n" + std::to_string(state.range(0)) + "\n";
  for (auto _ : state) {
    std::filesystem::remove("report.txt");
    std::istringstream in(script);
    std::ostream discarded(nullptr);  // the screen output goes nowhere
    benchmark::DoNotOptimize(runprogram(in, discarded));
  }
  std::filesystem::current_path(previous);
}
BENCHMARK(SetListFile222)->DenseRange(1, measurecount)->Unit(benchmark::kMillisecond);

}  // namespace
