#include "similarity/measures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "core/embedinfo.h"
#include "core/intervals.h"
#include "core/primeform.h"
#include "core/settable.h"

namespace {

// Values as the displays show them.
std::string shown(double x) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", x);
  return text;
}

struct pairvalues {
  bitvec set1, set2;
  const char* values[4];
};

void expectrow(double (*const measures[4])(bitvec, bitvec), const pairvalues& row) {
  for (int m = 0; m < 4; ++m) {
    EXPECT_EQ(shown(measures[m](row.set1, row.set2)), row.values[m])
        << "measure " << m << " sets " << row.set1 << " " << row.set2;
  }
}

TEST(IntervalVectorMeasures, WorkedExamples) {
  double (*const measures[4])(bitvec, bitvec) = {asim, icvsim, isim, angle};
  const pairvalues rows[] = {
      {pcs("014"), pcs("015"), {"0.333", "0.577", "0.577", "48.190"}},
      {pcs("0247"), pcs("01358"), {"0.250", "0.471", "0.336", "19.286"}},
      {pcs("0123"), pcs("0246"), {"0.667", "1.633", "1.088", "64.623"}},
      {pcs("012"), pcs("048"), {"1.000", "1.528", "0.993", "90.000"}},
      {pcs("0146"), pcs("0137"), {"0.000", "0.000", "0.000", "0.000"}},
  };
  for (const pairvalues& row : rows) expectrow(measures, row);
  EXPECT_EQ(asim(pcs("012"), pcs("048")), 1.0);
}

TEST(IntervalVectorMeasures, WeightsAreTheShortDecimals) {
  EXPECT_EQ(iweight(6), 2.4494);
  EXPECT_EQ(iweight(5), 2.236);
  EXPECT_EQ(iweight(12), 3.4641);
  EXPECT_EQ(iweight(0), 0.0);
  EXPECT_EQ(iweight(-3), 0.0);
  EXPECT_EQ(iweight(13), 0.0);
}

TEST(Angle, ProportionalVectorsLieAtExactlyNoAngle) {
  // Vectors 1 1 1 0 0 0 and 1 1 1 1 1 1 give a cosine a hair above 1.
  EXPECT_EQ(angle(pcs("0146"), pcs("0137")), 0.0);
  EXPECT_EQ(angle(pcs("013"), pcs("013")), 0.0);
  EXPECT_EQ(angle(pcs("048"), pcs("04")), 0.0);  // 0 0 0 3 0 0 against 0 0 0 1 0 0
  EXPECT_GT(angle(pcs("014"), pcs("015")), 0.0);
}

TEST(Angle, NeverUndefinedOverAllClasses) {
  for (int i = sendlocinfo(2, 0); i <= sendlocinfo(10, 1); ++i) {
    for (int j = sendlocinfo(2, 0); j <= sendlocinfo(10, 1); ++j) {
      const double a = angle(sendset(i), sendset(j));
      ASSERT_TRUE(a >= 0.0 && a <= 90.0) << "rows " << i << " " << j << " gave " << a;
    }
  }
}

TEST(SaturationMeasures, WorkedExamples) {
  double (*const measures[4])(bitvec, bitvec) = {satsim, percentsatsim, percentsatpercentsim,
                                                 adjpercentsatpercentsim};
  const pairvalues rows[] = {
      {pcs("014"), pcs("015"), {"0.167", "0.167", "0.375", "0.125"}},
      {pcs("0247"), pcs("01358"), {"0.154", "0.125", "0.191", "0.064"}},
      {pcs("0123"), pcs("0246"), {"0.444", "0.458", "0.652", "0.217"}},
      {pcs("012"), pcs("048"), {"0.500", "0.417", "1.000", "0.333"}},
      {pcs("012345"), pcs("02468a"), {"0.643", "0.689", "0.730", "0.243"}},
      {pcs("0146"), pcs("0137"), {"0.000", "0.000", "0.000", "0.000"}},
  };
  for (const pairvalues& row : rows) expectrow(measures, row);
}

TEST(SaturationMeasures, CyclicWorkedExample) {
  EXPECT_EQ(shown(csatsim(pcs("012"), pcs("047"))), "0.461");
  EXPECT_EQ(shown(pcycsatsim(pcs("012"), pcs("047"))), "0.440");
}

TEST(CompareValue, CountsEachSideOfTheDifferingSlots) {
  // 0 1 4 against 0 1 5: slots 3 and 5 differ by one on each side.
  const int a1[7] = {0, 1, -1, 1, -2, -1, -1}, b1[7] = {0, -2, 2, -2, 2, 2, 1};
  const int a2[7] = {0, 1, -1, -1, -2, 1, -1}, b2[7] = {0, -2, 2, 2, 2, -2, 1};
  EXPECT_DOUBLE_EQ(comparevalue(a1, b1, a2, b2, 3, 3), 4.0 / 24.0);
  EXPECT_DOUBLE_EQ(comparevalue(a1, b1, a1, b1, 3, 3), 0.0);
}

TEST(CompareFragValue, CyclicWorkedExample) {
  // 0 1 2 against 0 4 7: 5.28 + 4 x 2.4 over 16.13 + 16.13.
  const double a1[7] = {0, 0, -2.2, -1, -1, -1, -1},
               b1[7] = {0, -3.64, 1.44, 2.64, 4.37, 2.64, 1.2};
  const double a2[7] = {0, -1, -1, -2.2, -2.2, -2.2, -1},
               b2[7] = {0, 2.64, 2.64, 1.44, 3.17, 1.44, 1.2};
  EXPECT_NEAR(comparefragvalue(a1, b1, a2, b2, 3, 3), 14.88 / 32.26, 1e-12);
}

TEST(EmbeddingMeasures, WorkedExamples) {
  double (*const first[4])(bitvec, bitvec) = {tsatsim, avgsatsimn, atmemb, rel};
  const pairvalues rows[] = {
      {pcs("014"), pcs("015"), {"0.167", "0.167", "0.500", "0.500"}},
      {pcs("0247"), pcs("01358"), {"0.155", "0.154", "0.757", "0.810"}},
      {pcs("0123"), pcs("0246"), {"0.340", "0.360", "0.227", "0.223"}},
      {pcs("0146"), pcs("0137"), {"0.085", "0.069", "0.727", "0.727"}},
      {pcs("01347"), pcs("014"), {"0.212", "0.212", "0.467", "0.704"}},
      {pcs("014"), pcs("01347"), {"0.212", "0.212", "0.467", "0.704"}},
  };
  for (const pairvalues& row : rows) expectrow(first, row);
}

TEST(EmbeddingMeasures, EmbAndCovCountForms) {
  EXPECT_EQ(relatesets(pcs("01347"), pcs("014"), memb), 3.0);
  EXPECT_EQ(relatesets(pcs("014"), pcs("01347"), mcov), 3.0);
  EXPECT_EQ(relatesets(pcs("014"), pcs("01347"), memb), 0.0);
  EXPECT_EQ(relatesets(pcs("0247"), pcs("01358"), mcov), 1.0);
  EXPECT_EQ(relatesets(pcs("0148"), pcs("048"), memb), 1.0);
}

TEST(EmbeddingMeasures, TrichordsAndDyadsReduceToSatsim) {
  // With the smaller set of two or three notes only the dyad classes take
  // part, and the value is the IC saturation one.
  const bitvec sets[] = {pcs("01"), pcs("06"), pcs("014"), pcs("048"), pcs("0247"), pcs("01358")};
  for (const bitvec s : sets) {
    for (const bitvec t : {pcs("01"), pcs("04"), pcs("012"), pcs("037")}) {
      EXPECT_NEAR(tsatsim(s, t), satsim(s, t), 1e-12) << s << " " << t;
      EXPECT_NEAR(avgsatsimn(s, t), satsim(s, t), 1e-12) << s << " " << t;
    }
  }
}

TEST(EmbeddingMeasures, SharedClassesOf014And015) {
  // Only 2-1 and 2-4 are shared: (2 + 2) / (8 + 8 - 8) and 2 / sqrt(4 x 4).
  EXPECT_DOUBLE_EQ(atmemb(pcs("014"), pcs("015")), 0.5);
  EXPECT_DOUBLE_EQ(rel(pcs("014"), pcs("015")), 0.5);
}

TEST(SatvCard, AgreesWithTheEmbeddingTables) {
  for (int c = 2; c <= 10; ++c) {
    for (int k = 2; k <= c; ++k) {
      int sum = 0;
      for (int r = sendlocinfo(k, 0) - 1; r <= sendlocinfo(k, 1) - 1; ++r) {
        sum += int(sendembedding(c, r, 3)) - int(sendembedding(c, r, 2));
      }
      EXPECT_EQ(sendsatvcard(k, c), sum) << "k " << k << " c " << c;
    }
  }
  EXPECT_EQ(sendsatvcard(3, 2), 0);
  EXPECT_EQ(sendsatvcard(2, 11), 0);
}

TEST(SatsimN, FreshVectorsGiveTheSameValues) {
  // The measures keep each set's vectors for reuse; worked out afresh they
  // must give bit for bit the same value.
  const bitvec sets[] = {pcs("0146"), pcs("0137"), pcs("01358"), pcs("0123456"), pcs("02468a")};
  for (const bitvec s : sets) {
    for (const bitvec t : sets) {
      int a1[classvecsize], b1[classvecsize], a2[classvecsize], b2[classvecsize];
      satvn(s, a1, b1);
      satvn(t, a2, b2);
      EXPECT_EQ(satsimn(a1, b1, a2, b2, bitcount(s), bitcount(t)), tsatsim(s, t));
    }
  }
}

TEST(Ncv, CountsEmbeddingsPerClassRow) {
  int counts[classvecsize];
  ncv(pcs("0148"), counts);
  EXPECT_EQ(counts[classrow(pcs("04"))], 3);
  EXPECT_EQ(counts[classrow(pcs("048"))], 1);
  EXPECT_EQ(counts[classrow(pcs("0148"))], 1);
  EXPECT_EQ(counts[classrow(pcs("012"))], 0);
}

TEST(RelateSets, UnknownMeasureGivesZero) {
  EXPECT_EQ(relatesets(pcs("014"), pcs("015"), 0), 0.0);
  EXPECT_EQ(relatesets(pcs("014"), pcs("015"), 17), 0.0);
}

// Properties over the sixteen measures.
class EveryMeasure : public testing::TestWithParam<int> {};

bool symmetric(int measure) {
  return measure != memb && measure != mcov;
}

TEST_P(EveryMeasure, FiniteAndSymmetricOverAllClassPairs) {
  const int measure = GetParam();
  for (int i = sendlocinfo(2, 0); i <= sendlocinfo(10, 1); ++i) {
    for (int j = sendlocinfo(2, 0); j <= i; ++j) {
      const double v = relatesets(sendset(i), sendset(j), measure);
      ASSERT_TRUE(std::isfinite(v) && v >= 0.0) << "rows " << i << " " << j << " gave " << v;
      if (symmetric(measure)) {
        ASSERT_EQ(shown(v), shown(relatesets(sendset(j), sendset(i), measure)))
            << "rows " << i << " " << j;
      }
    }
  }
}

TEST_P(EveryMeasure, AnySetAgainstItsOwnClass) {
  const int measure = GetParam();
  // Dissimilarities are 0, the two similarities and the counts 1.
  const double expected =
      measure == matmemb || measure == mrel || measure == memb || measure == mcov ? 1.0 : 0.0;
  for (bitvec s = 0; s <= aggregate; ++s) {
    const int c = bitcount(s);
    if (c < 2 || c > 10) continue;
    const bitvec prime = primeform(s, rahn);
    ASSERT_EQ(shown(relatesets(s, prime, measure)), shown(expected)) << "set " << s;
  }
}

// The measures whose values have an upper bound.
class BoundedMeasure : public testing::TestWithParam<int> {};

double upperbound(int measure) {
  switch (measure) {
    case madjpercentsatpercentsim:
      return 1.0 / 3.0;
    case mangle:
      return 90.0;
    default:
      return 1.0;
  }
}

TEST_P(BoundedMeasure, NeverAboveItsBound) {
  const int measure = GetParam();
  // Rounding may pass a bound in the last bits.
  const double bound = upperbound(measure) + 1e-12;
  for (int i = sendlocinfo(2, 0); i <= sendlocinfo(10, 1); ++i) {
    for (int j = sendlocinfo(2, 0); j <= sendlocinfo(10, 1); ++j) {
      ASSERT_LE(relatesets(sendset(i), sendset(j), measure), bound) << "rows " << i << " " << j;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Measures, EveryMeasure, testing::Range(1, measurecount + 1));
INSTANTIATE_TEST_SUITE_P(Measures, BoundedMeasure,
                         testing::Values(mpercentsatsim, mpercentsatpercentsim,
                                         madjpercentsatpercentsim, masim, matmemb, mrel,
                                         mpcycsatsim, mangle));

}  // namespace
