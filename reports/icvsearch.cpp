#include "reports/icvsearch.h"

#include <array>

#include "reports/classsummary.h"
#include "reports/format.h"

namespace pelantor::text {

namespace {

std::string heading(const IcPattern& pattern, std::optional<int> cardinality) {
  std::array<int, 6> entries;
  for (std::size_t i = 0; i < entries.size(); ++i) entries[i] = pattern[i].value_or(open_entry);
  return (cardinality ? std::to_string(*cardinality) + "-note " : "All ") +
         "sets with interval-class vector: " + digit_vector(entries) + "\n";
}

}  // namespace

std::string icv_listing(const IcPattern& pattern, std::optional<int> cardinality,
                        std::span<const SetClass> matches, Algorithm algorithm) {
  std::string text = heading(pattern, cardinality);
  for (const SetClass& set_class : matches) {
    text += "  " + bracketed(set_class.prime(algorithm)) +
            class_summary(set_class.rahn_prime, algorithm) + "\n";
  }
  if (matches.empty()) text += "Sorry, there are no matching sets\n";
  return text + "\n";
}

}  // namespace pelantor::text
