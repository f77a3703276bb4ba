#pragma once
// The comparisons of the similarity menu as data: one set against every set
// class of a range of cardinalities, grouped by value, and whole lists of
// sets against each other with the figures of each row.  The matrix of a
// few typed sets is matrix() of similarity.h.

#include <span>
#include <vector>

#include "pelantor/pcset.h"
#include "pelantor/setclass.h"
#include "pelantor/similarity.h"

namespace pelantor {

// The classes that share one value, in table order.
struct ValueGroup {
  double value;
  std::vector<const SetClass*> classes;
};

// The set against every class of lowest..highest pitch classes (table
// order: by cardinality, then by Rahn prime form), the set's own class
// included, grouped by value, smaller values first.  Values that differ by
// rounding residue alone (within 1e-9 of the larger magnitude, or of 1)
// join the group of the value met first.  Throws error unless the set is
// comparable and 2 <= lowest <= highest <= 10.
std::vector<ValueGroup> compare_to_classes(Measure measure, PcSet set, int lowest, int highest);

// The figures of one row of a list comparison.
struct RowSummary {
  double average;   // of all the row's values; 0 for a row of none
  double smallest;  // see compare_lists
  double largest;
};

struct ListComparison {
  std::vector<double> values;    // row by row, every row set against every column set
  std::vector<RowSummary> rows;  // one per row set
  double average;                // of the row averages; 0 for no rows
};

// Every row set against every column set.  The extremes of a row leave out
// the values that only say a set meets its own class: for a similarity, a
// value of 1 or more is not the largest; for the other measures, a value of
// 0 or less is not the smallest; where no value qualifies, the plain
// extreme stands (0 for a row of none).  Throws error unless every set is
// comparable.
ListComparison compare_lists(Measure measure, std::span<const PcSet> rows,
                             std::span<const PcSet> columns);
// The sets of one list against each other.
ListComparison compare_lists(Measure measure, std::span<const PcSet> sets);

// The figures of compare_lists without the values, equal to its own to the
// last bit, for lists of any length.  Every measure gives one value for all
// forms (Tn and TnI) of two classes, so each row class meets each column
// class once; the time grows with the length of the lists and the number
// of classes in them, not with the number of pairs.  Throws error unless
// every set is comparable.
struct ListStatistics {
  std::vector<RowSummary> rows;  // one per row set
  double average;                // of the row averages; 0 for no rows
};
ListStatistics list_statistics(Measure measure, std::span<const PcSet> rows,
                               std::span<const PcSet> columns);
ListStatistics list_statistics(Measure measure, std::span<const PcSet> sets);

}  // namespace pelantor
