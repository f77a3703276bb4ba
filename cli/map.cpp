// pelantor map: the twelve-tone operators that map one set onto another,
// whole or split in two parts, as entry 5 of the dialogue finds them.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <memory>
#include <optional>
#include <vector>

#include "cli/command.h"
#include "cli/failure.h"
#include "pelantor/transformations.h"
#include "reports/transformations.h"

namespace pelantor::cli {

namespace {

constexpr std::string_view fields[] = {
    "a", "b", "operator", "source", "target", "second_operator", "second_source", "second_target",
};

constexpr std::string_view details =
    "Maps A onto B, and so each pair of sets: the arguments two by two, then the\n"
    "lines of --input two by two (lines 1 and 2, 3 and 4, ...).  The sets of a\n"
    "pair are literal sets of one size.  A pair with a set that cannot be read\n"
    "is left out and named (status 1).\n"
    "  --canon LIST       the operators searched besides Tn: TI, TM (M5), TMI\n"
    "                     (M7), any case, separated by commas; T,TI without it\n"
    "  --first            only the first single operator, and of each way of\n"
    "                     cutting A the first split; every one without it\n"
    "  --partitions LIST  the partitions searched, such as 4+2,3+3 for hexachords;\n"
    "                     6+0 is the whole set, the single operators.  Every\n"
    "                     partition without it; a pair whose size the list names no\n"
    "                     partition of is left out and named\n"
    "Where no single operator maps the set, the splits are searched: a part of A\n"
    "and the rest, each mapped onto a part of B by an operator of its own.\n"
    "\n"
    "The text is the dialogue's (main-menu entry 5), a block per pair: the heading,\n"
    "then a line per operator or split, or the line saying there is none.\n"
    "Records (JSON Lines, CSV), one per operator or split:\n"
    "  a, b                 the pair\n"
    "  operator             the operator, n in decimal (T10I)\n"
    "  source, target       the part it maps and its image: a and b for a single\n"
    "                       operator, the first part of a split\n"
    "  second_operator, second_source, second_target\n"
    "                       the second half of a split; null for a single operator\n";

// "4+2": the sizes of the two parts of a partition, larger first.
struct Partition {
  int larger;
  int smaller;
};

struct Options {
  std::vector<std::string> sets;
  Canon canon;
  bool first = false;
  std::vector<Partition> partitions;  // empty: every partition
};

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// --canon: T always; false for a name that is no operation.
bool add_to_canon(const std::string& name, Canon& canon) {
  const std::string operation = lower(name);
  if (operation == "ti") {
    canon.inversion = true;
  } else if (operation == "tm") {
    canon.m = true;
  } else if (operation == "tmi") {
    canon.mi = true;
  } else {
    return operation == "t";
  }
  return true;
}

// "A+B", parts of 0 to 12 notes making 1 to 12; nothing for anything else.
std::optional<Partition> partition_of(std::string_view text) {
  const std::size_t plus = text.find('+');
  if (plus == std::string_view::npos) return std::nullopt;
  const auto number = [](std::string_view digits) -> std::optional<int> {
    int n = 0;
    const auto [end, status] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (status != std::errc() || end != digits.data() + digits.size() || n < 0 || n > 12) {
      return std::nullopt;
    }
    return n;
  };
  const std::optional<int> a = number(text.substr(0, plus));
  const std::optional<int> b = number(text.substr(plus + 1));
  if (!a || !b || *a + *b < 1 || *a + *b > 12) return std::nullopt;
  return Partition{std::max(*a, *b), std::min(*a, *b)};
}

// The search for sets of n notes, or nothing when the partitions listed
// hold none of n.
std::optional<MappingOptions> search_for(const Options& options, int n) {
  MappingOptions search{options.canon, !options.first, {}};
  if (options.partitions.empty()) {
    search.partitions.fill(true);
    return search;
  }
  bool any = false;
  for (const Partition p : options.partitions) {
    if (p.larger + p.smaller != n) continue;
    search.partitions[p.smaller] = true;
    any = true;
  }
  if (!any) return std::nullopt;
  return search;
}

void write_records(PcSet a, PcSet b, const Mappings& mappings, RecordWriter& record) {
  for (const Transform op : mappings.single) {
    record.set(a).set(b).text(decimal_operator(op)).set(a).set(b);
    write(record.null().null().null().end());
  }
  for (const SplitMapping& split : mappings.splits) {
    record.set(a).set(b);
    for (const SplitHalf& half : {split.first, split.second}) {
      record.text(decimal_operator(half.op)).set(half.source).set(half.target);
    }
    write(record.end());
  }
}

// Maps a onto b; a pair the search cannot take is named after where.
void map_pair(PcSet a, PcSet b, const std::string& where, const Options& options,
              const Settings& settings, RecordWriter& record) {
  if (a.size() != b.size()) {
    report_fault(where, "{" + to_string(a) + "} and {" + to_string(b) +
                            "} differ in size; only sets of one size map onto each other");
    return;
  }
  const std::optional<MappingOptions> search = search_for(options, a.size());
  if (!search) {
    report_fault(where,
                 "--partitions names no partition of " + std::to_string(a.size()) + " notes");
    return;
  }
  const Mappings mappings = mappings_between(a, b, *search);
  if (settings.format == Format::text) {
    write(text::transformations(a, b, mappings));
  } else {
    write_records(a, b, mappings, record);
  }
}

// A pair one of whose sets could not be read (and is named already).
void leave_out(const std::string& where) {
  report_fault(where, "the pair is left out");
}

// The arguments two by two.
void map_words(const SetReader& reader, const Options& options, const Settings& settings,
               RecordWriter& record) {
  for (std::size_t i = 0; i + 1 < options.sets.size(); i += 2) {
    const std::optional<PcSet> a = reader.word(options.sets[i], i + 1);
    const std::optional<PcSet> b = reader.word(options.sets[i + 1], i + 2);
    const std::string where =
        "arguments " + std::to_string(i + 1) + " and " + std::to_string(i + 2);
    if (a && b) {
      map_pair(*a, *b, where, options, settings, record);
    } else {
      leave_out(where);
    }
  }
}

// The lines of --input two by two, by their numbers, so that a line that
// holds no set never shifts the pairs after it.
void map_lines(const SetReader& reader, const Options& options, const Settings& settings,
               RecordWriter& record) {
  LineReader input(settings.input);
  const auto pair_at = [&input](std::size_t first) {
    const std::string where =
        "lines " + std::to_string(first) + " and " + std::to_string(first + 1);
    return input.name().empty() ? where : input.name() + ": " + where;
  };
  std::optional<PcSet> pending;  // the set of the last odd line, while its pair is open
  std::size_t pending_line = 0;
  reader.lines(input, [&](PcSet set) {
    const std::size_t line = input.number();
    if (line % 2 == 1) {
      if (pending) leave_out(pair_at(pending_line));
      pending = set;
      pending_line = line;
    } else if (pending && pending_line == line - 1) {
      map_pair(*pending, set, pair_at(line - 1), options, settings, record);
      pending.reset();
    } else {
      leave_out(pair_at(line - 1));
    }
  });
  if (!pending) return;
  if (pending_line == input.number()) {
    const std::string where = "line " + std::to_string(pending_line);
    report_fault(input.name().empty() ? where : input.name() + ": " + where,
                 "no second set to map onto");
  } else {
    leave_out(pair_at(pending_line));
  }
}

void run(const Options& options, const Settings& settings) {
  const SetReader reader(settings.notation, settings.algorithm);
  RecordWriter record(settings.format, fields);
  write(record.header());
  map_words(reader, options, settings, record);
  if (!settings.input.empty()) map_lines(reader, options, settings, record);
}

Action define(CLI::App& app) {
  auto options = std::make_shared<Options>();
  app.add_option("SET", options->sets, "A B: map A onto B; more sets, two by two")
      ->option_text(" ");
  app.add_option_function<std::vector<std::string>>(
         "--canon",
         [options](const std::vector<std::string>& names) {
           options->canon = Canon{false, false, false};
           for (const std::string& name : names) {
             if (!add_to_canon(name, options->canon)) {
               throw CLI::ValidationError("--canon", "'" + name + "' is none of T, TI, TM, TMI");
             }
           }
         },
         "the operators searched: T, TI, TM, TMI (T,TI without it)")
      ->delimiter(',')
      ->option_text("LIST");
  app.add_flag("--first", options->first, "only the first mapping of each kind");
  app.add_option_function<std::vector<std::string>>(
         "--partitions",
         [options](const std::vector<std::string>& texts) {
           for (const std::string& text : texts) {
             const std::optional<Partition> partition = partition_of(text);
             if (!partition) {
               throw CLI::ValidationError("--partitions",
                                          "'" + text + "' is not a partition such as 4+2");
             }
             options->partitions.push_back(*partition);
           }
         },
         "the partitions searched, such as 4+2,3+3")
      ->delimiter(',')
      ->option_text("LIST");
  app.callback([&app, options] {
    const bool input = app.get_option("--input")->count() > 0;
    if (options->sets.size() % 2 != 0) {
      throw CLI::ValidationError("the sets map in pairs: give A B, or --input FILE");
    }
    if (options->sets.empty() && !input) throw CLI::ValidationError("give A B, or --input FILE");
  });
  return [options](const Settings& settings) { run(*options, settings); };
}

const bool added = add_command({
    "map",
    "the operators mapping one set onto another (main-menu entry 5)",
    "pelantor map [OPTIONS] A B [--canon LIST] [--first] [--partitions LIST]\n"
    "pelantor map [OPTIONS] --input FILE",
    details,
    true,
    define,
});

}  // namespace

}  // namespace pelantor::cli
