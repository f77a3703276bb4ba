// pelantor combine: subsets placed against each other in every
// transposition and inversion, and the set classes of their unions counted,
// as entry 2 of the dialogue combines them.

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <vector>

#include "cli/command.h"
#include "cli/failure.h"
#include "cli/listing.h"
#include "pelantor/combinations.h"
#include "reports/combinations.h"

namespace pelantor::cli {

namespace {

constexpr std::string_view fields[] = {
    "forte", "cardinality", "prime_form", "icv", "z_partner", "placements",
};

constexpr std::string_view details =
    "K chooses the unions listed, as the dialogue's menu numbers them:\n"
    "  1  the subsets share no pitch class      4  unions of --card N notes\n"
    "  2  some share a pitch class              5  supersets of N notes holding the\n"
    "  3  both                                     subsets without overlap\n"
    "                                           6  the same, overlap allowed\n"
    "The first subset stays; each other is placed against the union so far in\n"
    "its twelve transpositions and inversions.  No union holding a form of an\n"
    "--exclude set is listed.  At most 12 subsets; every set of the group must\n"
    "be read, or nothing is combined (status 1).\n"
    "\n"
    "The text is the dialogue's (main-menu entry 2): the heading, then each set\n"
    "class with its number of placements, prime form (Rahn's, as the dialogue\n"
    "shows it), label, IC vector and Z-correspondent.  Records (JSON Lines,\n"
    "CSV), one per class: forte, cardinality, prime_form, icv, z_partner (a label,\n"
    "or null), placements.\n";

struct Options {
  std::vector<std::string> subsets;
  std::vector<std::string> exclusions;
  int combination = 0;
  std::optional<int> cardinality;
};

// The subsets (the words, then --input) and the exclusion sets.  Throws
// Failure unless every one was read: a group missing a set is another
// request.
SubsetGroup read_group(const Options& options, const Settings& settings) {
  SubsetGroup group{read_sets(settings, options.subsets, {}), {}};
  const SetReader reader(settings.notation, settings.algorithm);
  for (std::size_t i = 0; i < options.exclusions.size(); ++i) {
    const std::string where = "--exclude " + std::to_string(i + 1);
    if (const std::optional<PcSet> set = reader.word(options.exclusions[i], where)) {
      group.exclusions.push_back(*set);
    }
  }
  if (faults_reported()) {
    throw Failure{"nothing combined: every set of the group must be read", status_bad_input};
  }
  if (group.subsets.empty()) throw Failure{"no subset to combine", status_bad_input};
  return group;
}

void run(const Options& options, const Settings& settings) {
  const SubsetGroup group = read_group(options, settings);
  const auto combination = static_cast<Combination>(options.combination);
  const int cardinality = options.cardinality.value_or(0);
  const std::vector<CombinationCount> counts =
      engine_answer([&] { return combine_subsets(group, combination, cardinality); });
  if (settings.format == Format::text) {
    write(text::combination_listing(group, combination, cardinality, counts, settings.algorithm));
    return;
  }
  RecordWriter record(settings.format, fields);
  write(record.header());
  for (const CombinationCount& count : counts) {
    class_fields(record, count.set_class, settings.algorithm);
    write(record.integer(count.placements).end());
  }
}

// The combinations of options that cannot be run.
void check(const Options& options, const CLI::App& app) {
  if (options.subsets.empty() && app.get_option("--input")->count() == 0) {
    throw CLI::ValidationError("give a subset, or --input FILE");
  }
  const bool takes = takes_cardinality(static_cast<Combination>(options.combination));
  if (takes && !options.cardinality) {
    throw CLI::ValidationError("--option " + std::to_string(options.combination), "needs --card N");
  }
  if (!takes && options.cardinality) {
    throw CLI::ValidationError("--card", "only with --option 4, 5 or 6");
  }
}

Action define(CLI::App& app) {
  auto options = std::make_shared<Options>();
  app.add_option("SET", options->subsets, "a subset; each argument is one set")->option_text(" ");
  app.add_option("--exclude", options->exclusions, "list no union holding a form of SET")
      ->allow_extra_args(false)  // one set each time, the next word a subset
      ->option_text("SET");
  app.add_option("--option", options->combination, "the unions listed, 1 to 6 (see below)")
      ->required()
      ->check(CLI::Range(1, 6).description(""))
      ->option_text("K");
  app.add_option("--card", options->cardinality, "the notes of the unions, with --option 4-6")
      ->check(CLI::Range(1, 12).description(""))
      ->option_text("N");
  app.callback([&app, options] { check(*options, app); });
  return [options](const Settings& settings) { run(*options, settings); };
}

const bool added = add_command({
    "combine",
    "subsets combined into larger sets (main-menu entry 2)",
    "pelantor combine [OPTIONS] SET... [--exclude SET]... --option K [--card N]",
    details,
    true,
    define,
});

}  // namespace

}  // namespace pelantor::cli
