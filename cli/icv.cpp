// pelantor icv: the set classes whose interval-class vector agrees with a
// partly given one, as entry 4 of the dialogue finds them.

#include <CLI/CLI.hpp>
#include <cctype>
#include <charconv>
#include <memory>
#include <optional>
#include <vector>

#include "cli/command.h"
#include "cli/listing.h"
#include "pelantor/icvsearch.h"
#include "reports/icvsearch.h"

namespace pelantor::cli {

namespace {

constexpr std::string_view fields[] = {
    "forte", "cardinality", "prime_form", "icv", "z_partner",
};

constexpr std::string_view details =
    "VECTOR has six entries, the counts of interval classes 1 to 6: each a digit,\n"
    "a b c for 10 to 12, or x to leave it open (any case; angle brackets\n"
    "allowed): 4-z15 and 4-z29 both have <111111>; 1x1x1x.  A count that sets\n"
    "of the cardinality cannot hold matches no class.\n"
    "\n"
    "The text is the dialogue's (main-menu entry 4): the heading, then a line per\n"
    "class with its prime form, label, IC vector and Z-correspondent.  Records\n"
    "(JSON Lines, CSV), one per class: forte, cardinality, prime_form, icv,\n"
    "z_partner (a label, or null).\n";

// VECTOR as the search takes it, or nothing for a text that is none.
std::optional<IcPattern> pattern_of(std::string_view text) {
  if (text.size() == 8 && text.front() == '<' && text.back() == '>') text = text.substr(1, 6);
  if (text.size() != 6) return std::nullopt;
  constexpr std::string_view counts = "0123456789abc";
  IcPattern pattern;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const auto c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[k])));
    if (c == 'x') continue;
    const std::size_t count = counts.find(c);
    if (count == std::string_view::npos) return std::nullopt;
    pattern[k] = static_cast<int>(count);
  }
  return pattern;
}

// --card: 2 to 12, or x (any case) for all of them.
bool read_cardinality(std::string_view text, std::optional<int>& cardinality) {
  if (text == "x" || text == "X") {
    cardinality.reset();
    return true;
  }
  int n = 0;
  const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (status != std::errc() || end != text.data() + text.size() || n < least_searched_cardinality ||
      n > most_searched_cardinality) {
    return false;
  }
  cardinality = n;
  return true;
}

struct Options {
  IcPattern pattern;
  std::optional<int> cardinality;
};

void run(const Options& options, const Settings& settings) {
  const std::vector<SetClass> matches = classes_matching(options.pattern, options.cardinality);
  if (settings.format == Format::text) {
    write(text::icv_listing(options.pattern, options.cardinality, matches, settings.algorithm));
    return;
  }
  RecordWriter record(settings.format, fields);
  write(record.header());
  for (const SetClass& set_class : matches) {
    class_fields(record, set_class, settings.algorithm);
    write(record.end());
  }
}

Action define(CLI::App& app) {
  auto options = std::make_shared<Options>();
  app.add_option_function<std::string>(
         "VECTOR",
         [options](const std::string& text) {
           const std::optional<IcPattern> pattern = pattern_of(text);
           if (!pattern) {
             throw CLI::ValidationError("VECTOR",
                                        "'" + text + "' is not six entries of 0-9, a, b, c or x");
           }
           options->pattern = *pattern;
         },
         "the interval-class vector, x where open")
      ->required()
      ->option_text(" ");
  app.add_option_function<std::string>(
         "--card",
         [options](const std::string& text) {
           if (!read_cardinality(text, options->cardinality)) {
             throw CLI::ValidationError("--card", "'" + text + "' is neither 2 to 12 nor x");
           }
         },
         "only the classes of N notes, 2 to 12; x for all (the default)")
      ->option_text("N|x");
  return [options](const Settings& settings) { run(*options, settings); };
}

const bool added = add_command({
    "icv",
    "the set classes of an interval-class vector (main-menu entry 4)",
    "pelantor icv [OPTIONS] VECTOR [--card N|x]",
    details,
    false,
    define,
});

}  // namespace

}  // namespace pelantor::cli
