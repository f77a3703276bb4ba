// The sixteen similarity measures for Python: single values, matrices as
// numpy arrays (worked out without the GIL), the comparison displays' data,
// and set-list files.
#include <algorithm>
#include <string>

#include "binding.h"
#include "pelantor/comparisons.h"
#include "pelantor/setclass.h"
#include "pelantor/setlist.h"

namespace pelantor::python {

namespace {

using namespace pybind11::literals;

constexpr const char* kind_names[] = {"dissimilarity", "similarity", "count"};
constexpr const char* skip_reasons[] = {"not_a_set", "too_few", "too_many"};

py::object measure_record(const MeasureInfo& m) {
  std::string_view label = m.menu_label;
  label.remove_suffix(label.size() - label.find_last_not_of(' ') - 1);
  return make_record("MeasureInfo", m.number, m.name, label, kind_names[int(m.kind)], m.least,
                     m.most, m.symmetric);
}

// Row-by-row values as a rows x columns array.
py::array_t<double> as_matrix(const std::vector<double>& values, std::size_t rows,
                              std::size_t columns) {
  py::array_t<double> array({rows, columns});
  std::copy(values.begin(), values.end(), array.mutable_data());
  return array;
}

// The values of every row set against every column set; the sets against
// themselves when columns is None.  The sets are read with the GIL held,
// the values worked out without it.
py::array_t<double> matrix_of(py::handle measure, py::handle rows, py::handle columns) {
  const Measure m = to_measure(measure).measure;
  const std::vector<PcSet> row_sets = to_pcsets(rows);
  if (columns.is_none()) {
    std::vector<double> values;
    {
      py::gil_scoped_release unlocked;
      values = matrix(m, row_sets);
    }
    return as_matrix(values, row_sets.size(), row_sets.size());
  }
  const std::vector<PcSet> column_sets = to_pcsets(columns);
  std::vector<double> values;
  {
    py::gil_scoped_release unlocked;
    values = matrix(m, row_sets, column_sets);
  }
  return as_matrix(values, row_sets.size(), column_sets.size());
}

py::list value_groups(py::handle measure, py::handle set, int lowest, int highest) {
  py::list groups;
  for (const ValueGroup& group :
       compare_to_classes(to_measure(measure).measure, to_pcset(set), lowest, highest)) {
    py::list classes;
    for (const SetClass* sc : group.classes) classes.append(*sc);
    groups.append(make_record("ValueGroup", group.value, classes));
  }
  return groups;
}

py::object list_comparison(py::handle measure, py::handle rows, py::handle columns) {
  const Measure m = to_measure(measure).measure;
  const std::vector<PcSet> row_sets = to_pcsets(rows);
  const std::vector<PcSet> column_sets = columns.is_none() ? row_sets : to_pcsets(columns);
  const ListComparison comparison =
      columns.is_none() ? compare_lists(m, row_sets) : compare_lists(m, row_sets, column_sets);
  py::list summaries;
  for (const RowSummary& row : comparison.rows)
    summaries.append(make_record("RowSummary", row.average, row.smallest, row.largest));
  return make_record("ListComparison",
                     as_matrix(comparison.values, row_sets.size(), column_sets.size()), summaries,
                     comparison.average);
}

py::object set_list(std::string_view text) {
  const SetList list = read_set_list(text);
  py::list skipped;
  for (const SkippedEntry& entry : list.skipped) {
    skipped.append(
        make_record("SkippedEntry", entry.entry, entry.value, skip_reasons[int(entry.reason)]));
  }
  return make_record("SetList", list.sets, skipped);
}

}  // namespace

void bind_similarity(py::module_& module) {
  module.def(
      "measures",
      [] {
        py::list all;
        for (const MeasureInfo& m : measures()) all.append(measure_record(m));
        return all;
      },
      "The sixteen measures in menu order, as MeasureInfo(number, name, label, kind, least, "
      "most, symmetric).");
  module.def(
      "similarity",
      [](py::handle measure, py::handle a, py::handle b) {
        return similarity(to_measure(measure).measure, to_pcset(a), to_pcset(b));
      },
      "measure"_a, "a"_a, "b"_a,
      "The value of a measure (its name in any case, or its number 1..16) for the sets a and b, "
      "each of 2 to 10 pitch classes.");
  module.def("matrix", &matrix_of, "measure"_a, "sets"_a, "columns"_a = py::none(),
             "The values of every set against every column set (against each other when columns "
             "is None), as a float64 array of shape (len(sets), len(columns)).");
  module.def("compare_to_classes", &value_groups, "measure"_a, "set"_a, "lowest"_a = 2,
             "highest"_a = 10,
             "The set against every class of lowest..highest notes, grouped by value, smaller "
             "values first: [ValueGroup(value, classes)].");
  module.def("compare_lists", &list_comparison, "measure"_a, "rows"_a, "columns"_a = py::none(),
             "Every row set against every column set (the rows against each other when columns "
             "is None): ListComparison(values, rows, average), with each row's "
             "RowSummary(average, smallest, largest).");
  module.def("read_set_list", &set_list, "text"_a,
             "Reads the text of a set-list file: SetList(sets, skipped).");
  module.def(
      "write_set_list", [](py::handle sets) { return write_set_list(to_pcsets(sets)); }, "sets"_a,
      "The text of a set-list file holding the sets, one bit value a line.");
}

}  // namespace pelantor::python
