#include "pelantor/subsets.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <string>

#include "pelantor/error.h"
#include "setclass_data.h"

namespace pelantor {

namespace {

// The embeddings of every class in one set, by class index.  Every subset
// of the set is one form of one class, and distinct forms are distinct
// subsets, so counting the subsets by class counts the distinct forms.
using ClassCounts = std::array<int, data::class_count>;

ClassCounts subset_counts(PcSet set) {
  ClassCounts counts{};
  const unsigned bits = set.bits();
  for (unsigned sub = bits;; sub = (sub - 1) & bits) {
    ++counts[set_class_of(PcSet::from_bits(sub)).index];
    if (sub == 0) return counts;
  }
}

// The fewest and the most embeddings of every class over the classes of
// one cardinality (each class once, the members of a Z pair apart).
struct Bounds {
  ClassCounts least;
  ClassCounts most;
};

Bounds embedding_bounds(int cardinality) {
  Bounds bounds;
  bounds.least.fill(std::numeric_limits<int>::max());
  bounds.most.fill(0);
  for (const SetClass& superset : classes(cardinality)) {
    const ClassCounts counts = subset_counts(superset.rahn_prime);
    for (std::size_t i = 0; i < counts.size(); ++i) {
      bounds.least[i] = std::min(bounds.least[i], counts[i]);
      bounds.most[i] = std::max(bounds.most[i], counts[i]);
    }
  }
  return bounds;
}

void require_range(std::span<const PcSet> supersets, int least, int most) {
  if (supersets.empty()) throw error("no superset given");
  const auto smallest = std::min_element(supersets.begin(), supersets.end(),
                                         [](PcSet a, PcSet b) { return a.size() < b.size(); });
  if (smallest->empty()) throw error("a superset needs at least one pitch class");
  if (least < 1 || most > smallest->size() || least > most) {
    throw error("subsets of these supersets have 1 to " + std::to_string(smallest->size()) +
                " notes; " + std::to_string(least) + " to " + std::to_string(most) +
                " is not within that");
  }
}

}  // namespace

std::vector<SubsetsOfSize> subsets_of_supersets(std::span<const PcSet> supersets, int least,
                                                int most) {
  require_range(supersets, least, most);
  std::vector<ClassCounts> counts;
  std::map<int, Bounds> bounds;  // by superset cardinality
  for (PcSet superset : supersets) {
    counts.push_back(subset_counts(superset));
    if (!bounds.contains(superset.size()))
      bounds[superset.size()] = embedding_bounds(superset.size());
  }
  std::vector<SubsetsOfSize> sizes;
  for (int cardinality = least; cardinality <= most; ++cardinality) {
    SubsetsOfSize size{cardinality, {}};
    for (const SetClass& set_class : classes(cardinality)) {
      const int i = set_class.index;
      const auto in_all = [i](const ClassCounts& c) { return c[i] != 0; };
      if (!std::all_of(counts.begin(), counts.end(), in_all)) continue;
      EmbeddedClass row{set_class, {}};
      for (std::size_t s = 0; s < supersets.size(); ++s) {
        const Bounds& b = bounds[supersets[s].size()];
        row.embeddings.push_back({counts[s][i], b.least[i], b.most[i]});
      }
      size.classes.push_back(std::move(row));
    }
    sizes.push_back(std::move(size));
  }
  return sizes;
}

}  // namespace pelantor
