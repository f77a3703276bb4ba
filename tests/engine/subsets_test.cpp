// The subset classes of supersets, with their embeddings and the bounds of
// those among the classes of the superset's cardinality.
#include "pelantor/subsets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "pelantor/intervals.h"
#include "pelantor/notation.h"

namespace {

using namespace pelantor;

// The classes found for each cardinality, as Rahn prime forms.
std::vector<std::vector<std::string>> primes(const std::vector<SubsetsOfSize>& sizes) {
  std::vector<std::vector<std::string>> all;
  for (const SubsetsOfSize& size : sizes) {
    all.emplace_back();
    for (const EmbeddedClass& row : size.classes) {
      all.back().push_back(to_string(row.set_class.rahn_prime));
    }
  }
  return all;
}

const EmbeddedClass& row_of(const std::vector<SubsetsOfSize>& sizes, PcSet prime) {
  for (const SubsetsOfSize& size : sizes) {
    for (const EmbeddedClass& row : size.classes) {
      if (row.set_class.rahn_prime == prime) return row;
    }
  }
  throw std::logic_error("class not listed: " + to_string(prime));
}

TEST(SubsetsOfSupersets, ListsEverySubsetClassOfOneSuperset) {
  const std::vector<PcSet> superset{pcs("0148")};
  const std::vector<SubsetsOfSize> sizes = subsets_of_supersets(superset, 2, 4);
  ASSERT_EQ(sizes.size(), 3u);
  EXPECT_EQ(sizes[0].cardinality, 2);
  EXPECT_EQ(sizes[2].cardinality, 4);
  EXPECT_EQ(primes(sizes), (std::vector<std::vector<std::string>>{
                               {"01", "03", "04", "05"}, {"014", "015", "037", "048"}, {"0148"}}));
  // No tetrachord holds more major thirds than three, and some hold none.
  EXPECT_EQ(row_of(sizes, pcs("04")).embeddings, (std::vector<Embedding>{{3, 0, 3}}));
  EXPECT_EQ(row_of(sizes, pcs("01")).embeddings[0].count, 1);
  // The augmented triad lies once in [0148], not in six forms.
  EXPECT_EQ(row_of(sizes, pcs("048")).embeddings[0].count, 1);
  EXPECT_EQ(row_of(sizes, pcs("0148")).embeddings, (std::vector<Embedding>{{1, 0, 1}}));
}

TEST(SubsetsOfSupersets, ListsOnlyClassesInEverySuperset) {
  const std::vector<PcSet> two{pcs("0148"), pcs("0137")};
  const std::vector<SubsetsOfSize> sizes = subsets_of_supersets(two, 2, 4);
  EXPECT_EQ(primes(sizes),
            (std::vector<std::vector<std::string>>{{"01", "03", "04", "05"}, {"037"}, {}}));
  // One embedding per superset, in the order given.
  EXPECT_EQ(sizes[1].classes[0].embeddings.size(), 2u);
  EXPECT_EQ(sizes[1].classes[0].embeddings[1].count, 1);

  const std::vector<PcSet> apart{pcs("0123"), pcs("0268")};
  EXPECT_EQ(primes(subsets_of_supersets(apart, 2, 4)),
            (std::vector<std::vector<std::string>>{{"02"}, {}, {}}));
}

TEST(SubsetsOfSupersets, SearchesOnlyTheCardinalitiesAsked) {
  const std::vector<PcSet> two{pcs("0148"), pcs("0137")};
  const std::vector<SubsetsOfSize> sizes = subsets_of_supersets(two, 3, 3);
  ASSERT_EQ(sizes.size(), 1u);
  EXPECT_EQ(primes(sizes), (std::vector<std::vector<std::string>>{{"037"}}));
}

TEST(SubsetsOfSupersets, RefusesAnImpossibleRequest) {
  const std::vector<PcSet> superset{pcs("0148")};
  EXPECT_THROW(subsets_of_supersets({}, 2, 2), error);
  EXPECT_THROW(subsets_of_supersets(superset, 2, 5), error);
  EXPECT_THROW(subsets_of_supersets(superset, 0, 2), error);
  EXPECT_THROW(subsets_of_supersets(superset, 3, 2), error);
  const std::vector<PcSet> with_empty{pcs("0148"), PcSet()};
  EXPECT_THROW(subsets_of_supersets(with_empty, 1, 1), error);
}

// Rows the embedding tables are known by: superset cardinality, class,
// fewest and most embeddings.
struct KnownBounds {
  int cardinality;
  PcSet subset;
  int least;
  int most;
};

TEST(SubsetsOfSupersets, BoundsTheEmbeddingsByTheSupersetsCardinality) {
  const KnownBounds known[] = {
      {3, pcs("0"), 3, 3},     {3, pcs("01"), 0, 2},      {3, pcs("04"), 0, 3},
      {5, pcs("04"), 1, 4},    {5, pcs("06"), 0, 2},      {12, pcs("0"), 12, 12},
      {12, pcs("06"), 6, 6},   {12, pcs("013"), 24, 24},  {12, pcs("048"), 4, 4},
      {12, pcs("0369"), 3, 3}, {12, pcs("02468a"), 2, 2}, {12, PcSet::aggregate(), 1, 1},
  };
  for (const KnownBounds& k : known) {
    // Any superset of the cardinality holding the class will do.
    std::vector<PcSet> superset{k.subset};
    for (int pc = 0; superset[0].size() < k.cardinality; ++pc)
      superset[0] = superset[0] | PcSet{pc};
    const std::vector<SubsetsOfSize> sizes =
        subsets_of_supersets(superset, k.subset.size(), k.subset.size());
    const Embedding e = row_of(sizes, k.subset).embeddings[0];
    EXPECT_EQ(e.least, k.least) << k.cardinality << " " << to_string(k.subset);
    EXPECT_EQ(e.most, k.most) << k.cardinality << " " << to_string(k.subset);
  }
}

// The embeddings by their rule, each distinct form of the class inside the
// superset once (embedding_count), for every pair of classes; the bounds
// as the least and most over the classes of the superset's cardinality.
TEST(SubsetsOfSupersets, AgreesWithEmbeddingCountsOverAllClasses) {
  std::vector<std::array<int, 224>> emb(224);
  for (const SetClass& superset : all_classes()) {
    for (const SetClass& subset : all_classes()) {
      emb[superset.index][subset.index] = embedding_count(superset.rahn_prime, subset.rahn_prime);
    }
  }
  for (const SetClass& superset : all_classes()) {
    if (superset.cardinality == 0) continue;
    const std::vector<PcSet> one{superset.rahn_prime};
    for (const SubsetsOfSize& size : subsets_of_supersets(one, 1, superset.cardinality)) {
      std::vector<Embedding> expected;
      std::vector<int> listed;
      for (const SetClass& c : classes(size.cardinality)) {
        if (emb[superset.index][c.index] == 0) continue;
        Embedding e{emb[superset.index][c.index], 24, 0};
        for (const SetClass& other : classes(superset.cardinality)) {
          e.least = std::min(e.least, emb[other.index][c.index]);
          e.most = std::max(e.most, emb[other.index][c.index]);
        }
        expected.push_back(e);
        listed.push_back(c.index);
      }
      ASSERT_EQ(size.classes.size(), expected.size()) << forte_label(superset);
      for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(size.classes[i].set_class.index, listed[i]) << forte_label(superset);
        ASSERT_EQ(size.classes[i].embeddings[0], expected[i])
            << forte_label(size.classes[i].set_class) << " in " << forte_label(superset);
      }
    }
  }
}

}  // namespace
