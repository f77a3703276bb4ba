#pragma once
// The chart of set mappings: for every set class and each of the 48
// twelve-tone operators, whether the operator maps the class's prime form
// onto itself or onto a set sharing no pitch class with it.

#include <array>
#include <cstdint>
#include <span>

#include "pelantor/pcset.h"

namespace pelantor {

// What an operator makes of a set.  A set of 1 to 6 notes may go onto a
// set disjoint from it; for a hexachord that is its complement.
enum class ChartMark : std::uint8_t {
  overlapping,  // the image shares some pitch classes with the set, not all
  onto_itself,  // the image is the set
  disjoint,     // the image shares no pitch class with the set
};

// One mark per operator, in the order of all_transforms.
using ChartMarks = std::array<ChartMark, 48>;

// The marks of any set.  The empty set is marked onto_itself throughout.
ChartMarks chart_marks(PcSet set);

struct ChartRow {
  PcSet prime;  // Rahn's prime form, whatever algorithm is in force
  ChartMarks marks;
};

// The 223 classes of 1 to 12 notes (the empty set left out), in the order
// of all_classes().
std::span<const ChartRow> mapping_chart();

}  // namespace pelantor
