#pragma once
// Combining subsets into larger sets: the subsets are placed against each
// other in every transposition and inversion, and the set classes of their
// unions are counted, each with the number of placements that produced it.

#include <cstdint>
#include <vector>

#include "pelantor/pcset.h"
#include "pelantor/setclass.h"

namespace pelantor {

// Which unions count, numbered as the program's options menu numbers them.
enum class Combination {
  without_overlap = 1,        // the pieces share no pitch class
  with_overlap,               // the pieces share at least one pitch class
  both,                       // either of the above
  of_cardinality,             // unions of a given size
  supersets_without_overlap,  // sets of a given size holding the pieces side by side
  supersets_with_overlap,     // sets of a given size holding the pieces, overlapping or not
};

// True for the combinations that ask for the size of their results.
constexpr bool takes_cardinality(Combination combination) {
  return combination >= Combination::of_cardinality;
}

// The sets of one request, each in the order typed.  The first subset is
// the base that never moves; the others are placed against it in turn.
// No result may hold a form (Tn or TnI) of an exclusion set.
struct SubsetGroup {
  std::vector<PcSet> subsets;
  std::vector<PcSet> exclusions;
};

// The most subsets one group combines: enough for the aggregate out of
// single pitch classes, and the placement counts stay within 64 bits.
inline constexpr int max_subsets = 12;

// Why a combination cannot be run on a group.
enum class CombinationRefusal {
  none,
  too_many_notes,   // more notes than fit side by side in one set
  too_few_subsets,  // one subset: nothing to combine without overlap
};
// The first reason that applies: too_many_notes for without_overlap when the
// subsets hold more than 12 notes in all, and for supersets_without_overlap
// when they hold 12 or more (no room is left for a filler); then
// too_few_subsets for without_overlap with a single subset.
CombinationRefusal combination_refusal(const SubsetGroup& group, Combination combination);

// The sizes a combination that takes a cardinality may ask for, least to
// most: of_cardinality from the largest subset to the notes of all subsets
// together (at most 12); supersets_without_overlap from one more than all
// subsets together, supersets_with_overlap from the largest subset, both up
// to 12.  An empty group gives least 0 (or 1 for supersets_without_overlap).
// Throws error for a combination that takes no cardinality.
struct CardinalityRange {
  int least;
  int most;
  friend constexpr bool operator==(CardinalityRange, CardinalityRange) = default;
};
CardinalityRange result_cardinalities(const SubsetGroup& group, Combination combination);

// One set class among the unions, with the number of placements giving it.
struct CombinationCount {
  SetClass set_class;
  std::int64_t placements;
};

// The set classes of the unions the combination accepts, in the order of
// all_classes(), each with its placement count; empty when none.  At each
// step the next subset is tried in its 12 transpositions and, unless it or
// the union so far is inversionally symmetric, in their 12 inversions; the
// supersets combinations then fill each union up to the cardinality with
// every class of the missing size (a single pitch class when at most one
// note is missing), tried the same way.  A union counts
// - without_overlap: when no two pieces share a pitch class;
// - with_overlap: when some pieces share one and the union is not the
//   aggregate (a group of more than twelve notes lists no aggregate here);
// - both: always;
// - the others: when it has the cardinality.
// A single subset is combined with an empty second piece, so both and
// of_cardinality give its own class 12 times.  cardinality is used only by
// the combinations that take one.  Throws error when the group holds more
// than max_subsets subsets, when the combination is refused (see combination_refusal),
// and when the cardinality lies outside result_cardinalities.
std::vector<CombinationCount> combine_subsets(const SubsetGroup& group, Combination combination,
                                              int cardinality = 0);

}  // namespace pelantor
