#include "features/satvectors.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/intervals.h"
#include "core/settable.h"

namespace {

std::vector<int> weights(bitvec set) {
  int w[7];
  getcompactvector(set, w);
  return {w + 1, w + 7};
}

using ints = std::vector<int>;

TEST(WeightedCycleVector, SumsTheChainWeights) {
  EXPECT_EQ(weights(aggregate), ints({4750, 2384, 1932, 1748, 4750, 720}));
  // A whole diminished-seventh cycle has four links, its tritones one each.
  EXPECT_EQ(weights(pcs("0369")), ints({0, 0, 644, 0, 0, 240}));
  // b-0-1 runs over the end of the 1-cycle, b-1 over that of a 2-cycle.
  EXPECT_EQ(weights(pcs("01b")), ints({264, 120, 0, 0, 0, 0}));
}

TEST(SaturationVectors, MajorTriad) {
  int icv[7];
  icvector(pcs("047"), icv);
  int a[7], b[7], adjusted[7];
  getaltvec(icv, 3, 1, a);
  getaltvec(icv, 3, 0, b);
  getadjustedvec(icv, 3, adjusted);
  EXPECT_EQ(ints(a + 1, a + 7), ints({-1, -1, 1, -2, 1, -1}));
  EXPECT_EQ(ints(b + 1, b + 7), ints({2, 2, -2, 2, -2, 1}));
  EXPECT_EQ(ints(adjusted + 1, adjusted + 7), ints({0, 0, 1, 1, 1, 0}));
  double p[7], q[7];
  getpercentvec(adjusted, 3, p);
  getnewpercentvec(p, q);
  EXPECT_DOUBLE_EQ(p[3], 0.5);
  EXPECT_DOUBLE_EQ(p[4], 1.0 / 3.0);
  EXPECT_DOUBLE_EQ(q[3], 0.375);
  EXPECT_DOUBLE_EQ(q[4], 0.25);
  EXPECT_EQ(p[1], 0.0);
}

// The raw entries, as the similarity measures decode them.
TEST(CycSATV, EncodedEntries) {
  int w[7];
  double a[7], b[7];
  getcompactvector(pcs("012"), w);
  getCycSATV(w, 3, 1, a);
  getCycSATV(w, 3, 0, b);
  const double a012[6] = {0, -2.2, -1, -1, -1, -1};
  const double b012[6] = {-3.64, 1.44, 2.64, 4.37, 2.64, 1.2};
  for (int k = 1; k <= 6; ++k) {
    EXPECT_DOUBLE_EQ(a[k], a012[k - 1]) << "ic" << k;
    EXPECT_DOUBLE_EQ(b[k], b012[k - 1]) << "ic" << k;
  }
  getcompactvector(pcs("047"), w);
  getCycSATV(w, 3, 1, a);
  getCycSATV(w, 3, 0, b);
  const double a047[6] = {-1, -1, -2.2, -2.2, -2.2, -1};
  const double b047[6] = {2.64, 2.64, 1.44, 3.17, 1.44, 1.2};
  for (int k = 1; k <= 6; ++k) {
    EXPECT_DOUBLE_EQ(a[k], a047[k - 1]) << "ic" << k;
    EXPECT_DOUBLE_EQ(b[k], b047[k - 1]) << "ic" << k;
  }
}

// 1.20 + 1.20 + 1.20 summed in doubles falls short of 3.60: a set lying on a
// bound must still be filed on it.
TEST(CycSATV, SetsOnABoundAreExact) {
  // [0167]: 6-cycle row 1, 1 = 2.40, the maximum for 4 notes.
  int w[7];
  getcompactvector(pcs("0167"), w);
  ASSERT_EQ(w[6], 240);
  double a[7], p[7];
  getCycSATV(w, 4, 1, a);
  getPCycSATV(w, 4, p);
  EXPECT_EQ(a[6], 0.0);
  EXPECT_EQ(p[6], 1.0);
  // Three tritones in a hexachord: 3.60, the maximum for 6 notes.
  getcompactvector(pcs("012678"), w);
  ASSERT_EQ(w[6], 360);
  getCycSATV(w, 6, 1, a);
  EXPECT_EQ(a[6], 0.0);
}

TEST(CycSATV, WeightsPastTheIc4MaximumCountAsOnIt) {
  int w[7];
  getcompactvector(aggregate, w);
  double a[7], b[7], p[7];
  getCycSATV(w, 12, 1, a);
  getCycSATV(w, 12, 0, b);
  getPCycSATV(w, 12, p);
  for (int k = 1; k <= 6; ++k) {
    EXPECT_EQ(a[k], 0.0) << "ic" << k;  // max-0.00
    EXPECT_EQ(p[k], 0.0) << "ic" << k;
    // min+0.00, but min+0.01 for ic4, 0.01 above its minimum.
    EXPECT_DOUBLE_EQ(b[k], k == 4 ? -1.01 : -1.0) << "ic" << k;
  }
}

TEST(NormalisingTables, AgreeWithTheBounds) {
  for (int c = 0; c <= 12; ++c) {
    int range = 0;
    for (int k = 1; k <= 6; ++k) range += sendicmax(c, k) - sendicmin(c, k);
    EXPECT_EQ(sendaltcard(c), range) << "cardinality " << c;
  }
  EXPECT_EQ(sendpartcard(2), 7.2);
  EXPECT_EQ(sendpartcard(3), 16.13);
  EXPECT_EQ(sendpartcard(6), 47.36);
  EXPECT_EQ(sendpartcard(10), 33.09);
  EXPECT_EQ(sendpartcard(11), 0.0);
}

// Decodes a saturation entry back to the value it describes.
int decode(int entry, int lo, int hi) {
  return entry >= 0 ? hi - entry : lo + (-entry - 1);
}

// Every set against the invariants of the vectors.
TEST(VectorSweep, EveryNonEmptySet) {
  for (bitvec s = 1; s <= aggregate; ++s) {
    const int c = bitcount(s);
    int icv[7];
    icvector(s, icv);
    int total = 0;
    for (int k = 1; k <= 6; ++k) total += icv[k];
    ASSERT_EQ(total, c * (c - 1) / 2) << "set " << s;

    int a[7], b[7];
    getaltvec(icv, c, 1, a);
    getaltvec(icv, c, 0, b);
    for (int k = 1; k <= 6; ++k) {
      const int lo = sendicmin(c, k), hi = sendicmax(c, k);
      ASSERT_EQ(decode(a[k], lo, hi), icv[k]) << "set " << s << " ic" << k;
      ASSERT_EQ(decode(b[k], lo, hi), icv[k]) << "set " << s << " ic" << k;
      ASSERT_NE(a[k] >= 0, b[k] >= 0) << "set " << s << " ic" << k;
      ASSERT_TRUE(lo <= icv[k] && icv[k] <= hi) << "set " << s << " ic" << k;
    }

    // The weights belong to the set class; M5 swaps the 1- and 5-cycles.
    const auto w = weights(s);
    ASSERT_EQ(w, weights(transpose(s, 5))) << "set " << s;
    ASSERT_EQ(w, weights(inverse(s))) << "set " << s;
    auto m = weights(calc(s, opM, 0));
    std::swap(m[0], m[4]);
    ASSERT_EQ(w, m) << "set " << s;

    int wv[7] = {0, w[0], w[1], w[2], w[3], w[4], w[5]};
    double ca[7], cb[7], pc[7], pi[7], pp[7];
    int adjusted[7];
    getCycSATV(wv, c, 1, ca);
    getCycSATV(wv, c, 0, cb);
    getPCycSATV(wv, c, pc);
    getadjustedvec(icv, c, adjusted);
    getpercentvec(adjusted, c, pi);
    getnewpercentvec(pi, pp);
    double sum = 0.0;
    for (int k = 1; k <= 6; ++k) {
      ASSERT_NE(ca[k] >= 0.0, cb[k] >= 0.0) << "set " << s << " ic" << k;
      ASSERT_TRUE(pc[k] >= 0.0 && pc[k] <= 1.0) << "set " << s << " ic" << k;
      ASSERT_TRUE(pp[k] >= 0.0 && pp[k] <= 1.0) << "set " << s << " ic" << k;
      if (c >= 2 && c <= 10) {
        ASSERT_TRUE(pi[k] >= 0.0 && pi[k] <= 1.0) << "set " << s << " ic" << k;
      } else {
        ASSERT_EQ(pi[k], 0.0) << "set " << s << " ic" << k;
      }
      sum += pp[k];
    }
    if (c >= 2 && c <= 10) {
      ASSERT_NEAR(sum, 1.0, 1e-12) << "set " << s;
    }
  }
}

}  // namespace
