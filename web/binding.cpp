// The engine, the result texts and the pictures as seen from the web page:
// a few functions that take what the page holds (sets as the digits of the
// URL fragment, the text of a field) and return plain JavaScript objects.
// Input the engine refuses comes back as {error: message}, never as an
// exception, so that the page can show the message beside its field.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pelantor/comparisons.h"
#include "pelantor/error.h"
#include "pelantor/notation.h"
#include "pelantor/setclass.h"
#include "pelantor/similarity.h"
#include "pelantor/transformations.h"
#include "pictures/clockface.h"
#include "pictures/heatmap.h"
#include "reports/format.h"
#include "reports/setreport.h"
#include "reports/transformations.h"

namespace {

using emscripten::val;
using namespace pelantor;

// A list longer than this would take the browser seconds to compare,
// cluster and draw; 500 sets draw in well under a second.
constexpr std::size_t most_sets_in_a_list = 500;

// What a measure's values are, as the page's table names it.
constexpr std::array<std::string_view, 3> kind_names = {"dissimilarity", "similarity", "count"};
static_assert(static_cast<int>(Kind::dissimilarity) == 0 &&
              static_cast<int>(Kind::similarity) == 1 && static_cast<int>(Kind::count) == 2);

std::string kind_name(Kind kind) {
  return std::string(kind_names[static_cast<std::size_t>(kind)]);
}

Algorithm algorithm_of(bool forte) {
  return forte ? Algorithm::forte : Algorithm::rahn;
}

pictures::PitchNames names_of(bool notes) {
  return notes ? pictures::PitchNames::sharps : pictures::PitchNames::numbers;
}

// {error: message}, and where the page should show it when it has more
// than one field.
val failure(std::string_view message, std::string_view field = "") {
  val result = val::object();
  result.set("error", std::string(message));
  if (!field.empty()) result.set("field", std::string(field));
  return result;
}

// A set as typed: pitch-class characters or note names, or the Forte label
// of its class, which stands for its prime form.
PcSet read(std::string_view text, bool notes, Algorithm algorithm) {
  return parse_set(text, notes ? Notation::notes : Notation::pitch_classes, algorithm);
}

// A set of the URL fragment: its digits (or a Forte label).
PcSet from_fragment(std::string_view digits, Algorithm algorithm) {
  return read(digits, false, algorithm);
}

// The set as a field shows it: "047", or "C E G".
std::string written(PcSet set, bool notes) {
  if (!notes) return to_string(set);
  std::string text;
  for (const int pc : set) {
    if (!text.empty()) text += ' ';
    text += pictures::pitch_label(pc, pictures::PitchNames::sharps);
  }
  return text;
}

// {set: "047"} or {error}: what a field holds, as the digits of the URL
// fragment.
val read_set(std::string text, bool notes, bool forte) {
  try {
    val result = val::object();
    result.set("set", to_string(read(text, notes, algorithm_of(forte))));
    return result;
  } catch (const error& refusal) {
    return failure(refusal.what());
  }
}

// The set of the digits as a field shows it; "" for digits that are none.
std::string write_set(std::string digits, bool notes) {
  try {
    return written(parse_pcset(digits), notes);
  } catch (const error&) {
    return "";
  }
}

// A set class as a link of the related sets: the set to open, how it is
// shown ("[0137]") and its label.
val related(std::string_view relation, PcSet set, std::string shown) {
  val link = val::object();
  link.set("relation", std::string(relation));
  link.set("set", to_string(set));
  link.set("shown", shown);
  link.set("label", forte_label(set_class_of(set)));
  return link;
}

val related_sets(PcSet set, Algorithm algorithm) {
  const SetClass& set_class = set_class_of(set);
  val links = val::array();
  links.call<void>("push", related("complement", set.complement(), text::braced(set.complement())));
  if (const SetClass* z = z_partner_of(set_class)) {
    links.call<void>("push",
                     related("z", z->prime(algorithm), text::bracketed(z->prime(algorithm))));
  }
  const PcSet m = m_partner_of(set_class).prime(algorithm);
  links.call<void>("push", related("m", m, text::bracketed(m)));
  return links;
}

// One set, as the fragment holds it: its clock face (labelled with note
// names for notes), its report (for sets of two or more pitch classes, as
// the dialogue gives it) and its related sets.
val one_set(std::string digits, bool forte, bool notes) {
  try {
    const Algorithm algorithm = algorithm_of(forte);
    const PcSet set = from_fragment(digits, algorithm);
    val view = val::object();
    view.set("set", to_string(set));
    view.set("clock", pictures::clock_face(set, algorithm, {names_of(notes)}));
    view.set("report", set.size() >= 2 ? text::set_report(set, algorithm) : std::string());
    view.set("related", related_sets(set, algorithm));
    return view;
  } catch (const error& refusal) {
    return failure(refusal.what());
  }
}

// The sixteen measures of the pair in both orders, with three decimals.
val measure_values(PcSet a, PcSet b) {
  val rows = val::array();
  for (const MeasureInfo& measure : measures()) {
    val row = val::object();
    row.set("name", std::string(measure.name));
    row.set("kind", kind_name(measure.kind));
    row.set("ab", text::fixed3(similarity(measure.measure, a, b)));
    row.set("ba", text::fixed3(similarity(measure.measure, b, a)));
    rows.call<void>("push", row);
  }
  return rows;
}

// Two sets: their clock faces, the operators mapping the first onto the
// second (the dialogue's defaults: T and I, every mapping, every
// partition) where they are of one size, and the measures where both can
// be compared.
val two_sets(std::string first, std::string second, bool forte, bool notes) {
  const Algorithm algorithm = algorithm_of(forte);
  PcSet a, b;
  try {
    a = from_fragment(first, algorithm);
  } catch (const error& refusal) {
    return failure(refusal.what(), "a");
  }
  try {
    b = from_fragment(second, algorithm);
  } catch (const error& refusal) {
    return failure(refusal.what(), "b");
  }
  val view = val::object();
  view.set("a", to_string(a));
  view.set("b", to_string(b));
  view.set("clockA", pictures::clock_face(a, algorithm, {names_of(notes)}));
  view.set("clockB", pictures::clock_face(b, algorithm, {names_of(notes)}));
  if (a.size() == b.size()) {
    view.set("operators", text::transformations(a, b, mappings_between(a, b, {})));
  }
  if (comparable(a) && comparable(b)) view.set("measures", measure_values(a, b));
  return view;
}

// The sets of a list, one a line; blank lines are passed over.  Throws
// error naming the line of the first set that is not one, or that the
// measures cannot compare, and for a list of no sets or too many.
std::vector<PcSet> read_list(std::string_view text, bool notes, Algorithm algorithm) {
  std::vector<PcSet> sets;
  int number = 0;
  for (std::size_t start = 0; start <= text.size(); ++number) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (line.find_first_not_of(" \t\r\v\f") == std::string_view::npos) continue;
    const std::string where = "line " + std::to_string(number + 1) + ": ";
    PcSet set;
    try {
      set = read(line, notes, algorithm);
    } catch (const error& refusal) {
      throw error(where + refusal.what());
    }
    if (!comparable(set)) {
      throw error(where + "the measures compare sets of 2 to 10 pitch classes, not " +
                  std::to_string(set.size()));
    }
    sets.push_back(set);
  }
  if (sets.empty()) throw error("no sets: type or paste one set a line");
  if (sets.size() > most_sets_in_a_list) {
    throw error("at most " + std::to_string(most_sets_in_a_list) + " sets, not " +
                std::to_string(sets.size()));
  }
  return sets;
}

// {sets: ["047", ...]} or {error}: the sets of a list as typed.
val read_list_of_sets(std::string text, bool notes, bool forte) {
  try {
    val listed = val::array();
    for (const PcSet set : read_list(text, notes, algorithm_of(forte))) {
      listed.call<void>("push", to_string(set));
    }
    val result = val::object();
    result.set("sets", listed);
    return result;
  } catch (const error& refusal) {
    return failure(refusal.what());
  }
}

// Every value of the comparison with three decimals, separated by blanks:
// one string crosses into the page faster than 40,000.
std::string value_texts(const std::vector<double>& values) {
  std::string texts;
  for (const double value : values) {
    if (!texts.empty()) texts += ' ';
    texts += text::fixed3(value);
  }
  return texts;
}

val row_figures(std::span<const PcSet> sets, const ListComparison& comparison,
                Algorithm algorithm) {
  val rows = val::array();
  for (std::size_t i = 0; i < sets.size(); ++i) {
    const RowSummary& figures = comparison.rows[i];
    val row = val::object();
    row.set("set", to_string(sets[i]));
    row.set("prime", text::bracketed(prime_form(sets[i], algorithm).prime));
    row.set("label", forte_label(set_class_of(sets[i])));
    row.set("average", text::fixed3(figures.average));
    row.set("smallest", text::fixed3(figures.smallest));
    row.set("largest", text::fixed3(figures.largest));
    rows.call<void>("push", row);
  }
  return rows;
}

// How many sets of the list belong to each class, in the order of the
// set-class table.
val class_counts(std::span<const PcSet> sets, Algorithm algorithm) {
  std::vector<int> counts(all_classes().size());
  for (const PcSet set : sets) ++counts[static_cast<std::size_t>(set_class_of(set).index)];
  val rows = val::array();
  for (const SetClass& set_class : all_classes()) {
    const int count = counts[static_cast<std::size_t>(set_class.index)];
    if (count == 0) continue;
    val row = val::object();
    row.set("label", forte_label(set_class));
    row.set("prime", text::bracketed(set_class.prime(algorithm)));
    row.set("count", count);
    rows.call<void>("push", row);
  }
  return rows;
}

// A list of sets, one a line, under a measure (its name or number): the
// heatmap (cells merged, for the browser to draw quickly), each set's
// label and figures, every value, and the class counts.
val set_list(std::string text, bool notes, bool forte, std::string measure_name, bool cluster) {
  try {
    const Algorithm algorithm = algorithm_of(forte);
    const std::vector<PcSet> sets = read_list(text, notes, algorithm);
    const Measure measure = find_measure(measure_name).measure;
    const ListComparison comparison = compare_lists(measure, sets);
    val view = val::object();
    val listed = val::array(), labels = val::array();
    for (const PcSet set : sets) {
      listed.call<void>("push", to_string(set));
      labels.call<void>("push", text::braced(set) + " " + forte_label(set_class_of(set)));
    }
    view.set("sets", listed);
    view.set("labels", labels);
    view.set("measure", std::string(info(measure).name));
    view.set("heatmap", pictures::heatmap(measure, sets, sets, comparison.values,
                                          {.cluster = cluster, .merged_cells = true}));
    view.set("values", value_texts(comparison.values));
    view.set("rows", row_figures(sets, comparison, algorithm));
    view.set("average", text::fixed3(comparison.average));
    view.set("counts", class_counts(sets, algorithm));
    return view;
  } catch (const error& refusal) {
    return failure(refusal.what());
  }
}

// The sixteen measures in menu order: [{name, number, kind}].
val measure_list() {
  val list = val::array();
  for (const MeasureInfo& measure : measures()) {
    val item = val::object();
    item.set("name", std::string(measure.name));
    item.set("number", measure.number);
    item.set("kind", kind_name(measure.kind));
    list.call<void>("push", item);
  }
  return list;
}

std::string version() {
  return PELANTOR_VERSION;
}

}  // namespace

EMSCRIPTEN_BINDINGS(pelantor) {
  emscripten::function("readSet", &read_set);
  emscripten::function("writeSet", &write_set);
  emscripten::function("readList", &read_list_of_sets);
  emscripten::function("oneSet", &one_set);
  emscripten::function("twoSets", &two_sets);
  emscripten::function("setList", &set_list);
  emscripten::function("measures", &measure_list);
  emscripten::function("version", &version);
}
