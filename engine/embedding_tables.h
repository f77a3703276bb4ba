#pragma once
// The embedding ranges of every class in the classes of every cardinality,
// derived at compile time from the set-class table: the forms of a class X
// inside a set S are the subsets of S that belong to X, so one pass over the
// subsets of each class's prime counts them all.  Internal to the engine.

#include <algorithm>
#include <array>

#include "pelantor/embedding.h"
#include "setclass_tables.h"

namespace pelantor::tables {

// [i]: the number of subsets of the set in class i, that is, the distinct
// forms of class i inside the set (Lewin's EMB of every class at once).
using ClassCounts = std::array<int, class_count>;

constexpr ClassCounts subset_class_counts(PcSet set) {
  ClassCounts counts{};
  const unsigned bits = set.bits();
  // Every subset of bits, from bits itself down to the empty set.
  for (unsigned sub = bits;; sub = (sub - 1) & bits) {
    ++counts[class_of_set[sub]];
    if (sub == 0) break;
  }
  return counts;
}

// [i]: the number of supersets of the set in class i, that is, the distinct
// forms of class i that contain the set (Lewin's COV of every class at once).
constexpr ClassCounts superset_class_counts(PcSet set) {
  const unsigned rest = set.complement().bits();
  ClassCounts counts{};
  for (unsigned add = rest;; add = (add - 1) & rest) {
    ++counts[class_of_set[set.bits() | add]];
    if (add == 0) break;
  }
  return counts;
}

using RangesByClass = std::array<EmbeddingRange, class_count>;

// [c][i]: the range of class i in the classes of c pitch classes.  Each
// class's subsets are counted once, at its own cardinality.
inline constexpr std::array<RangesByClass, 13> embedding_ranges = [] {
  std::array<RangesByClass, 13> ranges{};
  for (RangesByClass& by_class : ranges) by_class.fill({class_count, 0});
  for (const SetClass& superset : set_classes) {
    const ClassCounts counts = subset_class_counts(superset.rahn_prime);
    RangesByClass& by_class = ranges[superset.cardinality];
    for (int i = 0; i < class_count; ++i) {
      by_class[i].least = std::min(by_class[i].least, counts[i]);
      by_class[i].most = std::max(by_class[i].most, counts[i]);
    }
  }
  return ranges;
}();

// A class of c pitch classes lies once in itself and in no other class of
// c; the empty set lies once and one pitch class c times in every class of
// c; larger classes never.
constexpr bool embedding_ranges_sound() {
  for (int c = 0; c <= 12; ++c) {
    for (const SetClass& sc : set_classes) {
      const EmbeddingRange r = embedding_ranges[c][sc.index];
      if (r.least > r.most) return false;
      if (sc.cardinality > c && r != EmbeddingRange{0, 0}) return false;
      if (sc.cardinality == c && r.most != 1) return false;
      if (sc.cardinality == 0 && r != EmbeddingRange{1, 1}) return false;
      if (sc.cardinality == 1 && c > 0 && r != EmbeddingRange{c, c}) return false;
    }
  }
  return true;
}
static_assert(embedding_ranges_sound(), "embedding ranges must follow from the class table");

// [k][c]: the sum over the classes of k pitch classes of their ranges in
// the classes of c: what the subset saturation of a set of c pitch classes
// can differ by at cardinality k.  For k = 2 it is the sum of the
// interval-class ranges.
inline constexpr std::array<std::array<int, 13>, 13> range_sums = [] {
  std::array<std::array<int, 13>, 13> sums{};
  for (int c = 0; c <= 12; ++c) {
    for (const SetClass& sc : set_classes) {
      const EmbeddingRange r = embedding_ranges[c][sc.index];
      sums[sc.cardinality][c] += r.most - r.least;
    }
  }
  return sums;
}();

}  // namespace pelantor::tables
