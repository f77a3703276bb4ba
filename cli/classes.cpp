// pelantor classes: the table of set classes, one line each.

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/command.h"
#include "cli/listing.h"
#include "pelantor/intervals.h"
#include "pelantor/setclass.h"
#include "reports/format.h"

namespace pelantor::cli {

namespace {

constexpr std::string_view fields[] = {
    "forte", "cardinality", "prime_form", "icv", "z_partner", "m_partner",
};

constexpr std::string_view details =
    "The set classes of 1 to 12 pitch classes (of N with --card N; --card 0 is\n"
    "the empty set's class), by cardinality and then by Rahn's prime form.  Text,\n"
    "a line per class: the Forte label, the prime form, the interval-class\n"
    "vector, the class under M (M/MI), and the Z-correspondent where there is one:\n"
    "  4-z15   [0146]          <111111>  M/MI = 4-z29   Z = 4-z29\n"
    "Records (JSON Lines, CSV), one per class: forte, cardinality, prime_form,\n"
    "icv, z_partner (a label, or null), m_partner.\n";

std::string line_of(const SetClass& set_class, Algorithm algorithm) {
  const SetClass* z = z_partner_of(set_class);
  std::string line = class_columns(text::label(set_class), set_class.prime(algorithm));
  line += text::digit_vector(ic_vector(set_class.rahn_prime));
  line += "  M/MI = ";
  const std::string m = text::label(m_partner_of(set_class));
  if (z == nullptr) return line + m + "\n";
  // Z- and M-partners in columns: no label is longer than six places.
  return line + padded(m, 6) + "  Z = " + text::label(*z) + "\n";
}

std::string record_of(const SetClass& set_class, RecordWriter& record, Algorithm algorithm) {
  record.text(forte_label(set_class)).integer(set_class.cardinality);
  record.set(set_class.prime(algorithm)).integers(ic_vector(set_class.rahn_prime));
  if (const SetClass* z = z_partner_of(set_class)) {
    record.text(forte_label(*z));
  } else {
    record.null();
  }
  return record.text(forte_label(m_partner_of(set_class))).end();
}

void run(std::optional<int> cardinality, const Settings& settings) {
  RecordWriter record(settings.format, fields);
  write(record.header());
  for (const SetClass& set_class : all_classes()) {
    const bool listed =
        cardinality ? set_class.cardinality == *cardinality : set_class.cardinality > 0;
    if (!listed) continue;
    write(settings.format == Format::text ? line_of(set_class, settings.algorithm)
                                          : record_of(set_class, record, settings.algorithm));
  }
}

Action define(CLI::App& app) {
  auto cardinality = std::make_shared<std::optional<int>>();
  app.add_option("--card", *cardinality, "only the classes of N pitch classes, 0 to 12")
      ->check(CLI::Range(0, 12).description(""))
      ->option_text("N");
  return [cardinality](const Settings& settings) { run(*cardinality, settings); };
}

const bool added = add_command({
    "classes",
    "the table of set classes",
    "pelantor classes [OPTIONS] [--card N]",
    details,
    false,
    define,
});

}  // namespace

}  // namespace pelantor::cli
