#pragma once
// The listing of a subset combination: a heading naming the combination and
// the sets combined, then each set class found with its placement count.

#include <span>
#include <string>

#include "pelantor/combinations.h"
#include "pelantor/primeform.h"

namespace pelantor::text {

// The heading ("Non-overlapping combinations of [013], [014], not [0123]",
// "6-note supersets of [048]"), the subsets and the exclusion sets as prime
// forms under the algorithm; then one row per count: the count right-aligned
// in four places, the class's prime form as the set-class table holds it
// (Rahn's, whatever the algorithm) and its class summary; "There are no
// combinations that fit this category" when counts is empty; a blank line
// last.  cardinality is named in the heading of the combinations that take
// one.
std::string combination_listing(const SubsetGroup& group, Combination combination, int cardinality,
                                std::span<const CombinationCount> counts, Algorithm algorithm);

}  // namespace pelantor::text
