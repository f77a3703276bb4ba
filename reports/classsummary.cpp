#include "reports/classsummary.h"

#include "pelantor/intervals.h"
#include "reports/format.h"

namespace pelantor::text {

std::string z_correspondent(const SetClass& set_class, Algorithm algorithm) {
  const SetClass* partner = z_partner_of(set_class);
  if (partner == nullptr) return {};
  std::string text = "    Z = ";
  text += bracketed(partner->prime(algorithm));
  text += " (";
  text += label(*partner);
  text += ')';
  return text;
}

std::string class_summary(PcSet set, Algorithm algorithm) {
  const SetClass& set_class = set_class_of(set);
  std::string text = label_cell(set_class);
  text += "  ";
  text += digit_vector(ic_vector(set));
  text += z_correspondent(set_class, algorithm);
  return text;
}

}  // namespace pelantor::text
