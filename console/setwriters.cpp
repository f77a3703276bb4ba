#include "console/setwriters.h"

#include <string>

#include "console/funnel.h"
#include "reports/classsummary.h"

void writeset(pelantor::PcSet set, setstyle style) {
  const bool braces = style == setstyle::braces;
  mwrite(braces ? "{" : "[");
  mwrite(pelantor::to_string(set).c_str());
  mwrite(braces ? "}" : "]");
}

void writeset(const pelantor::MarkedSet& set, setstyle style) {
  if (set.excluded) mwrite("not ");
  writeset(set.set, style);
}

void writeprimeform(pelantor::PcSet set, pelantor::Algorithm algorithm) {
  writeset(pelantor::prime_form(set, algorithm).prime, setstyle::brackets);
}

void writeimage(const pelantor::PrimeForm& form) {
  mwrite("{");
  mwrite(pelantor::to_string_ordered(form).c_str());
  mwrite("}");
}

void writevector(std::span<const int> entries) {
  mwrite("<");
  for (const int entry : entries) writehex(entry);
  mwrite(">");
}

void writevector(const pelantor::IcPattern& pattern) {
  mwrite("<");
  for (const std::optional<int>& entry : pattern) {
    if (entry) {
      writehex(*entry);
    } else {
      mwrite("x");
    }
  }
  mwrite(">");
}

void writehundredths(const std::array<int, 6>& hundredths) {
  mwrite("<");
  for (std::size_t i = 0; i < hundredths.size(); ++i) {
    if (i > 0) mwrite(", ");
    writereal2(hundredths[i] / 100.0);
  }
  mwrite(">");
}

void writeforte(const pelantor::SetClass& setclass) {
  mwrite(pelantor::forte_label(setclass).c_str());
}

void writelabelcell(const pelantor::SetClass& setclass) {
  constexpr int labelwidth = 6;
  const std::string label = pelantor::forte_label(setclass);
  spaces(12 - setclass.cardinality);
  mwrite(label.c_str());
  spaces(labelwidth - static_cast<int>(label.size()) + 2);
}

void writezpartner(const pelantor::SetClass& setclass, pelantor::Algorithm algorithm) {
  const pelantor::SetClass* partner = pelantor::z_partner_of(setclass);
  if (partner == nullptr) return;
  mwrite("    Z = ");
  writeset(partner->prime(algorithm), setstyle::brackets);
  mwrite(" (");
  writeforte(*partner);
  mwrite(")");
}

void writeclasssummary(pelantor::PcSet set, pelantor::Algorithm algorithm) {
  mwrite(pelantor::text::class_summary(set, algorithm).c_str());
}
