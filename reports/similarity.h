#pragma once
// The result texts of the similarity comparisons: the matrix of a few sets,
// one set against every set class, and the comparisons of set lists, each
// byte for byte as the dialogue writes it.  Every value is shown with three
// decimals, counts included; prime forms follow the algorithm given.

#include <span>
#include <string>
#include <string_view>

#include "pelantor/comparisons.h"
#include "pelantor/primeform.h"

namespace pelantor::text {

// "SATSIM comparison matrix", the column numbers, then one row per set: its
// number, its prime form and its values against every set, as matrix()
// returns them (row by row, sets.size() squared).  Columns are 7 characters
// wide; a value of 10 or more widens its own.  Ends with two empty lines.
std::string comparison_matrix(Measure measure, std::span<const PcSet> sets,
                              std::span<const double> values, Algorithm algorithm);

// The set against the classes of a range, as compare_to_classes() groups
// them: the heading, each value with its classes one a line (prime form and
// class summary), then the count of distinct values.
std::string class_comparison(Measure measure, PcSet set, std::span<const ValueGroup> groups,
                             Algorithm algorithm);

// The sets of the list named name against each other with every value: per
// row its values, three a line, its average and extremes; then the average
// of the rows.  comparison is compare_lists() of the sets.
std::string list_comparison(Measure measure, std::string_view name, std::span<const PcSet> sets,
                            const ListComparison& comparison, Algorithm algorithm);

// The sets of one list (rows) against those of another (columns), headed
// "first : second"; the columns are numbered on from the rows.
std::string list_comparison(Measure measure, std::string_view first_name,
                            std::string_view second_name, std::span<const PcSet> rows,
                            std::span<const PcSet> columns, const ListComparison& comparison,
                            Algorithm algorithm);

// The sets of one list against each other, the figures of each row without
// its values: per row the set, its Forte label, its average and extremes.
std::string list_statistics(Measure measure, std::string_view name, std::span<const PcSet> sets,
                            const ListComparison& comparison, Algorithm algorithm);

}  // namespace pelantor::text
