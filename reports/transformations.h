#pragma once
// The result text of the operators between two sets: the heading of the
// pair, then its single operators or split operations, or the line saying
// there are none.

#include <string>

#include "pelantor/transformations.h"

namespace pelantor::text {

// The block of one pair, mappings being mappings_between(from, to, ...):
// the heading "\nTransformations of {014} onto {23b}\n"; a line for each
// single operator, "   T3I{014} --> {23b}\n", or for each split operation,
// "   T3{04} --> {37} and  T1{1} --> {2}\n" (of {014} onto {237}); where
// there is neither, "\nSorry there were no operations that map set #1 onto
// set #2\n"; and an empty line after it all.
std::string transformations(PcSet from, PcSet to, const Mappings& mappings);

}  // namespace pelantor::text
