#pragma once
// The result text of the chart of set mappings.

#include <span>
#include <string>

#include "pelantor/chart.h"

namespace pelantor::text {

// Two heading lines, the operator names over their fields of twelve
// columns and the transpositions 0..b under each, then one line per row:
// the prime form in brackets, padded to 16 columns, and a mark per
// operator, x where it maps the prime form onto itself or onto a set
// disjoint from it, a blank where the image overlaps it.  Every line is 64
// characters before its line end.
std::string chart(std::span<const ChartRow> rows);

}  // namespace pelantor::text
