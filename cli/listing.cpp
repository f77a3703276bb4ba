#include "cli/listing.h"

#include "pelantor/intervals.h"
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

void class_fields(RecordWriter& record, const SetClass& set_class, Algorithm algorithm) {
  record.text(forte_label(set_class)).integer(set_class.cardinality);
  record.set(set_class.prime(algorithm)).integers(ic_vector(set_class.rahn_prime));
  if (const SetClass* z = z_partner_of(set_class)) {
    record.text(forte_label(*z));
  } else {
    record.null();
  }
}

}  // namespace pelantor::cli
