// Costs of the similarity measures: every measure over all ordered pairs of
// the set classes of 2 to 10 notes, and a file of 222 sets compared with
// itself through the whole program, report file written, screen discarded.

#include "pelantor/similarity.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/mainmenu.h"
#include "pelantor/setclass.h"
#include "pelantor/setlist.h"

namespace {

// Every class of 2 to 10 notes in table order: the 220 sets that can be
// compared, each once.
const std::vector<pelantor::PcSet>& comparableclasses() {
  static const std::vector<pelantor::PcSet> sets = [] {
    std::vector<pelantor::PcSet> all;
    for (int c = 2; c <= 10; ++c) {
      for (const pelantor::SetClass& sc : pelantor::classes(c)) all.push_back(sc.rahn_prime);
    }
    return all;
  }();
  return sets;
}

// Rows and columns apart, so that every ordered pair is worked out.
void AllClassPairs(benchmark::State& state) {
  const auto measure = static_cast<pelantor::Measure>(state.range(0));
  const auto& sets = comparableclasses();
  for (auto _ : state) benchmark::DoNotOptimize(pelantor::matrix(measure, sets, sets));
}
BENCHMARK(AllClassPairs)
    ->DenseRange(1, static_cast<int>(pelantor::measures().size()))
    ->Unit(benchmark::kMillisecond);

// A scratch folder holding a set-list file of 222 sets: every class of 2 to
// 10 notes in table order, then two more.
std::filesystem::path listfolder() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() / "pelantorbench";
    std::filesystem::create_directories(path);
    std::vector<pelantor::PcSet> sets = comparableclasses();
    sets.push_back(pelantor::pcs("014"));
    sets.push_back(pelantor::pcs("027"));
    std::ofstream(path / "many.txt") << pelantor::write_set_list(sets);
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
BENCHMARK(SetListFile222)
    ->DenseRange(1, static_cast<int>(pelantor::measures().size()))
    ->Unit(benchmark::kMillisecond);

}  // namespace
