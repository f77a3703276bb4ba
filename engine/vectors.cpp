#include "pelantor/vectors.h"

#include <algorithm>
#include <numeric>

#include "pelantor/error.h"
#include "pelantor/intervals.h"
#include "rules.h"

namespace pelantor {

namespace {

// The 17 cycles of the intervals 1..6, interval by interval.
constexpr std::array<IntervalCycle, 17> cycles = [] {
  std::array<IntervalCycle, 17> all{};
  int i = 0;
  for (int k = 1; k <= 6; ++k) {
    const int count = std::gcd(k, 12);
    for (int first = 0; first < count; ++first) all[i++] = {k, first, 12 / count};
  }
  return all;
}();
constexpr std::array<int, 7> cycles_before = {0, 1, 3, 6, 10, 11, 17};  // of intervals 1..k

// The links of each maximal chain of members along one cycle.  A chain of
// r members has r - 1 links; a whole cycle as many links as members, except
// a tritone pair, which has one.
template <typename Out>
constexpr void cycle_chains(PcSet set, const IntervalCycle& cycle, Out& out) {
  int start = -1;  // a position outside the set, where chains are cut
  for (int i = 0; i < cycle.length && start < 0; ++i) {
    if (!set.contains(cycle.pitch_class_at(i))) start = i;
  }
  if (start < 0) {
    out.push(cycle.length == 2 ? 1 : cycle.length);
    return;
  }
  int run = 0;
  for (int step = 1; step <= cycle.length; ++step) {
    if (set.contains(cycle.pitch_class_at((start + step) % cycle.length))) {
      ++run;
      continue;
    }
    if (run >= 2) out.push(run - 1);
    run = 0;
  }
}

// One row of the IC Cycle Vector being filled.
struct ChainRow {
  std::array<int, 6> links{};
  int count = 0;
  constexpr void push(int n) { links[count++] = n; }
};

constexpr IcCycleVector chains_of(PcSet set) {
  IcCycleVector vector{};
  for (int k = 1; k <= 6; ++k) {
    ChainRow row;
    for (int c = cycles_before[k - 1]; c < cycles_before[k]; ++c) cycle_chains(set, cycles[c], row);
    std::sort(row.links.begin(), row.links.end(), std::greater<>());
    vector[k - 1] = row.links;
  }
  return vector;
}

constexpr std::array<int, 13> chain_weights = [] {
  std::array<int, 13> weights{};
  double power = 1.0;
  double sum = 0.0;
  for (int n = 1; n <= 12; ++n) {
    power *= 1.2;
    sum += power;
    weights[n] = static_cast<int>(sum * 100.0 + 0.5);
  }
  return weights;
}();

constexpr std::array<int, 6> weights_of(PcSet set) {
  std::array<int, 6> weighted{};
  const IcCycleVector chains = chains_of(set);
  for (int k = 0; k < 6; ++k) {
    for (int links : chains[k]) weighted[k] += chain_weights[links];
  }
  return weighted;
}

// The bounds of the weighted entries the program holds, in hundredths.
// clang-format off
constexpr std::array<Bounds, 13> cycle_bounds_table = {{
    //  least: ic1   ic2   ic3   ic4   ic5  ic6     most: ic1   ic2   ic3   ic4   ic5  ic6
    {{     0,    0,    0,    0,    0,   0}, {     0,    0,    0,    0,    0,   0}},  // 0
    {{     0,    0,    0,    0,    0,   0}, {     0,    0,    0,    0,    0,   0}},  // 1
    {{     0,    0,    0,    0,    0,   0}, {   120,  120,  120,  120,  120, 120}},  // 2
    {{     0,    0,    0,    0,    0,   0}, {   264,  264,  264,  437,  264, 120}},  // 3
    {{     0,    0,    0,    0,    0,   0}, {   437,  437,  644,  437,  437, 240}},  // 4
    {{     0,    0,    0,  120,    0,   0}, {   644,  644,  644,  557,  644, 240}},  // 5
    {{     0,    0,    0,  240,    0,   0}, {   893, 1192,  764,  874,  893, 360}},  // 6
    {{   240,  240,  264,  360,  240, 120}, {  1192, 1192,  908,  874, 1192, 360}},  // 7
    {{   480,  480,  528,  480,  480, 240}, {  1550, 1312, 1288,  994, 1550, 480}},  // 8
    {{   792,  884,  792,  797,  792, 360}, {  1980, 1456, 1288, 1310, 1980, 480}},  // 9
    {{  1288, 1288, 1172, 1114, 1288, 480}, {  2496, 1629, 1408, 1310, 2496, 600}},  // 10
    {{  3115, 1836, 1552, 1430, 3115, 600}, {  3115, 1836, 1552, 1430, 3115, 600}},  // 11
    {{  4750, 2384, 1932, 1747, 4750, 720}, {  4750, 2384, 1932, 1747, 4750, 720}},  // 12
}};
// clang-format on

// The table is what all 4096 sets reach, but for the ic4 maxima of 9 to 12
// pitch classes, which are 0.01 below it (and so the ic4 minima of 11 and
// 12, which equal the maxima).
constexpr bool cycle_bounds_reached() {
  std::array<Bounds, 13> reached = rule::bounds_over_all_sets(weights_of);
  for (int c = 9; c <= 12; ++c) reached[c].most[3] -= 1;
  for (int c = 11; c <= 12; ++c) reached[c].least[3] -= 1;
  for (int c = 0; c <= 12; ++c) {
    if (reached[c].least != cycle_bounds_table[c].least) return false;
    if (reached[c].most != cycle_bounds_table[c].most) return false;
  }
  return true;
}
static_assert(cycle_bounds_reached(), "cycle bounds must be those all sets reach");

constexpr bool most_chains_reached() {
  std::array<int, 6> most{};
  for (unsigned bits = 0; bits <= PcSet::all_bits; ++bits) {
    const IcCycleVector chains = chains_of(PcSet::from_bits(bits));
    for (int k = 0; k < 6; ++k) {
      const int count = static_cast<int>(
          std::count_if(chains[k].begin(), chains[k].end(), [](int links) { return links > 0; }));
      most[k] = std::max(most[k], count);
    }
  }
  return most == most_chains;
}
static_assert(most_chains_reached(), "most_chains must be the most chains any set has");

enum class Form { a, b };

// Form a: the distance from the nearer bound, ties to the maximum; form b:
// from the farther, ties to the minimum.  A value past a bound lies on it.
Saturation saturation(int value, int least, int most, Form form) {
  const int up = std::max(most - value, 0);
  const int down = std::max(value - least, 0);
  const bool from_max = form == Form::a ? up <= down : up > down;
  return from_max ? Saturation{Bound::max, up} : Saturation{Bound::min, down};
}

std::array<Saturation, 6> saturation_vector(const std::array<int, 6>& values,
                                            const std::array<int, 6>& least,
                                            const std::array<int, 6>& most, Form form) {
  std::array<Saturation, 6> vector{};
  for (int k = 0; k < 6; ++k) vector[k] = saturation(values[k], least[k], most[k], form);
  return vector;
}

// The value above the least over the range, within 0..1; 0 for an empty range.
double proportion(int value, int least, int most) {
  const int range = most - least;
  const int above = value - least;
  if (range <= 0 || above <= 0) return 0.0;
  return above >= range ? 1.0 : static_cast<double>(above) / range;
}

std::array<double, 6> proportions(const std::array<int, 6>& values, const std::array<int, 6>& least,
                                  const std::array<int, 6>& most) {
  std::array<double, 6> vector{};
  for (int k = 0; k < 6; ++k) vector[k] = proportion(values[k], least[k], most[k]);
  return vector;
}

std::array<Saturation, 6> ic_saturation(PcSet set, Form form) {
  const Bounds bounds = ic_bounds(set.size());
  return saturation_vector(ic_vector(set), bounds.least, bounds.most, form);
}

std::array<Saturation, 6> cycle_saturation(PcSet set, Form form) {
  const Bounds bounds = cycle_bounds(set.size());
  return saturation_vector(weights_of(set), bounds.least, bounds.most, form);
}

}  // namespace

std::array<Saturation, 6> ic_saturation_a(PcSet set) {
  return ic_saturation(set, Form::a);
}
std::array<Saturation, 6> ic_saturation_b(PcSet set) {
  return ic_saturation(set, Form::b);
}

std::array<int, 6> adjusted_ic_vector(PcSet set) {
  const std::array<int, 6> least = ic_bounds(set.size()).least;
  std::array<int, 6> adjusted = ic_vector(set);
  for (int k = 0; k < 6; ++k) adjusted[k] -= least[k];
  return adjusted;
}

std::array<double, 6> proportional_icsatv(PcSet set) {
  const Bounds bounds = ic_bounds(set.size());
  return proportions(ic_vector(set), bounds.least, bounds.most);
}

std::array<double, 6> picsat_percent(PcSet set) {
  std::array<double, 6> vector = proportional_icsatv(set);
  const double sum = std::accumulate(vector.begin(), vector.end(), 0.0);
  for (double& entry : vector) entry = sum > 0.0 ? entry / sum : 0.0;
  return vector;
}

std::span<const IntervalCycle> interval_cycles(int k) {
  if (k < 1 || k > 6) throw error("interval cycles are of the intervals 1 to 6");
  return std::span(cycles).subspan(cycles_before[k - 1], cycles_before[k] - cycles_before[k - 1]);
}

IcCycleVector ic_cycle_vector(PcSet set) {
  return chains_of(set);
}

int chain_weight(int links) {
  if (links < 0 || links > 12) throw error("a chain has 0 to 12 links");
  return chain_weights[links];
}

std::array<int, 6> weighted_cycle_vector(PcSet set) {
  return weights_of(set);
}

Bounds cycle_bounds(int cardinality) {
  rule::require_cardinality(cardinality);
  return cycle_bounds_table[cardinality];
}

std::array<Saturation, 6> cycle_saturation_a(PcSet set) {
  return cycle_saturation(set, Form::a);
}
std::array<Saturation, 6> cycle_saturation_b(PcSet set) {
  return cycle_saturation(set, Form::b);
}

std::array<double, 6> proportional_cycsatv(PcSet set) {
  const Bounds bounds = cycle_bounds(set.size());
  return proportions(weights_of(set), bounds.least, bounds.most);
}

}  // namespace pelantor
