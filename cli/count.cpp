// pelantor count: how often each set class occurs in a list of sets, such
// as the chords of a corpus.

#include <CLI/CLI.hpp>
#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "cli/command.h"
#include "cli/listing.h"
#include "pelantor/setclass.h"

namespace pelantor::cli {

namespace {

constexpr std::string_view class_fields[] = {"forte", "prime_form", "count", "share"};
constexpr std::string_view tn_fields[] = {"forte", "tn_class", "prime_form", "count", "share"};

constexpr std::string_view details =
    "Reads FILE (standard input without it, or --input), one set a line, and\n"
    "counts the sets of each set class (of each Tn class with --tn: the forms of\n"
    "the prime form, A, apart from those of its inversion, B).  Classes that do\n"
    "not occur are left out; the others come in the order of the table of set\n"
    "classes.  Text: a line per class, its label, prime form, count and share,\n"
    "then the totals:\n"
    "  3-11    [037]           12   40.00%\n"
    "Records (JSON Lines, CSV), one per class: forte, tn_class (with --tn:\n"
    "\"3-11B\"), prime_form (with --tn the form of the Tn class: 3-11B is [047]),\n"
    "count, share (the count over all sets counted, 0 to 1).\n";

struct Options {
  std::string file;
  bool tn = false;
};

// One line of the result: a class or Tn class and its count.
struct Tally {
  const SetClass* set_class;
  std::string label;  // the Tn label with --tn
  PcSet form;
  std::int64_t count;
};

// The tallies in table order, A before B, leaving out what does not occur.
std::vector<Tally> tallies(const std::array<std::int64_t, PcSet::all_bits + 1>& by_set, bool tn,
                           Algorithm algorithm) {
  // By class index: the forms of the prime form (all forms without --tn),
  // and those of its inversion.
  std::vector<std::int64_t> a(all_classes().size()), b(all_classes().size());
  for (unsigned bits = 0; bits <= PcSet::all_bits; ++bits) {
    const PcSet set = PcSet::from_bits(bits);
    (tn && tn_type(set) == TnType::b ? b : a)[set_class_of(set).index] += by_set[bits];
  }
  std::vector<Tally> result;
  for (const SetClass& set_class : all_classes()) {
    const PcSet prime = set_class.prime(algorithm);
    if (a[set_class.index] > 0) {
      result.push_back(
          {&set_class, tn ? tn_label(prime) : forte_label(set_class), prime, a[set_class.index]});
    }
    if (b[set_class.index] > 0) {
      const PcSet inversion = prime.inverted();
      result.push_back(
          {&set_class, tn_label(inversion), tn_prime(inversion, algorithm), b[set_class.index]});
    }
  }
  return result;
}

// "3-11    [037]           12   40.00%": the count right-aligned in
// width places.
std::string line_of(const Tally& tally, double share, int width) {
  char figures[64];
  std::snprintf(figures, sizeof figures, "%*lld  %6.2f%%\n", width,
                static_cast<long long>(tally.count), 100 * share);
  return class_columns(tally.label, tally.form) + figures;
}

void run(const Options& options, const Settings& given) {
  Settings settings = given;
  if (settings.input.empty()) settings.input = options.file.empty() ? "-" : options.file;
  std::array<std::int64_t, PcSet::all_bits + 1> by_set{};
  std::int64_t total = 0;
  for_each_set(settings, {}, {}, [&](PcSet set) {
    ++by_set[set.bits()];
    ++total;
  });
  const std::vector<Tally> result = tallies(by_set, options.tn, settings.algorithm);
  const auto share = [total](const Tally& t) { return static_cast<double>(t.count) / total; };
  if (settings.format == Format::text) {
    const int width = static_cast<int>(std::to_string(total).size());
    for (const Tally& tally : result) write(line_of(tally, share(tally), width));
    const char* kind = options.tn ? " Tn class" : " set class";
    write(std::to_string(total) + (total == 1 ? " set, " : " sets, ") +
          std::to_string(result.size()) + kind + (result.size() == 1 ? "\n" : "es\n"));
    return;
  }
  using Fields = std::span<const std::string_view>;
  RecordWriter record(settings.format, options.tn ? Fields(tn_fields) : Fields(class_fields));
  write(record.header());
  for (const Tally& tally : result) {
    record.text(forte_label(*tally.set_class));
    if (options.tn) record.text(tally.label);
    write(record.set(tally.form).integer(tally.count).real(share(tally)).end());
  }
}

Action define(CLI::App& app) {
  auto options = std::make_shared<Options>();
  app.add_option("FILE", options->file, "the sets to count, one a line; - for standard input");
  app.add_flag("--tn", options->tn, "count Tn classes (A and B apart) instead of set classes");
  app.callback([&app, options] {
    if (!options->file.empty() && app.get_option("--input")->count() > 0) {
      throw CLI::ValidationError("FILE and --input", "give the sets one way, not both");
    }
  });
  return [options](const Settings& settings) { run(*options, settings); };
}

const bool added = add_command({
    "count",
    "how often each set class occurs in a list of sets",
    "pelantor count [OPTIONS] [--tn] [FILE]",
    details,
    true,
    define,
});

}  // namespace

}  // namespace pelantor::cli
