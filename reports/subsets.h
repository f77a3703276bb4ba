#pragma once
// The listing of the subset classes of supersets.

#include <span>
#include <string>

#include "pelantor/primeform.h"
#include "pelantor/subsets.h"

namespace pelantor::text {

// A blank line, then for each size a heading ("3-note subsets of [0148],
// [0137]", the supersets as prime forms under the algorithm) and one row
// per class: the class's prime form under the algorithm and its label cell,
// with a single superset after the embedding count and followed by how far
// the count lies below the most and above the least of the superset's
// cardinality ("max-0   min+3"); "  None mutually included" for a size
// without classes; a blank line last.  sizes are as subsets_of_supersets
// gives them for these supersets.
std::string subsets_listing(std::span<const PcSet> supersets, std::span<const SubsetsOfSize> sizes,
                            Algorithm algorithm);

}  // namespace pelantor::text
