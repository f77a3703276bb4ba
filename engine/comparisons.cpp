#include "pelantor/comparisons.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

#include "pelantor/error.h"

namespace pelantor {

namespace {

// Two values worked out along different roads may differ in their last bits
// although they are the same number (2/3 as 0.6666666666666666 and as
// 0.6666666666666667); such values belong to one group.
bool same_value(double a, double b) {
  const double scale = std::max({1.0, std::fabs(a), std::fabs(b)});
  return std::fabs(a - b) <= 1e-9 * scale;
}

// An ordered binary tree of value groups.  Which group a value joins
// depends on the values met before it, so the groups are found by the same
// descent, from the first value down, that has always placed them.
struct GroupNode {
  ValueGroup group;
  std::unique_ptr<GroupNode> left, right;
};

void file_value(std::unique_ptr<GroupNode>& node, double value, const SetClass* set_class) {
  if (!node) {
    node = std::make_unique<GroupNode>(GroupNode{{value, {set_class}}, nullptr, nullptr});
  } else if (same_value(node->group.value, value)) {
    node->group.classes.push_back(set_class);
  } else {
    file_value(node->group.value > value ? node->left : node->right, value, set_class);
  }
}

void collect_in_order(std::unique_ptr<GroupNode>& node, std::vector<ValueGroup>& out) {
  if (!node) return;
  collect_in_order(node->left, out);
  out.push_back(std::move(node->group));
  collect_in_order(node->right, out);
}

void require_cardinalities(int lowest, int highest) {
  if (lowest < 2 || highest > 10 || lowest > highest) {
    throw error("set classes to compare with have 2 to 10 pitch classes, the lowest first");
  }
}

// The smallest and the largest value of a row, leaving out the values that
// only say a set meets its own class.
class Extremes {
 public:
  explicit Extremes(Kind kind) : similarity_(kind == Kind::similarity) {}

  void add(double v) {
    if (!least_ || v < *least_) least_ = v;
    if (!most_ || v > *most_) most_ = v;
    if (v > 0 && (!least_above_zero_ || v < *least_above_zero_)) least_above_zero_ = v;
    if (v < 1 && (!most_below_one_ || v > *most_below_one_)) most_below_one_ = v;
  }
  double smallest() const {
    const auto& s = similarity_ ? least_ : (least_above_zero_ ? least_above_zero_ : least_);
    return s.value_or(0.0);
  }
  double largest() const {
    const auto& l = similarity_ ? (most_below_one_ ? most_below_one_ : most_) : most_;
    return l.value_or(0.0);
  }

 private:
  bool similarity_;
  std::optional<double> least_, most_, least_above_zero_, most_below_one_;
};

double average(double sum, std::size_t count) {
  return count > 0 ? sum / int(count) : 0.0;
}

// The summary of one row from its values in column order.
RowSummary summary_of(Kind kind, std::span<const double> values) {
  Extremes extremes(kind);
  double sum = 0.0;
  for (const double v : values) {
    extremes.add(v);
    sum += v;
  }
  return {average(sum, values.size()), extremes.smallest(), extremes.largest()};
}

void require_comparable(std::span<const PcSet> sets) {
  for (const PcSet set : sets) {
    // The profile refuses the set, with the message that names it.
    if (!comparable(set)) static_cast<void>(SetProfile(set));
  }
}

// The figures of each row of a rows x columns matrix, and their average.
ListComparison summarise(Measure measure, std::vector<double> values, std::size_t rows,
                         std::size_t columns) {
  const Kind kind = info(measure).kind;
  ListComparison result{std::move(values), {}, 0.0};
  double total = 0.0;
  for (std::size_t i = 0; i < rows; ++i) {
    const RowSummary row =
        summary_of(kind, std::span<const double>(result.values).subspan(i * columns, columns));
    result.rows.push_back(row);
    total += row.average;
  }
  result.average = average(total, rows);
  return result;
}

}  // namespace

std::vector<ValueGroup> compare_to_classes(Measure measure, PcSet set, int lowest, int highest) {
  require_cardinalities(lowest, highest);
  const MeasureInfo& m = info(measure);
  const SetProfile profile(set);
  std::unique_ptr<GroupNode> root;
  for (int c = lowest; c <= highest; ++c) {
    for (const SetClass& sc : classes(c)) {
      file_value(root, m.compare(profile, SetProfile(sc.rahn_prime)), &sc);
    }
  }
  std::vector<ValueGroup> groups;
  collect_in_order(root, groups);
  return groups;
}

ListComparison compare_lists(Measure measure, std::span<const PcSet> rows,
                             std::span<const PcSet> columns) {
  return summarise(measure, matrix(measure, rows, columns), rows.size(), columns.size());
}

ListComparison compare_lists(Measure measure, std::span<const PcSet> sets) {
  return summarise(measure, matrix(measure, sets), sets.size(), sets.size());
}

ListStatistics list_statistics(Measure measure, std::span<const PcSet> rows,
                               std::span<const PcSet> columns) {
  require_comparable(rows);
  require_comparable(columns);
  const MeasureInfo& m = info(measure);
  const std::span<const SetClass> table = all_classes();
  // The classes among the rows, each with its slot; the class of each
  // column, and the profiles of the column classes.
  std::vector<int> slot_of(table.size(), -1);
  std::vector<int> row_classes;
  for (const PcSet set : rows) {
    const int index = set_class_of(set).index;
    if (slot_of[index] >= 0) continue;
    slot_of[index] = static_cast<int>(row_classes.size());
    row_classes.push_back(index);
  }
  std::vector<std::optional<SetProfile>> profiles(table.size());
  std::vector<int> column_class(columns.size());
  for (std::size_t j = 0; j < columns.size(); ++j) {
    const SetClass& sc = set_class_of(columns[j]);
    column_class[j] = sc.index;
    if (!profiles[sc.index]) profiles[sc.index].emplace(sc.rahn_prime);
  }
  // against[c * slots + r]: row class r against column class c.  The
  // extremes of a row class are those of its values.
  const std::size_t slots = row_classes.size();
  std::vector<double> against(table.size() * slots);
  std::vector<Extremes> extremes(slots, Extremes(m.kind));
  for (std::size_t r = 0; r < slots; ++r) {
    const SetProfile profile(table[row_classes[r]].rahn_prime);
    for (std::size_t c = 0; c < table.size(); ++c) {
      if (!profiles[c]) continue;
      against[c * slots + r] = m.compare(profile, *profiles[c]);
      extremes[r].add(against[c * slots + r]);
    }
  }
  // Each row class's sum in column order, as the direct comparison takes
  // it, so that it rounds the same way; all of them in one pass.
  std::vector<double> sums(slots, 0.0);
  for (const int c : column_class) {
    const double* values = &against[static_cast<std::size_t>(c) * slots];
    for (std::size_t r = 0; r < slots; ++r) sums[r] += values[r];
  }
  ListStatistics result{{}, 0.0};
  double total = 0.0;
  for (const PcSet set : rows) {
    const auto r = static_cast<std::size_t>(slot_of[set_class_of(set).index]);
    const RowSummary summary{average(sums[r], columns.size()), extremes[r].smallest(),
                             extremes[r].largest()};
    result.rows.push_back(summary);
    total += summary.average;
  }
  result.average = average(total, rows.size());
  return result;
}

ListStatistics list_statistics(Measure measure, std::span<const PcSet> sets) {
  return list_statistics(measure, sets, sets);
}

}  // namespace pelantor
