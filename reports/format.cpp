#include "reports/format.h"

#include <cstdio>

#include "pelantor/intervals.h"
#include "pelantor/notation.h"

namespace pelantor::text {

namespace {

std::string formatted(const char* format, double x) {
  char digits[64];
  const int length = std::snprintf(digits, sizeof digits, format, x);
  return std::string(digits, static_cast<std::size_t>(length));
}

}  // namespace

std::string braced(PcSet set) {
  return "{" + to_string(set) + "}";
}

std::string bracketed(PcSet set) {
  return "[" + to_string(set) + "]";
}

std::string image(const PrimeForm& form) {
  return "{" + to_string_ordered(form) + "}";
}

std::string label(const SetClass& set_class) {
  return forte_label(set_class);
}

std::string label_cell(const SetClass& set_class) {
  const int c = set_class.cardinality;
  std::string cell(static_cast<std::size_t>(12 - c), ' ');
  cell += forte_label(set_class);
  // The longest label, "10-z12", takes six places.
  if (set_class.ordinal < 10) cell += ' ';
  if (c < 10) cell += ' ';
  if (!set_class.is_z()) cell += ' ';
  return cell + "  ";
}

std::string class_summary(PcSet set, Algorithm algorithm) {
  const SetClass& set_class = set_class_of(set);
  std::string summary = label_cell(set_class) + "  " + digit_vector(ic_vector(set));
  if (const SetClass* partner = z_partner_of(set_class)) {
    summary += "    Z = " + bracketed(partner->prime(algorithm)) + " (" + label(*partner) + ")";
  }
  return summary;
}

std::string hex(int n) {
  char digits[16];
  const int length = std::snprintf(digits, sizeof digits, "%x", static_cast<unsigned>(n));
  return std::string(digits, static_cast<std::size_t>(length));
}

std::string digit_vector(std::span<const int> entries) {
  std::string text = "<";
  for (const int entry : entries) text += entry == open_entry ? "x" : hex(entry);
  return text + ">";
}

std::string fixed3(double x) {
  return formatted("%.3f", x);
}

std::string fixed2(double x) {
  return formatted("%.2f", x);
}

}  // namespace pelantor::text
