#include "reports/setreport.h"

#include <array>
#include <span>

#include "pelantor/intervals.h"
#include "pelantor/setclass.h"
#include "pelantor/vectors.h"
#include "reports/classsummary.h"
#include "reports/format.h"

namespace pelantor::text {

namespace {

constexpr const char* rule =
    "<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<"
    ">>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>";

// "<" the six entries, each written by format, separated by separator, ">".
template <typename T, typename Format>
void append_vector(std::string& text, const std::array<T, 6>& entries, const char* separator,
                   Format format) {
  text += '<';
  for (std::size_t k = 0; k < entries.size(); ++k) {
    if (k > 0) text += separator;
    text += format(entries[k]);
  }
  text += '>';
}

// "{740} =  T7I of [037]": the set in the order of its prime form, the
// operator and the form.
void append_as_image(std::string& text, PcSet set, Algorithm algorithm) {
  const PrimeForm form = prime_form(set, algorithm);
  text += image(form);
  text += " =  ";
  text += to_string(form.op);
  text += " of ";
  text += bracketed(form.prime);
}

// One line per interval: each of its cycles as "[" a digit for a member or
// "-" for any other pitch class, in the cycle's order, "] ".
void append_fragmentation(std::string& text, PcSet set) {
  for (int k = 1; k <= 6; ++k) {
    const std::span<const IntervalCycle> cycles = interval_cycles(k);
    text += "\n    Fragmentation of ";
    text += std::to_string(k);
    text += cycles.size() == 1 ? "-cycle:  " : "-cycles: ";
    for (const IntervalCycle& cycle : cycles) {
      text += '[';
      for (int i = 0; i < cycle.length; ++i) {
        const int pc = cycle.pitch_class_at(i);
        text += set.contains(pc) ? hex(pc) : "-";
      }
      text += "] ";
    }
  }
}

// The chains of each interval by their links, as many columns as any set
// fills, each row followed by a blank.
void append_ic_cycle_vector(std::string& text, PcSet set) {
  const IcCycleVector chains = ic_cycle_vector(set);
  text += "\n    IC Cycle Vector:     ";
  for (std::size_t k = 0; k < chains.size(); ++k) {
    text += digit_vector(std::span(chains[k]).first(static_cast<std::size_t>(most_chains[k])));
    text += ' ';
  }
}

void append_properties(std::string& text, PcSet set) {
  text += "\n  SET PROPERTIES:\n";
  text += "    IC vector:  ";
  text += digit_vector(ic_vector(set));
  text += "    Invariance vector:  ";
  text += digit_vector(invariance_vector(set));
  text += "\n    VTICS:  ";
  text += digit_vector(vtics(set));
  append_fragmentation(text, set);
  append_ic_cycle_vector(text, set);
  text += "\n    Weighted IC Cyc Vec:  ";
  append_vector(text, weighted_cycle_vector(set), ", ", hundredths);
  text += "\n    IC saturation vector a:  ";
  append_vector(text, ic_saturation_a(set), ", ", count_saturation);
  text += "\n                         b:  ";
  append_vector(text, ic_saturation_b(set), ", ", count_saturation);
  text += "\n    Adjusted IC vector:  ";
  text += digit_vector(adjusted_ic_vector(set));
  text += "\n    Proportional ICSATV:  ";
  append_vector(text, proportional_icsatv(set), ",   ", fixed3);
  text += "\n    PICSAT%V: ";
  append_vector(text, picsat_percent(set), ",   ", fixed3);
  text += "\n    CycSATV a: ";
  append_vector(text, cycle_saturation_a(set), ", ", weight_saturation);
  text += "\n            b: ";
  append_vector(text, cycle_saturation_b(set), ", ", weight_saturation);
  text += "\n    Proportional CycSATV:  ";
  append_vector(text, proportional_cycsatv(set), ",   ", fixed3);
}

// The literal complement; the Z-correspondent, when there is one, and the
// M-partner on one line.
void append_related(std::string& text, PcSet set, Algorithm algorithm) {
  const SetClass& set_class = set_class_of(set);
  const SetClass& m_partner = m_partner_of(set_class);
  text += "\n  RELATED SETS / SET-CLASSES:\n";
  text += "    Literal comp: ";
  append_as_image(text, set.complement(), algorithm);
  text += "  (Abstract comp.)\n";
  text += z_correspondent(set_class, algorithm);
  text += "    M/MI = ";
  text += bracketed(m_partner.prime(algorithm));
  text += " (";
  text += label(m_partner);
  text += ")\n";
}

}  // namespace

std::string set_report(PcSet set, Algorithm algorithm) {
  std::string text = rule;
  text += "\nInput set: ";
  append_as_image(text, set, algorithm);
  text += "  Forte label: ";
  text += label(set_class_of(set));
  append_properties(text, set);
  append_related(text, set, algorithm);
  text += rule;
  text += "\n\n";
  return text;
}

}  // namespace pelantor::text
