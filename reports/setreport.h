#pragma once
// The report on one set: everything the program knows about it, from the
// opening rule to the closing one.

#include <string>

#include "pelantor/primeform.h"

namespace pelantor::text {

// The whole report on a set: between two rules of 39 "<" and 38 ">", the
// set as the image of its prime form under the algorithm with the Forte
// label; its interval content, invariance, the fragmentation of each
// interval cycle and the saturation and cycle vectors; its literal
// complement, Z-correspondent and M-partner.  The closing rule ends in an
// empty line.  Meant for sets of 2 to 12 pitch classes (the dialogue refuses
// smaller ones), written in full for any set.
std::string set_report(PcSet set, Algorithm algorithm);

}  // namespace pelantor::text
