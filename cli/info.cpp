// pelantor info: the properties of each set, as entry 1 of the dialogue
// reports them.

#include <CLI/CLI.hpp>
#include <array>
#include <memory>
#include <vector>

#include "cli/command.h"
#include "pelantor/intervals.h"
#include "pelantor/setclass.h"
#include "pelantor/vectors.h"
#include "reports/format.h"
#include "reports/setreport.h"

namespace pelantor::cli {

namespace {

constexpr std::string_view fields[] = {
    "set",
    "cardinality",
    "prime_form",
    "operator",
    "forte",
    "tn_class",
    "icv",
    "invariance",
    "vtics",
    "ic_cycle_vector",
    "weighted_cycle_vector",
    "ic_saturation_a",
    "ic_saturation_b",
    "adjusted_icv",
    "proportional_icsatv",
    "picsat_percent",
    "cycsatv_a",
    "cycsatv_b",
    "proportional_cycsatv",
    "complement.set",
    "complement.operator",
    "complement.prime_form",
    "complement.forte",
    "z_partner",
    "m_partner",
};

constexpr std::string_view details =
    "Each set's properties: the text is the dialogue's set report (main-menu\n"
    "entry 1), one block per set.  Records (JSON Lines, CSV), one per set:\n"
    "  set, prime_form        the set and its prime form\n"
    "  cardinality            the number of pitch classes\n"
    "  operator               the operator carrying the prime form onto the set: T7I\n"
    "  forte, tn_class        the Forte label, and the label with A (a transposition\n"
    "                         of the prime form) or B (of its inversion): 3-11B\n"
    "  icv, invariance, vtics the interval-class vector, the invariance vector\n"
    "                         (T, I, M, MI onto itself, then onto a disjoint set), VTICS\n"
    "  ic_cycle_vector        per interval 1-6, its chains by number of links\n"
    "  weighted_cycle_vector  per interval, the chain weights summed\n"
    "  ic_saturation_a, _b    \"min+d\" or \"max-d\" per interval class\n"
    "  adjusted_icv, proportional_icsatv, picsat_percent\n"
    "  cycsatv_a, cycsatv_b   \"min+d\" or \"max-d\" per interval, d with two decimals\n"
    "  proportional_cycsatv\n"
    "  complement             the literal complement: set, operator, prime_form, forte\n"
    "  z_partner, m_partner   the labels of the Z-correspondent (or null) and of the\n"
    "                         class under M\n"
    "Operators use decimal numbers (T10I); in CSV sets are pitch-class strings\n"
    "(047), lists their entries separated by blanks, the chains of\n"
    "ic_cycle_vector one list per interval separated by ';', and the complement\n"
    "the columns complement_set, complement_operator and so on.\n";

// The entries of a saturation vector as the report writes them.
std::array<std::string, 6> saturation_texts(const std::array<Saturation, 6>& vector,
                                            std::string (*text_of)(Saturation)) {
  std::array<std::string, 6> texts;
  for (int k = 0; k < 6; ++k) texts[k] = text_of(vector[k]);
  return texts;
}

// The chains of each interval, as many columns as the report shows.
std::vector<std::vector<int>> chains_of(PcSet set) {
  const IcCycleVector chains = ic_cycle_vector(set);
  std::vector<std::vector<int>> rows;
  for (int k = 0; k < 6; ++k)
    rows.emplace_back(chains[k].begin(), chains[k].begin() + most_chains[k]);
  return rows;
}

std::array<double, 6> in_units(const std::array<int, 6>& hundredths) {
  std::array<double, 6> units;
  for (int k = 0; k < 6; ++k) units[k] = hundredths[k] / 100.0;
  return units;
}

void write_form(RecordWriter& record, PcSet set, Algorithm algorithm) {
  const PrimeForm form = prime_form(set, algorithm);
  record.set(set).integer(set.size()).set(form.prime).text(decimal_operator(form.op));
}

std::string record_of(PcSet set, RecordWriter& record, Algorithm algorithm) {
  const SetClass& set_class = set_class_of(set);
  write_form(record, set, algorithm);
  record.text(forte_label(set_class)).text(tn_label(set));
  record.integers(ic_vector(set)).integers(invariance_vector(set)).integers(vtics(set));
  record.lists(chains_of(set)).reals(in_units(weighted_cycle_vector(set)));
  record.texts(saturation_texts(ic_saturation_a(set), text::count_saturation));
  record.texts(saturation_texts(ic_saturation_b(set), text::count_saturation));
  record.integers(adjusted_ic_vector(set)).reals(proportional_icsatv(set));
  record.reals(picsat_percent(set));
  record.texts(saturation_texts(cycle_saturation_a(set), text::weight_saturation));
  record.texts(saturation_texts(cycle_saturation_b(set), text::weight_saturation));
  record.reals(proportional_cycsatv(set));
  const PcSet complement = set.complement();
  const PrimeForm complement_form = prime_form(complement, algorithm);
  record.set(complement).text(decimal_operator(complement_form.op)).set(complement_form.prime);
  record.text(forte_label(set_class_of(complement)));
  if (const SetClass* z = z_partner_of(set_class)) {
    record.text(forte_label(*z));
  } else {
    record.null();
  }
  return record.text(forte_label(m_partner_of(set_class))).end();
}

void run(std::span<const std::string> words, const Settings& settings) {
  RecordWriter record(settings.format, fields);
  write(record.header());
  // A set's text is the same each time it comes: made once, then reused.
  std::vector<std::string> made(PcSet::all_bits + 1);
  for_each_set(settings, words, {}, [&](PcSet set) {
    std::string& text = made[set.bits()];
    if (text.empty()) {
      text = settings.format == Format::text ? text::set_report(set, settings.algorithm)
                                             : record_of(set, record, settings.algorithm);
    }
    write(text);
  });
}

Action define(CLI::App& app) {
  auto words = std::make_shared<std::vector<std::string>>();
  app.add_option("SET", *words, "a set; each argument is one set");
  app.callback([&app, words] {
    if (words->empty() && app.get_option("--input")->count() == 0) {
      throw CLI::ValidationError("give a set, or --input FILE");
    }
  });
  return [words](const Settings& settings) { run(*words, settings); };
}

const bool added = add_command({
    "info",
    "each set's properties (main-menu entry 1)",
    "pelantor info [OPTIONS] SET...\npelantor info [OPTIONS] --input FILE",
    details,
    true,
    define,
});

}  // namespace

}  // namespace pelantor::cli
