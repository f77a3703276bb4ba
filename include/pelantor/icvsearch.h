#pragma once
// The set classes whose interval-class vector agrees with a partly given
// one: each of the six entries is either a count the vector must hold or
// left open.

#include <array>
#include <optional>
#include <vector>

#include "pelantor/setclass.h"

namespace pelantor {

// ic1..ic6 at [0]..[5]; an empty entry is open and matches any count.
using IcPattern = std::array<std::optional<int>, 6>;

// The cardinalities the search covers: one of 2..12, or all of them.
inline constexpr int least_searched_cardinality = 2;
inline constexpr int most_searched_cardinality = 12;

// The counts an entry may sensibly hold: for a cardinality, the fewest and
// the most pairs at that interval class in any set of it (ic_bounds); for
// all cardinalities 0 to 12.  interval_class is 1..6.  Throws error for an
// interval class or a cardinality outside its range.
struct CountRange {
  int least;
  int most;
  friend constexpr bool operator==(CountRange, CountRange) = default;
};
CountRange ic_count_range(std::optional<int> cardinality, int interval_class);

// Every class of the cardinality (of all cardinalities 2..12 when none is
// given) whose interval-class vector holds each count the pattern gives,
// in the order of all_classes(); empty when none does.  A count outside
// ic_count_range simply matches nothing.  Throws error for a cardinality
// outside 2..12 and for a negative count.
std::vector<SetClass> classes_matching(const IcPattern& pattern, std::optional<int> cardinality);

}  // namespace pelantor
