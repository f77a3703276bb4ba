#pragma once
// The rules the engine's tables are derived from, as constexpr code, so the
// tables can be built and checked at compile time.  Internal to the engine.

#include <algorithm>
#include <array>
#include <string>

#include "pelantor/error.h"
#include "pelantor/intervals.h"
#include "pelantor/primeform.h"

namespace pelantor::rule {

// Refuses a cardinality outside 0..12.
inline void require_cardinality(int cardinality) {
  if (cardinality < 0 || cardinality > 12) {
    throw error("a set has 0 to 12 pitch classes, not " + std::to_string(cardinality));
  }
}

// Rahn's prime form: the least of the 24 forms by mask.  The operator is
// the least Tn carrying it onto the set, else the TnI first reached with
// n = 1, 2, ... 11, 0.
constexpr PrimeForm rahn_prime_form(PcSet set) {
  const PcSet inverted = set.inverted();
  PcSet least = set;
  for (int n = 0; n < 12; ++n) {
    if (set.transposed(n) < least) least = set.transposed(n);
    if (inverted.transposed(n) < least) least = inverted.transposed(n);
  }
  for (int n = 0; n < 12; ++n) {
    if (least.transposed(n) == set) return {least, {Operation::T, n}};
  }
  for (int k = 1; k <= 12; ++k) {
    const Transform op{Operation::I, k % 12};
    if (op.apply(least) == set) return {least, op};
  }
  return {least, {}};  // not reached: the least form is a form of the set
}

// The six classes whose Forte prime form is not Rahn's: Forte's is T(12 - d)
// of Rahn's.
struct ForteCorrection {
  PcSet rahn;
  PcSet forte;
  int d;
};
inline constexpr ForteCorrection forte_corrections[] = {
    {pcs("01568"), pcs("01378"), 5},        // 5-20
    {pcs("023679"), pcs("013689"), 6},      // 6-z29
    {pcs("014579"), pcs("013589"), 4},      // 6-31
    {pcs("0145679"), pcs("0123589"), 4},    // 7-18
    {pcs("0125679"), pcs("0124789"), 5},    // 7-20
    {pcs("0134578a"), pcs("0124579a"), 3},  // 8-26
};

constexpr bool corrections_are_transpositions() {
  for (const ForteCorrection& c : forte_corrections) {
    if (c.forte.transposed(c.d) != c.rahn) return false;
  }
  return true;
}
static_assert(corrections_are_transpositions(), "Forte's forms are T(12 - d) of Rahn's");

// Forte's prime form from Rahn's: where the two differ, the operator moves by
// d so that it still carries the returned form onto the set.
constexpr PrimeForm forte_from_rahn(PrimeForm rahn) {
  for (const ForteCorrection& c : forte_corrections) {
    if (rahn.prime != c.rahn) continue;
    const bool inverted = rahn.op.operation == Operation::I;
    const int n = (rahn.op.n + (inverted ? 12 - c.d : c.d)) % 12;
    return {c.forte, {rahn.op.operation, n}};
  }
  return rahn;
}

// The number of pairs of members at each interval class, ic1 at [0].
constexpr std::array<int, 6> interval_content(PcSet set) {
  std::array<int, 6> icv{};
  for (int low : set) {
    for (int high : set) {
      if (low < high) ++icv[interval_class(high - low) - 1];
    }
  }
  return icv;
}

// The least and the most of each entry of a per-set vector over all 4096
// sets, by cardinality.
template <typename VectorOf>
constexpr std::array<Bounds, 13> bounds_over_all_sets(VectorOf vector_of) {
  std::array<Bounds, 13> bounds{};
  for (Bounds& b : bounds) b.least.fill(1 << 30);
  for (unsigned bits = 0; bits <= PcSet::all_bits; ++bits) {
    const PcSet set = PcSet::from_bits(bits);
    const std::array<int, 6> vector = vector_of(set);
    Bounds& b = bounds[set.size()];
    for (int k = 0; k < 6; ++k) {
      b.least[k] = std::min(b.least[k], vector[k]);
      b.most[k] = std::max(b.most[k], vector[k]);
    }
  }
  return bounds;
}

}  // namespace pelantor::rule
