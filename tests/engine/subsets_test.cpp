// The subset classes of supersets, with their embeddings and the bounds of
// those among the classes of the superset's cardinality.
#include "pelantor/subsets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "pelantor/intervals.h"
#include "pelantor/notation.h"

namespace {

using namespace pelantor;

// "prime count" per class (with several supersets the primes alone), "|"
// between cardinalities.
std::string listing(std::vector<PcSet> supersets, int least, int most) {
  std::string text;
  for (const SubsetsOfSize& size : subsets_of_supersets(supersets, least, most)) {
    text += text.empty() ? "" : " |";
    for (const EmbeddedClass& row : size.classes) {
      text += " " + to_string(row.set_class.rahn_prime);
      if (supersets.size() == 1) text += " " + std::to_string(row.embeddings[0].count);
    }
  }
  return text;
}

TEST(SubsetsOfSupersets, ListsTheSubsetClassesOfOneSuperset) {
  // The augmented triad lies in [0148] once, not in six forms.
  EXPECT_EQ(listing({pcs("0148")}, 2, 4),
            " 01 1 03 1 04 3 05 1 | 014 1 015 1 037 1 048 1 | 0148 1");
  // No tetrachord holds more major thirds than [0148], and some hold none.
  const std::vector<PcSet> one{pcs("0148")};
  EXPECT_EQ(subsets_of_supersets(one, 2, 2)[0].classes[2].embeddings[0], (Embedding{3, 0, 3}));
  const std::vector<PcSet> aggregate{PcSet::aggregate()};
  EXPECT_EQ(subsets_of_supersets(aggregate, 3, 3)[0].classes[1].embeddings[0],
            (Embedding{24, 24, 24}));  // [013]
}

TEST(SubsetsOfSupersets, ListsOnlyClassesInEverySuperset) {
  EXPECT_EQ(listing({pcs("0148"), pcs("0137")}, 2, 4), " 01 03 04 05 | 037 |");
  EXPECT_EQ(listing({pcs("0123"), pcs("0268")}, 2, 4), " 02 | |");
  // One embedding per superset, in the order given; [0347] holds two forms
  // of [037], the most a tetrachord holds.
  const std::vector<PcSet> two{pcs("0148"), pcs("0137")};
  EXPECT_EQ(subsets_of_supersets(two, 3, 3)[0].classes[0].embeddings,
            (std::vector<Embedding>{{1, 0, 2}, {1, 0, 2}}));
}

TEST(SubsetsOfSupersets, RefusesAnImpossibleRange) {
  const std::vector<PcSet> superset{pcs("0148")};
  EXPECT_THROW(subsets_of_supersets({}, 2, 2), error);
  EXPECT_THROW(subsets_of_supersets(superset, 2, 5), error);
  EXPECT_THROW(subsets_of_supersets(superset, 3, 2), error);
  EXPECT_THROW(subsets_of_supersets(std::vector<PcSet>{pcs("0148"), PcSet()}, 1, 1), error);
}

// The embeddings by their rule, each distinct form inside the superset
// once (embedding_count), for every pair of classes; the bounds as the
// least and most over the classes of the superset's cardinality.
TEST(SubsetsOfSupersets, AgreesWithEmbeddingCountsOverAllClasses) {
  std::vector<std::array<int, 224>> emb(224);
  for (const SetClass& a : all_classes()) {
    for (const SetClass& b : all_classes()) {
      emb[a.index][b.index] = embedding_count(a.rahn_prime, b.rahn_prime);
    }
  }
  for (const SetClass& superset : all_classes().subspan(1)) {
    const std::vector<PcSet> one{superset.rahn_prime};
    for (const SubsetsOfSize& size : subsets_of_supersets(one, 1, superset.cardinality)) {
      auto row = size.classes.begin();
      for (const SetClass& c : classes(size.cardinality)) {
        if (emb[superset.index][c.index] == 0) continue;
        Embedding e{emb[superset.index][c.index], 24, 0};
        for (const SetClass& other : classes(superset.cardinality)) {
          e.least = std::min(e.least, emb[other.index][c.index]);
          e.most = std::max(e.most, emb[other.index][c.index]);
        }
        ASSERT_NE(row, size.classes.end()) << forte_label(superset);
        ASSERT_EQ(row->set_class.index, c.index) << forte_label(superset);
        ASSERT_EQ(row->embeddings[0], e) << forte_label(c) << " in " << forte_label(superset);
        ++row;
      }
      ASSERT_EQ(row, size.classes.end()) << forte_label(superset);
    }
  }
}

}  // namespace
