// Combining subsets: the counts per set class, the refusals and the sizes
// the combinations may ask for.
#include "pelantor/combinations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>

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

}  // namespace
