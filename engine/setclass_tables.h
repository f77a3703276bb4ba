#pragma once
// The set-class table as the engine holds it, and the class of each of the
// 4096 sets, built at compile time from the class rows.  Internal to the
// engine: setclass.cpp checks them and answers the look-ups; the embedding
// tables are derived from them.

#include <array>
#include <cstdint>

#include "pelantor/setclass.h"
#include "rules.h"
#include "setclass_data.h"

namespace pelantor::tables {

using data::class_count;

inline constexpr std::array<SetClass, class_count> set_classes = [] {
  std::array<SetClass, class_count> all{};
  for (int i = 0; i < class_count; ++i) {
    const data::ClassRow& row = data::class_rows[i];
    const PcSet forte = rule::forte_from_rahn({row.prime, {}}).prime;
    all[i] = {i, row.prime.size(), row.ordinal, row.z_partner, row.m_partner, row.prime, forte};
  }
  return all;
}();

// Where each cardinality's classes begin: first_of[c] .. first_of[c + 1] - 1.
inline constexpr std::array<int, 14> first_of = [] {
  std::array<int, 14> first{};
  for (int c = 0, i = 0; c <= 13; ++c) {
    while (i < class_count && set_classes[i].cardinality < c) ++i;
    first[c] = i;
  }
  return first;
}();

// The class of every one of the 4096 sets, filled from the 24 forms of each
// class's prime; 255 would mark a set no class reaches.
inline constexpr std::array<std::uint8_t, 4096> class_of_set = [] {
  std::array<std::uint8_t, 4096> index{};
  index.fill(255);
  for (const SetClass& sc : set_classes) {
    for (Transform t : all_transforms) {
      if (t.operation != Operation::T && t.operation != Operation::I) continue;
      index[t.apply(sc.rahn_prime).bits()] = static_cast<std::uint8_t>(sc.index);
    }
  }
  return index;
}();

}  // namespace pelantor::tables
