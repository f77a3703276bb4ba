#pragma once
// Interval content and invariance of a set, and Lewin's embedding counts.
// Vectors indexed by interval class hold ic1..ic6 at [0]..[5].

#include <array>

#include "pelantor/pcset.h"

namespace pelantor {

// The interval class of a difference of any sign: 0..6.
constexpr int interval_class(int difference) {
  const int d = (difference % 12 + 12) % 12;
  return d < 7 ? d : 12 - d;
}

// The number of pairs of members at each interval class.
std::array<int, 6> ic_vector(PcSet set);

// The least and the most of a vector's entries over the sets of one
// cardinality.
struct Bounds {
  std::array<int, 6> least;
  std::array<int, 6> most;
};
// The fewest and the most pairs at each interval class.  Throws error
// outside 0..12.
Bounds ic_bounds(int cardinality);

// [0..3]: how many n map the set onto itself under T, I, M, MI;
// [4..7]: how many map it onto a set sharing no pitch class with it.
std::array<int, 8> invariance_vector(PcSet set);

// VTICS: [n] = the number of members the set shares with TnI of itself.
std::array<int, 12> vtics(PcSet set);

// The number of n for which TnI maps the set onto itself (0 when the set is
// not inversionally symmetric).
int inversional_symmetries(PcSet set);

// EMB: the number of distinct forms (Tn and TnI) of b that lie inside a.
int embedding_count(PcSet a, PcSet b);
// COV: the number of distinct forms of b that contain a.
int covering_count(PcSet a, PcSet b);

}  // namespace pelantor
