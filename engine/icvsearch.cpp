#include "pelantor/icvsearch.h"

#include <string>

#include "pelantor/error.h"
#include "pelantor/intervals.h"

namespace pelantor {

namespace {

void require_searched(int cardinality) {
  if (cardinality < least_searched_cardinality || cardinality > most_searched_cardinality) {
    throw error("the search covers sets of 2 to 12 pitch classes, not " +
                std::to_string(cardinality));
  }
}

bool matches(const IcPattern& pattern, const std::array<int, 6>& icv) {
  for (int i = 0; i < 6; ++i) {
    if (pattern[i] && *pattern[i] != icv[i]) return false;
  }
  return true;
}

}  // namespace

CountRange ic_count_range(std::optional<int> cardinality, int interval_class) {
  if (interval_class < 1 || interval_class > 6) {
    throw error("interval classes run from 1 to 6, not " + std::to_string(interval_class));
  }
  if (!cardinality) return {0, 12};
  require_searched(*cardinality);
  const Bounds bounds = ic_bounds(*cardinality);
  return {bounds.least[interval_class - 1], bounds.most[interval_class - 1]};
}

std::vector<SetClass> classes_matching(const IcPattern& pattern, std::optional<int> cardinality) {
  if (cardinality) require_searched(*cardinality);
  for (const std::optional<int>& count : pattern) {
    if (count && *count < 0) throw error("an interval-class count cannot be negative");
  }
  const int least = cardinality.value_or(least_searched_cardinality);
  const int most = cardinality.value_or(most_searched_cardinality);
  std::vector<SetClass> found;
  for (int c = least; c <= most; ++c) {
    for (const SetClass& set_class : classes(c)) {
      if (matches(pattern, ic_vector(set_class.rahn_prime))) found.push_back(set_class);
    }
  }
  return found;
}

}  // namespace pelantor
