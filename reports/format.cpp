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

// Built by appending: g++ 12 at -O3 mistakes "{" + text for an overlapping
// copy (-Wrestrict), which stops the Release build.
std::string enclosed(char open, const std::string& inner, char close) {
  std::string text(1, open);
  text += inner;
  text += close;
  return text;
}

}  // namespace

std::string braced(PcSet set) {
  return enclosed('{', to_string(set), '}');
}

std::string bracketed(PcSet set) {
  return enclosed('[', to_string(set), ']');
}

std::string image(const PrimeForm& form) {
  return enclosed('{', to_string_ordered(form), '}');
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

std::string hex(int n) {
  // Most numbers written in hexadecimal are pitch classes and vector entries.
  if (n >= 0 && n < 16) return std::string(1, "0123456789abcdef"[n]);
  char digits[16];
  const int length = std::snprintf(digits, sizeof digits, "%x", static_cast<unsigned>(n));
  return std::string(digits, static_cast<std::size_t>(length));
}

std::string digit_vector(std::span<const int> entries) {
  std::string text = "<";
  for (const int entry : entries) text += entry == open_entry ? "x" : hex(entry);
  return text + ">";
}

// Digit by digit: exact, and without a printf per number.
std::string hundredths(int count) {
  std::string text = std::to_string(count / 100);
  text += '.';
  text += static_cast<char>('0' + count / 10 % 10);
  text += static_cast<char>('0' + count % 10);
  return text;
}

std::string count_saturation(Saturation entry) {
  return (entry.bound == Bound::max ? "max-" : "min+") + std::to_string(entry.distance);
}

std::string weight_saturation(Saturation entry) {
  return (entry.bound == Bound::max ? "max-" : "min+") + hundredths(entry.distance);
}

std::string fixed3(double x) {
  return formatted("%.3f", x);
}

}  // namespace pelantor::text
