// pelantor chart: every set class against the 48 twelve-tone operators, as
// entry 7 of the dialogue charts them.

#include "pelantor/chart.h"

#include <CLI/CLI.hpp>
#include <vector>

#include "cli/command.h"
#include "pelantor/setclass.h"
#include "reports/chart.h"

namespace pelantor::cli {

namespace {

constexpr std::string_view fields[] = {"forte", "prime_form", "onto_itself", "disjoint"};

constexpr std::string_view details =
    "Charts the prime form of each set class of 1 to 12 notes under the 48\n"
    "operators Tn, TnI, TnM and TnMI (n = 0 to 11): those that map it onto itself,\n"
    "and those that map it onto a set sharing no pitch class with it.  The prime\n"
    "forms are Rahn's whatever the algorithm, as in the dialogue.\n"
    "\n"
    "The text is the dialogue's (main-menu entry 7): x where an operator maps the\n"
    "prime form onto itself or onto a disjoint set.  Records (JSON Lines, CSV),\n"
    "one per class: forte, prime_form, onto_itself and disjoint (the operators,\n"
    "n in decimal: T0 T6I; in CSV separated by blanks).\n";

// The operators whose mark is the one given.
std::vector<std::string> operators_marked(const ChartMarks& marks, ChartMark mark) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < marks.size(); ++i) {
    if (marks[i] == mark) names.push_back(decimal_operator(all_transforms[i]));
  }
  return names;
}

void run(const Settings& settings) {
  if (settings.format == Format::text) {
    write(text::chart(mapping_chart()));
    return;
  }
  RecordWriter record(settings.format, fields);
  write(record.header());
  for (const ChartRow& row : mapping_chart()) {
    record.text(forte_label(set_class_of(row.prime))).set(row.prime);
    record.texts(operators_marked(row.marks, ChartMark::onto_itself));
    write(record.texts(operators_marked(row.marks, ChartMark::disjoint)).end());
  }
}

Action define(CLI::App&) {
  return run;
}

const bool added = add_command({
    "chart",
    "the set classes against the 48 operators (main-menu entry 7)",
    "pelantor chart [OPTIONS]",
    details,
    false,
    define,
});

}  // namespace

}  // namespace pelantor::cli
