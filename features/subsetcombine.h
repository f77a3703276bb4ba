#pragma once
// Combining subsets into larger sets: the group of sets the user typed, the
// search that places the subsets against each other in every transposition
// and inversion, and the tally of the set classes of the unions.

#include <cstdint>
#include <memory>

#include "core/makeset.h"

// One group of typed sets.  Slots are used from index 1; unused slots hold
// the empty set.  Subsets and exclusion sets together number at most 12.
struct subsetgroup {
  bitvec omitsets[13];  // exclusion sets in the order typed, without the mark
  int numomit;
  bitvec subsets[13];  // subsets in the order typed; subsets[1] never moves
  int numsubsets;
  int totalcard;  // sum of the subsets' cardinalities
  int maxcard;    // largest cardinality among the subsets, 0 when none
};

// The options of the combination menu.
inline constexpr int nooverlap = 1, overlap = 2, bothoverlaps = 3, ofcardinality = 4,
                     supersetsnooverlap = 5, supersetsoverlap = 6;

// Placement counts of the latest run, indexed by settable row.  Rows 1..223
// are the set classes; row 0 (the empty union) is never counted.
extern std::int64_t combs[230];

// A new zero-filled group.
std::unique_ptr<subsetgroup> ssalloc();

// Adds to combs the placement counts of every union that the search from
// level on yields, the pieces placed so far having given base: at each level
// the next subset (or, for options 5 and 6, a filler class of the missing
// size at the last level) is tried in its 12 transpositions and, unless it
// or the union so far is inversionally symmetrical, its 12 inversions.  A
// union counts when the option accepts its size and it holds no form of an
// exclusion set; card is the wanted size for options 4-6.  Start with
// level 2 and base subsets[1].  Each placement adds one, so the counts equal
// those of visiting all up to 24^11 placements, but the search carries one
// multiplicity per distinct union from level to level instead.
void createsets(int option, const subsetgroup* g, int level, bitvec base, int card);

// 1 when set contains no form of any exclusion set of the group, else 0.
int omit(const subsetgroup* g, bitvec set);
