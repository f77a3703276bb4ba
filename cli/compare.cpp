// pelantor compare: sets under the similarity measures, as entry 6 of the
// dialogue compares them: the matrix of typed sets, one set against every
// set class, and set lists of any length; the matrices also as heatmaps.

#include <CLI/CLI.hpp>
#include <charconv>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "cli/command.h"
#include "cli/failure.h"
#include "pelantor/comparisons.h"
#include "pelantor/setclass.h"
#include "pelantor/similarity.h"
#include "pictures/heatmap.h"
#include "reports/similarity.h"

namespace pelantor::cli {

namespace {

constexpr std::string_view cell_fields[] = {"measure", "row", "column", "a", "b", "value"};
constexpr std::string_view class_fields[] = {"measure", "a", "b", "forte", "value"};
constexpr std::string_view row_fields[] = {"measure", "row",      "set",    "forte",
                                           "average", "smallest", "largest"};

constexpr std::string_view details =
    "M is a measure's name as the matrix heading prints it (SATSIM, TSATSIM,\n"
    "SAT%SIM, CSATSIM, %SAT%SIM, Adjusted %SAT%SIM, AvgSATSIMn, ASIM, IcVSIM,\n"
    "ISIM2, ATMEMB, REL, EMB, COV, PCycSATSIM, ANGLE; any case, blanks optional),\n"
    "its number 1-16 in the measure menu, or all for the sixteen in turn.\n"
    "\n"
    "The text is the dialogue's (main-menu entry 6): the comparison matrix of the\n"
    "sets; with --all-classes, each set against every set class of LO to HI\n"
    "pitch classes (2-10 without --card), grouped by value; with --list, the sets\n"
    "of the list (of the first list against the second with two) with every value,\n"
    "or with --stats only the figures of each row.  Lists hold sets of 2 to 10\n"
    "pitch classes as set-list files do, one decimal bit value a line, unless an\n"
    "input-form option says otherwise; they may be of any length.\n"
    "\n"
    "Records (JSON Lines, CSV): measure is the measure's name, values have full\n"
    "double precision.\n"
    "  matrix and --list:  measure, row, column, a, b, value (a is the row's set,\n"
    "                      b the column's; numbered from 1 in each list)\n"
    "  --all-classes:      measure, a, b, forte, value (b is the class's prime\n"
    "                      form, forte its label), in the order of the text\n"
    "  --stats:            measure, row, set, forte, average, smallest, largest\n"
    "\n"
    "--format svg draws the matrix of one measure, of the sets or of the lists, as\n"
    "a heatmap (up to 400 sets a side): yellow where the sets are most alike;\n"
    "with --cluster, the sets of a matrix in the order of average-linkage\n"
    "clustering, its dendrogram beside them.\n";

// The most sets a side of a heatmap: beyond, its cells are too small to
// read and the picture grows to tens of megabytes.
constexpr std::size_t most_drawn = 400;

struct Options {
  std::string measure;
  std::vector<std::string> sets;
  bool all_classes = false;
  std::optional<std::pair<int, int>> cardinalities;
  std::vector<std::string> lists;
  bool stats = false;
  bool cluster = false;
};

std::string comparable_or_fault(PcSet set) {
  if (comparable(set)) return "";
  return "{" + to_string(set) + "} has " + std::to_string(set.size()) + " pitch class" +
         (set.size() == 1 ? "" : "es") + "; the measures compare sets of 2 to 10";
}

// "all", in any case, stands for the sixteen measures.
bool is_all(std::string_view name) {
  return name.size() == 3 && (name[0] | 0x20) == 'a' && (name[1] | 0x20) == 'l' &&
         (name[2] | 0x20) == 'l';
}

std::vector<const MeasureInfo*> chosen_measures(const std::string& name) {
  std::vector<const MeasureInfo*> chosen;
  if (is_all(name)) {
    for (const MeasureInfo& m : measures()) chosen.push_back(&m);
  } else {
    chosen.push_back(&find_measure(name));
  }
  return chosen;
}

// "LO-HI" or "N": 2 <= LO <= HI <= 10, else nothing.
std::optional<std::pair<int, int>> cardinality_range(std::string_view text) {
  const auto number = [&text](int& n) {
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), n);
    const bool read = status == std::errc() && end != text.data();
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return read;
  };
  int lowest = 0;
  int highest = 0;
  if (!number(lowest)) return std::nullopt;
  highest = lowest;
  if (!text.empty() && text.front() == '-') {
    text.remove_prefix(1);
    if (!number(highest)) return std::nullopt;
  }
  if (!text.empty() || lowest < 2 || highest > 10 || lowest > highest) return std::nullopt;
  return std::pair(lowest, highest);
}

// The values of one measure between set classes, each worked out when first
// asked for: every form of a class gives the same value.
class ClassValues {
 public:
  explicit ClassValues(const MeasureInfo& measure)
      : measure_(measure),
        profiles_(all_classes().size()),
        values_(all_classes().size() * all_classes().size(), std::nan("")) {}

  double operator()(PcSet a, PcSet b) {
    const int i = set_class_of(a).index;
    const int j = set_class_of(b).index;
    double& value = values_[static_cast<std::size_t>(i) * all_classes().size() + j];
    if (std::isnan(value)) value = measure_.compare(profile(i), profile(j));
    return value;
  }

 private:
  const SetProfile& profile(int index) {
    if (!profiles_[index]) profiles_[index].emplace(all_classes()[index].rahn_prime);
    return *profiles_[index];
  }

  const MeasureInfo& measure_;
  std::vector<std::optional<SetProfile>> profiles_;
  std::vector<double> values_;
};

// Every row set against every column set, a record per pair.
void write_cells(const MeasureInfo& measure, std::span<const PcSet> rows,
                 std::span<const PcSet> columns, RecordWriter& record) {
  ClassValues values(measure);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (std::size_t j = 0; j < columns.size(); ++j) {
      record.text(measure.name).integer(static_cast<long long>(i + 1));
      record.integer(static_cast<long long>(j + 1)).set(rows[i]).set(columns[j]);
      write(record.real(values(rows[i], columns[j])).end());
    }
  }
}

void write_matrix(const MeasureInfo& measure, std::span<const PcSet> sets, const Settings& settings,
                  RecordWriter& record) {
  if (settings.format != Format::text) return write_cells(measure, sets, sets, record);
  write(text::comparison_matrix(measure.measure, sets, matrix(measure.measure, sets),
                                settings.algorithm));
}

void write_class_comparison(const MeasureInfo& measure, PcSet set, std::pair<int, int> range,
                            const Settings& settings, RecordWriter& record) {
  const std::vector<ValueGroup> groups =
      compare_to_classes(measure.measure, set, range.first, range.second);
  if (settings.format == Format::text) {
    write(text::class_comparison(measure.measure, set, groups, settings.algorithm));
    return;
  }
  // Each class with its own value, which may differ from its group's in
  // the last bits.
  const SetProfile profile(set);
  for (const ValueGroup& group : groups) {
    for (const SetClass* set_class : group.classes) {
      record.text(measure.name).set(set).set(set_class->prime(settings.algorithm));
      record.text(forte_label(*set_class));
      write(record.real(measure.compare(profile, SetProfile(set_class->rahn_prime))).end());
    }
  }
}

void write_statistics(const MeasureInfo& measure, std::string_view name,
                      std::span<const PcSet> sets, const Settings& settings, RecordWriter& record) {
  const ListStatistics statistics = list_statistics(measure.measure, sets);
  if (settings.format == Format::text) {
    const ListComparison figures{{}, statistics.rows, statistics.average};
    write(text::list_statistics(measure.measure, name, sets, figures, settings.algorithm));
    return;
  }
  for (std::size_t i = 0; i < sets.size(); ++i) {
    const RowSummary& row = statistics.rows[i];
    record.text(measure.name).integer(static_cast<long long>(i + 1)).set(sets[i]);
    record.text(forte_label(set_class_of(sets[i])));
    write(record.real(row.average).real(row.smallest).real(row.largest).end());
  }
}

// The lists of the files, one set a line, in the notation given (bit
// values unless one is named).  Every file is opened before any is read, so
// that a name mistyped stops the command before any output.
std::vector<std::vector<PcSet>> read_lists(const Options& options, const Settings& settings) {
  std::vector<std::unique_ptr<LineReader>> files;
  for (const std::string& path : options.lists) files.push_back(std::make_unique<LineReader>(path));
  const Notation notation = settings.notation_given ? settings.notation : Notation::bits;
  const SetReader reader(notation, settings.algorithm, comparable_or_fault);
  std::vector<std::vector<PcSet>> lists(files.size());
  for (std::size_t i = 0; i < files.size(); ++i) {
    reader.lines(*files[i], [&list = lists[i]](PcSet set) { list.push_back(set); });
  }
  return lists;
}

// Every value of the list against itself, or of the first list against the
// second; the text is headed by the files' names.
void write_list_values(const MeasureInfo& measure, const Options& options,
                       const std::vector<std::vector<PcSet>>& lists, const Settings& settings,
                       RecordWriter& record) {
  const std::span<const PcSet> rows = lists.front();
  const std::span<const PcSet> columns = lists.back();
  if (settings.format != Format::text) return write_cells(measure, rows, columns, record);
  if (lists.size() == 1) {
    write(text::list_comparison(measure.measure, options.lists.front(), rows,
                                compare_lists(measure.measure, rows), settings.algorithm));
    return;
  }
  write(text::list_comparison(measure.measure, options.lists.front(), options.lists.back(), rows,
                              columns, compare_lists(measure.measure, rows, columns),
                              settings.algorithm));
}

void compare_list_files(const Options& options, const Settings& settings) {
  const std::vector<std::vector<PcSet>> lists = read_lists(options, settings);
  using Fields = std::span<const std::string_view>;
  RecordWriter record(settings.format, options.stats ? Fields(row_fields) : Fields(cell_fields));
  write(record.header());
  for (const MeasureInfo* measure : chosen_measures(options.measure)) {
    if (options.stats) {
      write_statistics(*measure, options.lists.front(), lists.front(), settings, record);
    } else {
      write_list_values(*measure, options, lists, settings, record);
    }
  }
}

std::vector<PcSet> typed_sets(const Options& options, const Settings& settings) {
  return read_sets(settings, options.sets, comparable_or_fault);
}

void compare_with_classes(const Options& options, const Settings& settings) {
  const std::vector<PcSet> sets = typed_sets(options, settings);
  const std::pair<int, int> range = options.cardinalities.value_or(std::pair(2, 10));
  RecordWriter record(settings.format, class_fields);
  write(record.header());
  for (const MeasureInfo* measure : chosen_measures(options.measure)) {
    for (const PcSet set : sets) write_class_comparison(*measure, set, range, settings, record);
  }
}

// The typed sets of a matrix: two or more.
std::vector<PcSet> matrix_sets(const Options& options, const Settings& settings) {
  std::vector<PcSet> sets = typed_sets(options, settings);
  if (sets.size() < 2) {
    throw Failure{"a comparison matrix needs two sets or more", status_bad_input};
  }
  return sets;
}

void compare_typed(const Options& options, const Settings& settings) {
  const std::vector<PcSet> sets = matrix_sets(options, settings);
  RecordWriter record(settings.format, cell_fields);
  write(record.header());
  for (const MeasureInfo* measure : chosen_measures(options.measure)) {
    write_matrix(*measure, sets, settings, record);
  }
}

// The heatmap of the typed sets against each other, or of the first list
// against itself or the second: one measure, one picture.
void draw_heatmap(const Options& options, const Settings& settings) {
  const Measure measure = find_measure(options.measure).measure;
  using Lists = std::vector<std::vector<PcSet>>;
  const Lists lists =
      options.lists.empty() ? Lists{matrix_sets(options, settings)} : read_lists(options, settings);
  const std::span<const PcSet> rows = lists.front();
  const std::span<const PcSet> columns = lists.back();
  for (const std::size_t side : {rows.size(), columns.size()}) {
    if (side == 0) throw Failure{"no sets to draw", status_bad_input};
    if (side > most_drawn) {
      throw Failure{"a heatmap shows at most " + std::to_string(most_drawn) + " sets a side, not " +
                        std::to_string(side),
                    status_usage};
    }
  }
  const pictures::HeatmapOptions drawing{.cluster = options.cluster};
  write(pictures::heatmap(measure, rows, columns, matrix(measure, rows, columns), drawing));
}

void run(const Options& options, const Settings& settings) {
  if (settings.format == Format::svg) return draw_heatmap(options, settings);
  if (!options.lists.empty()) return compare_list_files(options, settings);
  if (options.all_classes) return compare_with_classes(options, settings);
  compare_typed(options, settings);
}

// The combinations of options that cannot be drawn.
void check_picture(const Options& options, const CLI::App& app) {
  const CLI::Option* format = app.get_option("--format");
  const bool svg = format->count() > 0 && format->as<Format>() == Format::svg;
  if (!svg) {
    if (options.cluster) throw CLI::ValidationError("--cluster", "only with --format svg");
    return;
  }
  if (is_all(options.measure)) throw CLI::ValidationError("--format svg", "draws one measure");
  if (options.all_classes || options.stats) {
    throw CLI::ValidationError("--format svg", "draws a matrix: no --all-classes or --stats");
  }
  if (options.cluster && options.lists.size() > 1) {
    throw CLI::ValidationError("--cluster", "orders a list against itself, not two lists");
  }
}

// The combinations of options that cannot be run.
void check(const Options& options, const CLI::App& app) {
  const bool input = app.get_option("--input")->count() > 0;
  const bool sets = !options.sets.empty() || input;
  if (!options.lists.empty()) {
    if (sets) throw CLI::ValidationError("--list", "takes no sets besides its files");
    if (options.lists.size() > 2) throw CLI::ValidationError("--list", "at most two lists");
    if (options.stats && options.lists.size() > 1) {
      throw CLI::ValidationError("--stats", "compares one list with itself");
    }
    if (options.all_classes)
      throw CLI::ValidationError("--list and --all-classes exclude each other");
    return;
  }
  if (options.stats) throw CLI::ValidationError("--stats", "only with --list");
  if (options.all_classes) {
    if (!sets) throw CLI::ValidationError("--all-classes", "give a set, or --input FILE");
    return;
  }
  if (options.cardinalities) throw CLI::ValidationError("--card", "only with --all-classes");
  if (options.sets.size() < 2 && !input) {
    throw CLI::ValidationError("give two sets or more, or --input FILE");
  }
}

Action define(CLI::App& app) {
  auto options = std::make_shared<Options>();
  app.add_option("SET", options->sets, "a set; each argument is one set");
  app.add_option("--measure", options->measure, "the measure: its name, its number 1-16, or all")
      ->required()
      ->check([](const std::string& name) -> std::string {
        if (is_all(name)) return "";
        try {
          find_measure(name);
        } catch (const error& e) {
          return e.what();
        }
        return "";
      })
      ->option_text("M");
  app.add_flag("--all-classes", options->all_classes,
               "compare each set with every set class of --card's cardinalities");
  app.add_option_function<std::string>(
         "--card",
         [options](const std::string& text) {
           options->cardinalities = cardinality_range(text);
           if (!options->cardinalities) {
             throw CLI::ValidationError("--card", "'" + text + "' is not LO-HI within 2-10");
           }
         },
         "the cardinalities of the classes: LO-HI, or N alone (2-10)")
      ->option_text("LO-HI");
  app.add_option("--list", options->lists, "a set-list file; twice for rows against columns")
      ->allow_extra_args(false)  // one file each time, the next word a set
      ->option_text("FILE");
  app.add_flag("--stats", options->stats, "with --list: only the figures of each row");
  app.add_flag("--cluster", options->cluster,
               "with --format svg: the sets in the order of average-linkage clustering");
  app.callback([&app, options] {
    check(*options, app);
    check_picture(*options, app);
  });
  return [options](const Settings& settings) { run(*options, settings); };
}

const bool added = add_command({
    "compare",
    "sets under the sixteen similarity measures (main-menu entry 6)",
    "pelantor compare [OPTIONS] --measure M SET SET...\n"
    "pelantor compare [OPTIONS] --measure M --all-classes SET [--card LO-HI]\n"
    "pelantor compare [OPTIONS] --measure M --list FILE [--list FILE2] [--stats]\n"
    "pelantor compare [OPTIONS] --measure M --format svg [--cluster] (SET SET... | --list FILE)",
    details,
    true,
    define,
    true,
});

}  // namespace

}  // namespace pelantor::cli
