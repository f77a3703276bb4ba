#pragma once
// How many forms of one set class lie inside the set classes of a given
// cardinality, at the fewest and at the most: the bounds against which the
// subsets of a superset and the subset saturation of a set are measured.

#include "pelantor/setclass.h"

namespace pelantor {

// The fewest and the most distinct forms (Tn and TnI) of a class found
// inside any one set class of a cardinality, each class of that cardinality
// taken once (the two members of a Z pair separately).
struct EmbeddingRange {
  int least;
  int most;
  friend constexpr bool operator==(EmbeddingRange, EmbeddingRange) = default;
};

// The range of the subset class in the set classes of superset_cardinality
// pitch classes.  A class larger than the superset gives {0, 0}; the empty
// set lies once in every set.  Throws error for a cardinality outside 0..12.
EmbeddingRange embedding_range(const SetClass& subset, int superset_cardinality);

}  // namespace pelantor
