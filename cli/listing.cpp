#include "cli/listing.h"

#include "reports/format.h"

namespace pelantor::cli {

std::string padded(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string class_columns(std::string_view label, PcSet prime) {
  constexpr std::size_t label_width = 6;
  constexpr std::size_t prime_width = 14;
  return padded(std::string(label), label_width) + "  " +
         padded(text::bracketed(prime), prime_width) + "  ";
}

}  // namespace pelantor::cli
