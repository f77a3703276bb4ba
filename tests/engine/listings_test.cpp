// The subsets of supersets, the classes by interval-class vector and the
// mapping chart, each against its definition over every class.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "pelantor/chart.h"
#include "pelantor/icvsearch.h"
#include "pelantor/intervals.h"
#include "pelantor/notation.h"
#include "pelantor/subsets.h"

namespace {

using namespace pelantor;
constexpr std::optional<int> any;

// The primes of the classes found, "|" between cardinalities.
std::string listing(std::vector<PcSet> supersets, int least, int most) {
  std::string text;
  for (const SubsetsOfSize& size : subsets_of_supersets(supersets, least, most)) {
    text += text.empty() ? "" : " |";
    for (const EmbeddedClass& row : size.classes) text += " " + to_string(row.set_class.rahn_prime);
  }
  return text;
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

TEST(ClassesMatching, MatchesTheGivenEntriesOnly) {
  const auto count = [](const IcPattern& pattern, std::optional<int> cardinality) {
    return classes_matching(pattern, cardinality).size();
  };
  EXPECT_EQ(count({any, any, any, any, any, any}, {}), 222u);  // 2-1 .. 12-1
  EXPECT_EQ(count({any, any, any, any, any, 3}, {}), 30u);
  EXPECT_EQ(count({1, 1, 1, 0, 0, 0}, 3), 1u);
  EXPECT_EQ(count({12, any, any, any, any, any}, 4), 0u);
  EXPECT_THROW(classes_matching({any, any, any, any, any, any}, 1), error);
  EXPECT_THROW(classes_matching({-1, any, any, any, any, any}, 4), error);
  EXPECT_EQ(ic_count_range(5, 4), (CountRange{1, 4}));
  EXPECT_EQ(ic_count_range(any, 1), (CountRange{0, 12}));
}

// With every entry given, each class finds itself and its Z-correspondent,
// in table order, and nothing else.
TEST(ClassesMatching, FindsEveryClassByItsOwnVector) {
  for (const SetClass& sc : all_classes().subspan(2)) {
    const std::array<int, 6> icv = ic_vector(sc.rahn_prime);
    const IcPattern pattern{icv[0], icv[1], icv[2], icv[3], icv[4], icv[5]};
    std::vector<int> expected{sc.index};
    if (const SetClass* z = z_partner_of(sc)) {
      expected.insert(z->index < sc.index ? expected.begin() : expected.end(), z->index);
    }
    std::vector<int> found;
    for (const SetClass& match : classes_matching(pattern, {})) found.push_back(match.index);
    ASSERT_EQ(found, expected) << forte_label(sc);
  }
}

// Every class but the empty set, in table order; the marks of each
// operation add up to the invariance vector, which counts the operators
// mapping a set onto itself and those mapping it clear.
TEST(MappingChart, AgreesWithTheInvarianceVectors) {
  const auto chart = mapping_chart();
  ASSERT_EQ(chart.size(), 223u);
  for (std::size_t i = 0; i < chart.size(); ++i) {
    const ChartRow& row = chart[i];
    ASSERT_EQ(row.prime, all_classes()[i + 1].rahn_prime) << "row " << i;
    const std::array<int, 8> invariance = invariance_vector(row.prime);
    for (int op = 0; op < 4; ++op) {
      const auto field = row.marks.begin() + 12 * op;
      ASSERT_EQ(std::count(field, field + 12, ChartMark::onto_itself), invariance[op]) << i;
      ASSERT_EQ(std::count(field, field + 12, ChartMark::disjoint), invariance[op + 4]) << i;
    }
  }
}

}  // namespace
