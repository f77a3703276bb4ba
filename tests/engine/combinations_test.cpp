// Combining subsets: the counts per set class, the refusals and the sizes
// the combinations may ask for.
#include "pelantor/combinations.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <utility>

#include "pelantor/intervals.h"
#include "pelantor/notation.h"

namespace {

using namespace pelantor;
using Listing = std::vector<std::pair<std::string, std::int64_t>>;

// The result as the dialogue lists it: Rahn prime form and count.
Listing listing(const SubsetGroup& group, Combination combination, int cardinality = 0) {
  Listing rows;
  for (const CombinationCount& count : combine_subsets(group, combination, cardinality)) {
    rows.emplace_back(to_string(count.set_class.rahn_prime), count.placements);
  }
  return rows;
}

TEST(CombineSubsets, PlacesTwoDyadsSideBySide) {
  const SubsetGroup dyads{{pcs("01"), pcs("01")}, {}};
  // T2 .. Ta of the second dyad; a dyad is symmetric, so no inversions.
  EXPECT_EQ(listing(dyads, Combination::without_overlap),
            (Listing{{"0123", 2}, {"0134", 2}, {"0145", 2}, {"0156", 2}, {"0167", 1}}));
  // T0 gives the dyad itself, T1 and Tb three notes.
  EXPECT_EQ(listing(dyads, Combination::with_overlap), (Listing{{"01", 1}, {"012", 2}}));
  EXPECT_EQ(
      listing(dyads, Combination::both),
      (Listing{
          {"01", 1}, {"012", 2}, {"0123", 2}, {"0134", 2}, {"0145", 2}, {"0156", 2}, {"0167", 1}}));
}

TEST(CombineSubsets, TriesInversionsOfAsymmetricPieces) {
  const SubsetGroup trichords{{pcs("013"), pcs("014")}, {}};
  EXPECT_EQ(listing(trichords, Combination::without_overlap), (Listing{{"012345", 1},
                                                                       {"012356", 1},
                                                                       {"013458", 1},
                                                                       {"023458", 1},
                                                                       {"014568", 1},
                                                                       {"013478", 1},
                                                                       {"013469", 1},
                                                                       {"013569", 1},
                                                                       {"014579", 1},
                                                                       {"014679", 1}}));
}

TEST(CombineSubsets, LeavesOutUnionsHoldingAnExcludedClass) {
  const SubsetGroup dyads{{pcs("01"), pcs("01")}, {pcs("0123")}};
  EXPECT_EQ(listing(dyads, Combination::without_overlap),
            (Listing{{"0134", 2}, {"0145", 2}, {"0156", 2}, {"0167", 1}}));
  // Every set holds the empty set: excluding it leaves nothing.
  EXPECT_TRUE(listing({{pcs("01"), pcs("01")}, {PcSet()}}, Combination::both).empty());
}

TEST(CombineSubsets, FillsSupersetsUpToTheCardinality) {
  // One note is missing: the filler is each pitch class in turn.
  const SubsetGroup augmented{{pcs("048")}, {}};
  const Listing expected{{"0148", 6}, {"0248", 3}};
  EXPECT_EQ(listing(augmented, Combination::supersets_without_overlap, 4), expected);
  EXPECT_EQ(listing(augmented, Combination::supersets_with_overlap, 4), expected);
  // Two missing: every dyad class is placed in its 12 transpositions.
  const Listing five = listing(augmented, Combination::supersets_without_overlap, 5);
  std::int64_t placements = 0;
  for (const auto& row : five) placements += row.second;
  // A placement {t, t + d} meets [048] when t or t + d is 0, 4 or 8: for
  // six values of t, but for three only when d is 4.
  EXPECT_EQ(placements, 6 * 12 - (5 * 6 + 3));
}

TEST(CombineSubsets, CombinesASingleSubsetWithAnEmptyPiece) {
  const SubsetGroup single{{pcs("037")}, {}};
  EXPECT_EQ(listing(single, Combination::both), (Listing{{"037", 12}}));
  EXPECT_EQ(listing(single, Combination::of_cardinality, 3), (Listing{{"037", 12}}));
  EXPECT_TRUE(listing(single, Combination::with_overlap).empty());
}

TEST(CombineSubsets, FindsNothingWithoutSubsets) {
  const SubsetGroup exclusions_only{{}, {pcs("01")}};
  EXPECT_TRUE(listing(exclusions_only, Combination::with_overlap).empty());
  EXPECT_TRUE(listing(exclusions_only, Combination::both).empty());
  EXPECT_TRUE(listing(exclusions_only, Combination::of_cardinality, 0).empty());
  for (int c = 1; c <= 12; ++c) {
    EXPECT_TRUE(listing(exclusions_only, Combination::supersets_without_overlap, c).empty());
  }
  EXPECT_TRUE(listing(exclusions_only, Combination::supersets_with_overlap, 0).empty());
}

TEST(CombineSubsets, CountsEveryOrderOfTwelveSingleNotes) {
  // The base stays on its note; the eleven others take the remaining notes
  // in any order.
  const SubsetGroup twelve{std::vector<PcSet>(12, pcs("0")), {}};
  EXPECT_EQ(listing(twelve, Combination::without_overlap), (Listing{{"0123456789ab", 39916800}}));
}

TEST(CombineSubsets, CountsTheAggregateAsOverlappingBeyondTwelveNotes) {
  // Thirteen notes in all always overlap, so the overlapping unions are all
  // of them, the aggregate included.
  const SubsetGroup big{{pcs("0123456"), pcs("012345")}, {}};
  const Listing overlapping = listing(big, Combination::with_overlap);
  EXPECT_EQ(overlapping, listing(big, Combination::both));
  ASSERT_FALSE(overlapping.empty());
  EXPECT_EQ(overlapping.back().first, "0123456789ab");
}

TEST(CombineSubsets, RefusesWhatCannotRun) {
  EXPECT_THROW(combine_subsets({{pcs("01")}, {}}, Combination::without_overlap), error);
  EXPECT_THROW(combine_subsets({{pcs("0123456"), pcs("012345")}, {}}, Combination::without_overlap),
               error);
  EXPECT_THROW(combine_subsets({{pcs("01"), pcs("01")}, {}}, Combination::of_cardinality, 5),
               error);
  EXPECT_THROW(combine_subsets({{pcs("01"), pcs("01")}, {}}, Combination::of_cardinality, 1),
               error);
  EXPECT_THROW(combine_subsets({std::vector<PcSet>(13, pcs("0")), {}}, Combination::both), error);
  EXPECT_THROW(combine_subsets({{pcs("01")}, {}}, static_cast<Combination>(7)), error);
}

TEST(CombinationRefusal, NamesTheFirstReasonThatApplies) {
  const SubsetGroup single{{pcs("01")}, {}};
  const SubsetGroup twelve{{pcs("012345"), pcs("012345")}, {}};
  const SubsetGroup thirteen{{pcs("0123456"), pcs("012345")}, {}};
  EXPECT_EQ(combination_refusal(single, Combination::without_overlap),
            CombinationRefusal::too_few_subsets);
  EXPECT_EQ(combination_refusal(single, Combination::with_overlap), CombinationRefusal::none);
  EXPECT_EQ(combination_refusal(twelve, Combination::without_overlap), CombinationRefusal::none);
  EXPECT_EQ(combination_refusal(twelve, Combination::supersets_without_overlap),
            CombinationRefusal::too_many_notes);
  EXPECT_EQ(combination_refusal(thirteen, Combination::without_overlap),
            CombinationRefusal::too_many_notes);
  EXPECT_EQ(combination_refusal({{pcs("0123456789ab")}, {}}, Combination::without_overlap),
            CombinationRefusal::too_few_subsets);
  EXPECT_EQ(combination_refusal(thirteen, Combination::supersets_with_overlap),
            CombinationRefusal::none);
}

TEST(ResultCardinalities, RunFromWhatTheSubsetsHoldToTwelve) {
  const SubsetGroup group{{pcs("013"), pcs("01")}, {pcs("0123456")}};
  EXPECT_EQ(result_cardinalities(group, Combination::of_cardinality), (CardinalityRange{3, 5}));
  EXPECT_EQ(result_cardinalities(group, Combination::supersets_without_overlap),
            (CardinalityRange{6, 12}));
  EXPECT_EQ(result_cardinalities(group, Combination::supersets_with_overlap),
            (CardinalityRange{3, 12}));
  const SubsetGroup big{{pcs("0123456"), pcs("012345")}, {}};
  EXPECT_EQ(result_cardinalities(big, Combination::of_cardinality), (CardinalityRange{7, 12}));
  EXPECT_EQ(result_cardinalities({}, Combination::supersets_with_overlap),
            (CardinalityRange{0, 12}));
  EXPECT_THROW(result_cardinalities(group, Combination::both), error);
}

// The search placement by placement, as the combinations describe it, to
// check the engine's search, which counts unions, against.
class PlacementByPlacement {
 public:
  PlacementByPlacement(const SubsetGroup& group, Combination combination, int cardinality)
      : group_(group), combination_(combination), cardinality_(cardinality) {
    for (PcSet subset : group.subsets) total_ += subset.size();
    place(1, group.subsets[0]);
  }
  Listing listing() const {
    Listing rows;
    for (const auto& [index, count] : counts_) {
      rows.emplace_back(to_string(all_classes()[index].rahn_prime), count);
    }
    return rows;
  }

 private:
  template <typename Next>
  void forms(PcSet piece, PcSet base, Next next) {
    const bool invert = inversional_symmetries(piece) == 0 && inversional_symmetries(base) == 0;
    for (int t = 0; t < 12; ++t) {
      next(base | piece.transposed(t));
      if (invert) next(base | piece.inverted().transposed(t));
    }
  }
  void place(std::size_t index, PcSet base) {
    const bool filled = combination_ >= Combination::supersets_without_overlap;
    if (filled && index == group_.subsets.size()) return fill(base);
    const PcSet piece = index < group_.subsets.size() ? group_.subsets[index] : PcSet();
    forms(piece, base, [&](PcSet u) {
      if (index + 1 < group_.subsets.size() || (filled && index + 1 == group_.subsets.size())) {
        place(index + 1, u);
      } else if (accepts(u)) {
        count(u);
      }
    });
  }
  void fill(PcSet base) {
    const bool side_by_side = combination_ == Combination::supersets_without_overlap;
    const int missing = cardinality_ - (side_by_side ? total_ : base.size());
    const auto count_full = [&](PcSet u) {
      if (u.size() == cardinality_) count(u);
    };
    if (missing <= 1) {
      for (int pc = 0; pc < 12; ++pc) count_full(base | PcSet{pc});
      return;
    }
    for (const SetClass& filler : classes(missing)) forms(filler.rahn_prime, base, count_full);
  }
  bool accepts(PcSet u) const {
    switch (combination_) {
      case Combination::without_overlap:
        return u.size() == total_;
      case Combination::with_overlap:
        return u.size() < total_;
      case Combination::both:
        return true;
      default:
        return u.size() == cardinality_;
    }
  }
  void count(PcSet u) {
    for (PcSet excluded : group_.exclusions) {
      if (embedding_count(u, excluded) > 0) return;
    }
    if (!u.empty()) ++counts_[set_class_of(u).index];
  }

  const SubsetGroup& group_;
  Combination combination_;
  int cardinality_;
  int total_ = 0;
  std::map<int, std::int64_t> counts_;
};

TEST(CombineSubsets, CountsWhatVisitingEveryPlacementCounts) {
  std::mt19937 random(13);
  const auto some_set = [&](int most) {
    PcSet set;
    const int size = 1 + static_cast<int>(random() % most);
    while (set.size() < size) set = set | PcSet{static_cast<int>(random() % 12)};
    return set;
  };
  for (int group_number = 0; group_number < 12; ++group_number) {
    SubsetGroup group;
    const int subsets = group_number < 4 ? 3 : 2;
    for (int i = 0; i < subsets; ++i) group.subsets.push_back(some_set(4));
    if (group_number % 3 == 0) group.exclusions.push_back(some_set(3));
    for (int option = 1; option <= 6; ++option) {
      const auto combination = static_cast<Combination>(option);
      if (combination_refusal(group, combination) != CombinationRefusal::none) continue;
      CardinalityRange sizes{0, 0};
      if (takes_cardinality(combination)) {
        if (subsets == 3 && option > 4) continue;  // long for a unit test
        sizes = result_cardinalities(group, combination);
      }
      for (int c = sizes.least; c <= sizes.most; ++c) {
        ASSERT_EQ(listing(group, combination, c),
                  PlacementByPlacement(group, combination, c).listing())
            << "group " << group_number << ", option " << option << ", cardinality " << c;
      }
    }
  }
}

}  // namespace
