// Combining subsets: the counts per set class, the refusals and the sizes
// the combinations may ask for.
#include "pelantor/combinations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <string>

#include "pelantor/intervals.h"
#include "pelantor/notation.h"

namespace {

using namespace pelantor;
using enum Combination;

// "prime count" per class, as the dialogue lists them.
std::string listing(const std::map<int, std::int64_t>& counts) {
  std::string text;
  for (const auto& [index, count] : counts) {
    text += (text.empty() ? "" : ", ") + to_string(all_classes()[index].rahn_prime) + " " +
            std::to_string(count);
  }
  return text;
}

std::string listing(const SubsetGroup& group, Combination combination, int cardinality = 0) {
  std::map<int, std::int64_t> counts;
  for (const CombinationCount& c : combine_subsets(group, combination, cardinality)) {
    counts[c.set_class.index] = c.placements;
  }
  return listing(counts);
}

TEST(CombineSubsets, CountsPlacementsPerClass) {
  const SubsetGroup dyads{{pcs("01"), pcs("01")}, {}};
  // T2 .. Ta of the second dyad; a dyad is symmetric, so no inversions.
  EXPECT_EQ(listing(dyads, without_overlap), "0123 2, 0134 2, 0145 2, 0156 2, 0167 1");
  EXPECT_EQ(listing(dyads, with_overlap), "01 1, 012 2");
  EXPECT_EQ(listing({{pcs("01"), pcs("01")}, {pcs("0123")}}, without_overlap),
            "0134 2, 0145 2, 0156 2, 0167 1");
  // Neither trichord is symmetric: five hexachords by Tn, five by TnI.
  EXPECT_EQ(listing({{pcs("013"), pcs("014")}, {}}, without_overlap),
            "012345 1, 012356 1, 013458 1, 023458 1, 014568 1, 013478 1, 013469 1, 013569 1, "
            "014579 1, 014679 1");
  // One note missing: the filler is each pitch class in turn.
  EXPECT_EQ(listing({{pcs("048")}, {}}, supersets_with_overlap, 4), "0148 6, 0248 3");
  // A single subset meets an empty second piece; without subsets, or with
  // the empty set (which every set holds) excluded, nothing comes out.
  EXPECT_EQ(listing({{pcs("037")}, {}}, both), "037 12");
  EXPECT_EQ(listing({{pcs("037")}, {}}, with_overlap), "");
  EXPECT_EQ(listing({{}, {pcs("01")}}, supersets_without_overlap, 5), "");
  EXPECT_EQ(listing({{pcs("01"), pcs("01")}, {PcSet()}}, both), "");
  // Thirteen notes: both reaches the aggregate (T6 and T7 of the
  // hexachord); the overlapping combinations never list it.
  const SubsetGroup thirteen{{pcs("0123456"), pcs("012345")}, {}};
  EXPECT_TRUE(listing(thirteen, both).ends_with("0123456789ab 2"));
  EXPECT_FALSE(listing(thirteen, with_overlap).ends_with("0123456789ab 2"));
}

TEST(CombineSubsets, CountsBeyondThirtyTwoBits) {
  // Twelve single notes: 12 placements at each of 11 steps (a note is
  // symmetric), 12^11 in all; the 11! without overlap all give the aggregate.
  const SubsetGroup notes{std::vector<PcSet>(12, pcs("0")), {}};
  std::int64_t total = 0, most = 0;
  for (const CombinationCount& c : combine_subsets(notes, both)) {
    total += c.placements;
    most = std::max(most, c.placements);
  }
  EXPECT_EQ(total, 743008370688);
  EXPECT_GT(most, std::int64_t{1} << 32);
  EXPECT_EQ(listing(notes, without_overlap), "0123456789ab 39916800");
}

TEST(CombineSubsets, RefusesWhatCannotRun) {
  const SubsetGroup twelve{{pcs("012345"), pcs("012345")}, {}};
  const SubsetGroup thirteen{{pcs("0123456"), pcs("012345")}, {}};
  EXPECT_EQ(combination_refusal({{PcSet::aggregate()}, {}}, without_overlap),
            CombinationRefusal::too_few_subsets);
  EXPECT_EQ(combination_refusal(twelve, without_overlap), CombinationRefusal::none);
  EXPECT_EQ(combination_refusal(twelve, supersets_without_overlap),
            CombinationRefusal::too_many_notes);
  EXPECT_THROW(combine_subsets(thirteen, without_overlap), error);
  EXPECT_THROW(combine_subsets({std::vector<PcSet>(13, pcs("0")), {}}, both), error);
  const SubsetGroup group{{pcs("013"), pcs("01")}, {}};
  EXPECT_EQ(result_cardinalities(group, of_cardinality), (CardinalityRange{3, 5}));
  EXPECT_EQ(result_cardinalities(group, supersets_without_overlap), (CardinalityRange{6, 12}));
  EXPECT_EQ(result_cardinalities(group, supersets_with_overlap), (CardinalityRange{3, 12}));
  EXPECT_THROW(combine_subsets(group, of_cardinality, 6), error);
}

// The search placement by placement, as the combinations are described,
// against which the engine's search by unions is checked.
struct Search {
  const SubsetGroup& group;
  Combination combination;
  int cardinality;
  int total;
  std::map<int, std::int64_t> counts;

  void forms(PcSet piece, PcSet base, auto next) {
    const bool invert = inversional_symmetries(piece) == 0 && inversional_symmetries(base) == 0;
    for (int t = 0; t < 12; ++t) {
      next(base | piece.transposed(t));
      if (invert) next(base | piece.inverted().transposed(t));
    }
  }
  void count(PcSet u) {
    for (PcSet excluded : group.exclusions) {
      if (embedding_count(u, excluded) > 0) return;
    }
    ++counts[set_class_of(u).index];
  }
  // The filler: each class of the missing size, or each pitch class.
  void fill(PcSet base) {
    const int missing =
        cardinality - (combination == supersets_without_overlap ? total : base.size());
    const auto full = [&](PcSet u) {
      if (u.size() == cardinality) count(u);
    };
    for (int pc = 0; missing <= 1 && pc < 12; ++pc) full(base | PcSet{pc});
    if (missing > 1) {
      for (const SetClass& c : classes(missing)) forms(c.rahn_prime, base, full);
    }
  }
  void place(std::size_t index, PcSet base) {
    if (combination >= supersets_without_overlap && index == group.subsets.size()) {
      return fill(base);
    }
    const PcSet piece = index < group.subsets.size() ? group.subsets[index] : PcSet();
    forms(piece, base, [&](PcSet u) {
      if (index + 1 < group.subsets.size() || combination >= supersets_without_overlap) {
        place(index + 1, u);
      } else if (combination == both || (combination == without_overlap && u.size() == total) ||
                 (combination == with_overlap && u.size() < total) ||
                 (combination == of_cardinality && u.size() == cardinality)) {
        count(u);
      }
    });
  }
};

TEST(CombineSubsets, CountsWhatVisitingEveryPlacementCounts) {
  std::mt19937 random(13);
  const auto some_set = [&] {
    PcSet set;
    while (set.size() <= int(random() % 4)) set = set | PcSet{int(random() % 12)};
    return set;
  };
  for (int n = 0; n < 12; ++n) {
    // Three subsets in the first four groups, but no filler after them:
    // that would take long here.
    SubsetGroup group{{some_set(), some_set()}, {}};
    if (n < 4) group.subsets.push_back(some_set());
    if (n % 3 == 0) group.exclusions.push_back(some_set());
    int total = 0;
    for (PcSet subset : group.subsets) total += subset.size();
    for (int option = 1; option <= (n < 4 ? 4 : 6); ++option) {
      const auto combination = static_cast<Combination>(option);
      if (combination_refusal(group, combination) != CombinationRefusal::none) continue;
      const CardinalityRange sizes = takes_cardinality(combination)
                                         ? result_cardinalities(group, combination)
                                         : CardinalityRange{0, 0};
      for (int c = sizes.least; c <= sizes.most; ++c) {
        Search search{group, combination, c, total, {}};
        search.place(1, group.subsets[0]);
        ASSERT_EQ(listing(group, combination, c), listing(search.counts)) << n << " " << option;
      }
    }
  }
}

}  // namespace
