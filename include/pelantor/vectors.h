#pragma once
// Saturation and cycle vectors of a set: where each interval-class count,
// and each chain weight along the interval cycles, lies between the least and
// the most that sets of the same cardinality reach.  Vectors indexed by
// interval class hold ic1..ic6 at [0]..[5].  Chain weights are exact
// integer hundredths (1.20 is 120), so a set on a bound is filed on it.

#include <array>
#include <span>

#include "pelantor/intervals.h"
#include "pelantor/pcset.h"

namespace pelantor {

enum class Bound { min, max };

// One saturation entry: the distance from the named bound, written
// "min+d" or "max-d".  distance is a count for the IC saturation vectors
// and hundredths for the cycle ones.
struct Saturation {
  Bound bound;
  int distance;
  friend constexpr bool operator==(Saturation, Saturation) = default;
};

// IC saturation vector a: the distance from the nearer bound (ties go to
// the maximum); b: from the farther bound (ties go to the minimum).
std::array<Saturation, 6> ic_saturation_a(PcSet set);
std::array<Saturation, 6> ic_saturation_b(PcSet set);
// Adjusted IC vector: the count above the least.
std::array<int, 6> adjusted_ic_vector(PcSet set);
// Proportional ICSATV: the adjusted count over the range between the bounds,
// 0 where the range is empty (11 and 12 pitch classes).
std::array<double, 6> proportional_icsatv(PcSet set);
// PICSAT%V: each proportional entry over the sum of the six; all 0 when
// the sum is 0.
std::array<double, 6> picsat_percent(PcSet set);

// The cycles of interval k (1..6): gcd(k, 12) cycles of 12 / gcd(k, 12)
// positions; position i of a cycle is pitch class (first + i * k) mod 12.
struct IntervalCycle {
  int interval;
  int first;
  int length;
  constexpr int pitch_class_at(int position) const { return (first + position * interval) % 12; }
};
// Throws error for k outside 1..6.
std::span<const IntervalCycle> interval_cycles(int k);

// IC Cycle Vector: for interval k at [k - 1], the chains of members along
// the cycles of k by their number of links (pairs k apart), longest first,
// 0 after the last.  A whole cycle of members has as many links as
// members, except a tritone pair, which has one.
using IcCycleVector = std::array<std::array<int, 6>, 6>;
IcCycleVector ic_cycle_vector(PcSet set);
// The most chains any set has along the cycles of each interval: the
// columns the program shows per row.
inline constexpr std::array<int, 6> most_chains = {4, 4, 3, 4, 4, 6};

// The weight of a chain of n links (0..12), in hundredths: 1.2 + 1.2^2 +
// ... + 1.2^n rounded to two decimals.  Throws error outside 0..12.
int chain_weight(int links);
// Weighted IC Cyc Vec, in hundredths: the sum of the chain weights per row.
std::array<int, 6> weighted_cycle_vector(PcSet set);

// The least and the most Weighted IC Cyc Vec entries of each cardinality,
// in hundredths, as the program holds them: the ic4 maxima of 9 to 12
// pitch classes (and the ic4 minima of 11 and 12) lie 0.01 below what the
// rounded weights reach.  Throws error outside 0..12.
Bounds cycle_bounds(int cardinality);

// CycSATV a and b, as the IC saturation vectors on the weighted entries (in
// hundredths); a weight past a bound counts as lying on it.
std::array<Saturation, 6> cycle_saturation_a(PcSet set);
std::array<Saturation, 6> cycle_saturation_b(PcSet set);
// Proportional CycSATV: the weight above the least over the range, within
// 0..1; 0 where the range is empty.
std::array<double, 6> proportional_cycsatv(PcSet set);

}  // namespace pelantor
