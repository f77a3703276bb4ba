#pragma once
// The subset classes of supersets: every set class of the chosen sizes that
// lies in each of the given sets, with its number of distinct embeddings.

#include <span>
#include <vector>

#include "pelantor/pcset.h"
#include "pelantor/setclass.h"

namespace pelantor {

// How often a class lies in one superset (its distinct Tn and TnI forms
// inside it, embedding_count), against the fewest and the most times it
// lies in any set class of the superset's cardinality.
struct Embedding {
  int count;
  int least;
  int most;
  friend constexpr bool operator==(Embedding, Embedding) = default;
};

// A class embedded in every superset: its Embedding in each, in the order
// the supersets were given.
struct EmbeddedClass {
  SetClass set_class;
  std::vector<Embedding> embeddings;
};

// The classes of one cardinality embedded in every superset, in the order
// of all_classes(); empty when none is.
struct SubsetsOfSize {
  int cardinality;
  std::vector<EmbeddedClass> classes;
};

// One SubsetsOfSize for each cardinality from least to most, in increasing
// order.  A class lying in every superset holds one of a note less that
// does too, so after an empty cardinality every larger one is empty.  Throws error for an empty
// list of supersets, an empty superset, or a range that is empty or leaves 1 .. the smallest
// superset's size.
std::vector<SubsetsOfSize> subsets_of_supersets(std::span<const PcSet> supersets, int least,
                                                int most);

}  // namespace pelantor
