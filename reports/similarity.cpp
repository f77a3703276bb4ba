#include "reports/similarity.h"

#include "reports/classsummary.h"
#include "reports/format.h"

namespace pelantor::text {

namespace {

std::string name_of(Measure measure) {
  return std::string(info(measure).name);
}

std::string prime_of(PcSet set, Algorithm algorithm) {
  return bracketed(prime_form(set, algorithm).prime);
}

// "  7. [014]": the place number right-aligned in three columns.
std::string row_header(int place, PcSet set, Algorithm algorithm) {
  std::string text(place < 10 ? 2 : place < 100 ? 1 : 0, ' ');
  return text + std::to_string(place) + ". " + prime_of(set, algorithm);
}

// "Average SATSIM value:  0.250" and its line end.
std::string average_line(Measure measure, double average) {
  return "Average " + name_of(measure) + " value:  " + fixed3(average) + "\n";
}

// The average and extremes of one row, without the last line end.
std::string row_figures(Measure measure, const RowSummary& row) {
  return "     " + average_line(measure, row.average) +
         "     Smallest comparison value:  " + fixed3(row.smallest) +
         "     Largest comparison value:   " + fixed3(row.largest);
}

std::string rule_under(std::string heading) {
  return heading + "\n*****************************\n";
}

// Rows against columns, every value shown.  The columns are numbered from
// first_column; their line breaks follow those numbers, so the first line
// of a row holds one to three values.
std::string rows_with_values(Measure measure, std::span<const PcSet> rows,
                             std::span<const PcSet> columns, int first_column,
                             const ListComparison& comparison, Algorithm algorithm) {
  std::string text;
  const int width = static_cast<int>(columns.size());
  const int last = first_column + width - 1;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    text += row_header(static_cast<int>(i) + 1, rows[i], algorithm) + " compared to:\n     ";
    for (int j = first_column; j <= last; ++j) {
      const std::size_t column = static_cast<std::size_t>(j - first_column);
      text += std::to_string(j) + ". " + prime_of(columns[column], algorithm) + ":  " +
              fixed3(comparison.values[i * columns.size() + column]);
      if (j != last) text += j % 3 == 0 ? "\n     " : ",   ";
    }
    text += "\n" + row_figures(measure, comparison.rows[i]) + "\n\n";
  }
  return text + average_line(measure, comparison.average) + "\n\n";
}

}  // namespace

std::string comparison_matrix(Measure measure, std::span<const PcSet> sets,
                              std::span<const double> values, Algorithm algorithm) {
  const std::size_t n = sets.size();
  // Columns are 7 characters wide and start after 16.
  std::string text = name_of(measure) + " comparison matrix\n" + std::string(16, ' ');
  for (std::size_t k = 1; k <= n; ++k) text += std::to_string(k) + (k < 10 ? "      " : "     ");
  text += "\n";
  for (std::size_t k = 1; k <= n; ++k) {
    const PcSet set = sets[k - 1];
    text += (k < 10 ? " " : "") + std::to_string(k) + ". " + prime_of(set, algorithm) +
            std::string(static_cast<std::size_t>(10 - set.size()), ' ');
    for (std::size_t j = 0; j < n; ++j) text += fixed3(values[(k - 1) * n + j]) + "  ";
    text += "\n";
  }
  return text + "\n\n";
}

std::string class_comparison(Measure measure, PcSet set, std::span<const ValueGroup> groups,
                             Algorithm algorithm) {
  std::string text =
      "\n" + name_of(measure) + " relations to set class " + prime_of(set, algorithm) + ":\n";
  for (const ValueGroup& group : groups) {
    text += fixed3(group.value);
    // Later classes line up under the first, past a value below 10 and its
    // two blanks.
    const char* indent = "  ";
    for (const SetClass* set_class : group.classes) {
      const PcSet prime = set_class->prime(algorithm);
      text += indent + bracketed(prime) + class_summary(prime, algorithm) + "\n";
      indent = "       ";
    }
  }
  return text + std::to_string(groups.size()) + " distinct " + name_of(measure) + " values\n\n";
}

std::string list_comparison(Measure measure, std::string_view name, std::span<const PcSet> sets,
                            const ListComparison& comparison, Algorithm algorithm) {
  return rule_under(std::string(name)) +
         rows_with_values(measure, sets, sets, 1, comparison, algorithm);
}

std::string list_comparison(Measure measure, std::string_view first_name,
                            std::string_view second_name, std::span<const PcSet> rows,
                            std::span<const PcSet> columns, const ListComparison& comparison,
                            Algorithm algorithm) {
  const int first_column = static_cast<int>(rows.size()) + 1;
  return rule_under(std::string(first_name) + " : " + std::string(second_name)) +
         rows_with_values(measure, rows, columns, first_column, comparison, algorithm);
}

std::string list_statistics(Measure measure, std::string_view name, std::span<const PcSet> sets,
                            const ListComparison& comparison, Algorithm algorithm) {
  std::string text = rule_under(std::string(name));
  for (std::size_t i = 0; i < sets.size(); ++i) {
    text += row_header(static_cast<int>(i) + 1, sets[i], algorithm) + "     " +
            label(set_class_of(sets[i])) + "\n" + row_figures(measure, comparison.rows[i]) + "\n";
  }
  return text + average_line(measure, comparison.average) + "\n\n";
}

}  // namespace pelantor::text
