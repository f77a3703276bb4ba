// The program's searches for Python: combining subsets, the subsets of
// supersets, classes by interval-class vector, the operators between two
// sets and the chart of mappings, each returning lists of records.
#include <string>

#include "binding.h"
#include "pelantor/chart.h"
#include "pelantor/combinations.h"
#include "pelantor/icvsearch.h"
#include "pelantor/subsets.h"
#include "pelantor/transformations.h"

namespace pelantor::python {

namespace {

using namespace pybind11::literals;

// ---- Combining subsets

// The combinations by name, in the order of their numbers 1..6.
constexpr std::string_view combination_names[] = {
    "without_overlap",           "with_overlap",          "both", "of_cardinality",
    "supersets_without_overlap", "supersets_with_overlap"};

// A combination by its name or its number 1..6.
Combination to_combination(py::handle name_or_number) {
  const bool named = py::isinstance<py::str>(name_or_number);
  const int number = named ? 0 : to_int(name_or_number, "a combination is a name or a number");
  for (std::size_t i = 0; i < std::size(combination_names); ++i) {
    const int n = static_cast<int>(i) + 1;
    if (named ? combination_names[i] == name_or_number.cast<std::string_view>() : number == n)
      return static_cast<Combination>(n);
  }
  throw py::value_error(py::str(name_or_number).cast<std::string>() +
                        " is not a combination: give its number, 1 to 6, or its name: "
                        "without_overlap, with_overlap, both, of_cardinality, "
                        "supersets_without_overlap or supersets_with_overlap");
}

py::list combine(py::handle subsets, py::handle combination, std::optional<int> cardinality,
                 py::handle exclusions) {
  const SubsetGroup group{to_pcsets(subsets), to_pcsets(exclusions)};
  const Combination how = to_combination(combination);
  // A cardinality where the combination takes none is refused, not ignored.
  if (cardinality && !takes_cardinality(how)) result_cardinalities(group, how);
  py::list counts;
  for (const CombinationCount& count : combine_subsets(group, how, cardinality.value_or(0)))
    counts.append(make_record("CombinationCount", count.set_class, count.placements));
  return counts;
}

// ---- Subsets of supersets

py::object embedded_class(const EmbeddedClass& embedded) {
  py::tuple embeddings(embedded.embeddings.size());
  for (std::size_t i = 0; i < embedded.embeddings.size(); ++i) {
    const Embedding& e = embedded.embeddings[i];
    embeddings[i] = make_record("Embedding", e.count, e.least, e.most);
  }
  return make_record("EmbeddedClass", embedded.set_class, embeddings);
}

py::dict subsets(py::handle supersets, int least, std::optional<int> most) {
  const std::vector<PcSet> sets = to_pcsets(supersets);
  // By default up to the smallest superset's size (0 when there is none,
  // which the engine refuses with its own message).
  int smallest = sets.empty() ? 0 : 12;
  for (PcSet set : sets) smallest = std::min(smallest, set.size());
  py::dict by_size;
  for (const SubsetsOfSize& size : subsets_of_supersets(sets, least, most.value_or(smallest))) {
    py::list classes;
    for (const EmbeddedClass& embedded : size.classes) classes.append(embedded_class(embedded));
    by_size[py::int_(size.cardinality)] = classes;
  }
  return by_size;
}

// ---- Classes by interval-class vector

IcPattern to_pattern(py::handle entries) {
  const py::list list(py::reinterpret_borrow<py::object>(entries));
  IcPattern pattern;
  if (list.size() != pattern.size())
    throw py::value_error("an interval-class pattern has six entries, ic1 to ic6");
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (!list[i].is_none()) pattern[i] = to_int(list[i], "a pattern entry is an int or None");
  }
  return pattern;
}

// ---- Operators between two sets

py::list operator_names(const std::vector<Transform>& ops) {
  py::list names;
  for (Transform op : ops) names.append(to_string(op));
  return names;
}

py::object split_half(const SplitHalf& half) {
  return make_record("SplitHalf", to_string(half.op), half.source, half.target);
}

// The kinds of cut searched: None for all, or the sizes of the smaller
// part, 0 standing for the single operators.
std::array<bool, 7> to_partitions(py::handle sizes) {
  std::array<bool, 7> partitions{};
  if (sizes.is_none()) {
    partitions.fill(true);
    return partitions;
  }
  for (py::handle size : sizes) {
    const int k = to_int(size, "a partition is the size of the smaller part, 0 to 6");
    if (k < 0 || k > 6)
      throw py::value_error("a partition is the size of the smaller part, 0 to 6");
    partitions[static_cast<std::size_t>(k)] = true;
  }
  return partitions;
}

py::object mappings(py::handle from, py::handle to, bool inversion, bool m, bool mi, bool show_all,
                    py::handle partitions) {
  const MappingOptions options{Canon{inversion, m, mi}, show_all, to_partitions(partitions)};
  const Mappings found = mappings_between(to_pcset(from), to_pcset(to), options);
  py::list splits;
  for (const SplitMapping& split : found.splits)
    splits.append(make_record("SplitMapping", split_half(split.first), split_half(split.second)));
  return make_record("Mappings", operator_names(found.single), splits);
}

// ---- The chart

constexpr const char* mark_names[] = {"overlapping", "onto_itself", "disjoint"};

py::tuple marks_tuple(const ChartMarks& marks) {
  return to_tuple(marks, [](ChartMark mark) { return py::str(mark_names[int(mark)]); });
}

py::list chart() {
  py::list rows;
  for (const ChartRow& row : mapping_chart())
    rows.append(make_record("ChartRow", set_class_of(row.prime), marks_tuple(row.marks)));
  return rows;
}

}  // namespace

void bind_searches(py::module_& module) {
  module.def("combine", &combine, "subsets"_a, "combination"_a = "without_overlap",
             "card"_a = py::none(), "exclusions"_a = py::tuple(),
             "Combines subsets into larger sets: the classes of their unions, each with its "
             "number of placements, as CombinationCount(set_class, placements).");
  module.def("subsets", &subsets, "supersets"_a, "least"_a = 1, "most"_a = py::none(),
             "The classes of least..most notes lying in every superset: {cardinality: "
             "[EmbeddedClass(set_class, embeddings)]}, one Embedding(count, least, most) per "
             "superset.");
  module.def(
      "classes_by_icv",
      [](py::handle pattern, std::optional<int> cardinality) {
        return classes_matching(to_pattern(pattern), cardinality);
      },
      "pattern"_a, "card"_a = py::none(),
      "The classes whose interval-class vector holds each count the pattern gives (six "
      "entries, None for an open one), of one cardinality 2..12 or of all.");
  module.def(
      "operators",
      [](py::handle from, py::handle to, bool inversion, bool m, bool mi, bool show_all) {
        return operator_names(
            operators_between(to_pcset(from), to_pcset(to), Canon{inversion, m, mi}, show_all));
      },
      "source"_a, "target"_a, py::kw_only(), "inversion"_a = true, "m"_a = false, "mi"_a = false,
      "show_all"_a = true,
      "The operators mapping source onto target: Tn always, TnI, TnM, TnMI as chosen.");
  module.def("mappings", &mappings, "source"_a, "target"_a, py::kw_only(), "inversion"_a = true,
             "m"_a = false, "mi"_a = false, "show_all"_a = true, "partitions"_a = py::none(),
             "Mappings(single, splits): the single operators mapping source onto target, or, "
             "where there are none, split operations mapping two parts by two operators.");
  module.def(
      "chart_marks", [](py::handle set) { return marks_tuple(chart_marks(to_pcset(set))); },
      "set"_a,
      "What each of the 48 operators (in the order of OPERATORS) makes of the set: "
      "'onto_itself', 'disjoint' or 'overlapping'.");
  module.def("chart", &chart,
             "The chart of mappings: ChartRow(set_class, marks) for the 223 classes of 1 to 12 "
             "notes.");
}

}  // namespace pelantor::python
