#include "reports/combinations.h"

#include "reports/classsummary.h"
#include "reports/format.h"

namespace pelantor::text {

namespace {

std::string heading(Combination combination, int cardinality) {
  switch (combination) {
    case Combination::without_overlap:
      return "Non-overlapping combinations of ";
    case Combination::with_overlap:
      return "Overlapping combinations of ";
    case Combination::both:
      return "All combinations of ";
    case Combination::of_cardinality:
      return std::to_string(cardinality) + "-note combinations of ";
    default:
      return std::to_string(cardinality) + "-note supersets of ";
  }
}

// The subsets, then the exclusion sets after "not ", each as its prime form.
std::string group_of(const SubsetGroup& group, Algorithm algorithm) {
  std::string text;
  const auto add = [&](PcSet set, const char* mark) {
    if (!text.empty()) text += ", ";
    text += mark + bracketed(prime_form(set, algorithm).prime);
  };
  for (const PcSet subset : group.subsets) add(subset, "");
  for (const PcSet excluded : group.exclusions) add(excluded, "not ");
  return text;
}

// A blank before the count for each of 1000, 100 and 10 it is below.
std::string count_column(std::int64_t placements) {
  std::string column;
  for (const std::int64_t limit : {1000, 100, 10}) {
    if (placements < limit) column += ' ';
  }
  return column + std::to_string(placements);
}

}  // namespace

std::string combination_listing(const SubsetGroup& group, Combination combination, int cardinality,
                                std::span<const CombinationCount> counts, Algorithm algorithm) {
  std::string text = heading(combination, cardinality) + group_of(group, algorithm) + "\n";
  for (const CombinationCount& count : counts) {
    const PcSet prime = count.set_class.rahn_prime;
    text += count_column(count.placements) + "  " + bracketed(prime) +
            class_summary(prime, algorithm) + "\n";
  }
  if (counts.empty()) text += "There are no combinations that fit this category\n\n";
  return text + "\n";
}

}  // namespace pelantor::text
