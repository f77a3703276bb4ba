// pelantor subsets: the set classes embedded in a superset, or in each of
// several, as entry 3 of the dialogue lists them.

#include "pelantor/subsets.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "cli/command.h"
#include "cli/failure.h"
#include "reports/subsets.h"

namespace pelantor::cli {

namespace {

constexpr std::string_view fields[] = {
    "forte", "cardinality", "prime_form", "counts", "least", "most",
};

constexpr std::string_view details =
    "Lists the set classes of 2 notes up to the smallest superset's size (of N\n"
    "notes with --card N) that lie in every superset.  Supersets have 3 pitch\n"
    "classes or more; every one must be read, or nothing is listed (status 1).\n"
    "\n"
    "The text is the dialogue's (main-menu entry 3): per size a heading and a line\n"
    "per class, its prime form and label, and with a single superset the number\n"
    "of its distinct forms (Tn and TnI) in the superset and how far that lies\n"
    "below the most and above the fewest forms of the class that any set of the\n"
    "superset's size holds (\"max-0   min+3\").  Records (JSON Lines, CSV), one per\n"
    "class and size:\n"
    "  forte, cardinality, prime_form  the class\n"
    "  counts       its number of forms in each superset, in the order given\n"
    "  least, most  per superset, the fewest and the most forms of the class\n"
    "               that any set of the superset's size holds\n";

constexpr int least_superset = 3;
constexpr int least_subset = 2;

std::string superset_or_fault(PcSet set) {
  if (set.size() >= least_superset) return "";
  return "{" + to_string(set) + "} has " + std::to_string(set.size()) + " pitch class" +
         (set.size() == 1 ? "" : "es") + "; a superset needs " + std::to_string(least_superset) +
         " or more";
}

// The supersets, the words then --input.  Throws Failure unless every one
// was read: what lies in all of them depends on each.
std::vector<PcSet> read_supersets(std::span<const std::string> words, const Settings& settings) {
  std::vector<PcSet> supersets = read_sets(settings, words, superset_or_fault);
  if (faults_reported()) {
    throw Failure{"nothing listed: every superset must be read", status_bad_input};
  }
  if (supersets.empty()) throw Failure{"no superset given", status_bad_input};
  return supersets;
}

// The subset sizes listed: all of them, or the one asked for if the
// smallest superset has room for it.
std::pair<int, int> sizes_of(std::span<const PcSet> supersets, std::optional<int> cardinality) {
  const int smallest = std::min_element(supersets.begin(), supersets.end(), [](PcSet a, PcSet b) {
                         return a.size() < b.size();
                       })->size();
  if (!cardinality) return {least_subset, smallest};
  if (*cardinality > smallest) {
    throw Failure{"--card " + std::to_string(*cardinality) + ": the smallest superset has " +
                      std::to_string(smallest) + " pitch classes",
                  status_usage};
  }
  return {*cardinality, *cardinality};
}

void write_records(std::span<const SubsetsOfSize> sizes, const Settings& settings) {
  RecordWriter record(settings.format, fields);
  write(record.header());
  for (const SubsetsOfSize& size : sizes) {
    for (const EmbeddedClass& embedded : size.classes) {
      std::vector<int> counts, least, most;
      for (const Embedding& e : embedded.embeddings) {
        counts.push_back(e.count);
        least.push_back(e.least);
        most.push_back(e.most);
      }
      record.text(forte_label(embedded.set_class)).integer(size.cardinality);
      record.set(embedded.set_class.prime(settings.algorithm));
      write(record.integers(counts).integers(least).integers(most).end());
    }
  }
}

void run(std::span<const std::string> words, std::optional<int> cardinality,
         const Settings& settings) {
  const std::vector<PcSet> supersets = read_supersets(words, settings);
  const auto [least, most] = sizes_of(supersets, cardinality);
  const std::vector<SubsetsOfSize> sizes = subsets_of_supersets(supersets, least, most);
  if (settings.format == Format::text) {
    write(text::subsets_listing(supersets, sizes, settings.algorithm));
  } else {
    write_records(sizes, settings);
  }
}

struct Options {
  std::vector<std::string> supersets;
  std::optional<int> cardinality;
};

Action define(CLI::App& app) {
  auto options = std::make_shared<Options>();
  app.add_option("SET", options->supersets, "a superset; each argument is one set")
      ->option_text(" ");
  app.add_option("--card", options->cardinality, "only the subsets of N notes, 2 to 12")
      ->check(CLI::Range(least_subset, 12).description(""))
      ->option_text("N");
  app.callback([&app, options] {
    if (options->supersets.empty() && app.get_option("--input")->count() == 0) {
      throw CLI::ValidationError("give a superset, or --input FILE");
    }
  });
  return [options](const Settings& settings) {
    run(options->supersets, options->cardinality, settings);
  };
}

const bool added = add_command({
    "subsets",
    "the subset classes of supersets (main-menu entry 3)",
    "pelantor subsets [OPTIONS] SET... [--card N]",
    details,
    true,
    define,
});

}  // namespace

}  // namespace pelantor::cli
