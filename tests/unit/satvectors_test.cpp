#include "features/satvectors.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "console/charsource.h"
#include "core/intervals.h"
#include "core/settable.h"
#include "tests/unit/consoletest.h"

namespace {

// The six chain lengths of each row k, as the IC Cycle Vector shows them.
std::vector<std::vector<int>> chains(bitvec set) {
  int rows[7][13];
  getcyclerows(set, rows, 0);
  std::vector<std::vector<int>> out(7);
  for (int k = 1; k <= 6; ++k) {
    for (int j = 0; j < 13 && rows[k][j] != 0; ++j) out[k].push_back(rows[k][j]);
  }
  return out;
}

std::vector<int> weights(bitvec set) {
  int w[7];
  getcompactvector(set, w, 0);
  return {w + 1, w + 7};
}

using ints = std::vector<int>;

TEST(CycleRows, Aggregate) {
  const auto rows = chains(aggregate);
  EXPECT_EQ(rows[1], ints({12}));
  EXPECT_EQ(rows[2], ints({6, 6}));
  EXPECT_EQ(rows[3], ints({4, 4, 4}));
  EXPECT_EQ(rows[4], ints({3, 3, 3, 3}));
  EXPECT_EQ(rows[5], ints({12}));
  EXPECT_EQ(rows[6], ints({1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(weights(aggregate), ints({4750, 2384, 1932, 1748, 4750, 720}));
}

TEST(CycleRows, TritonePairsCountOneLink) {
  EXPECT_EQ(chains(pcs("06"))[6], ints({1}));
  EXPECT_EQ(weights(pcs("06")), ints({0, 0, 0, 0, 0, 120}));
  EXPECT_EQ(chains(pcs("0167"))[6], ints({1, 1}));
  // The pair in the last cycle, whose successor wraps to the first slot.
  EXPECT_EQ(chains(pcs("5b"))[6], ints({1}));
  EXPECT_TRUE(chains(pcs("05"))[6].empty());
}

TEST(CycleRows, WholeCyclesCountAsManyLinksAsMembers) {
  const auto dim = chains(pcs("0369"));
  EXPECT_EQ(dim[3], ints({4}));
  EXPECT_EQ(dim[6], ints({1, 1}));
  EXPECT_EQ(weights(pcs("0369"))[2], 644);
  EXPECT_EQ(weights(pcs("0369"))[5], 240);
  EXPECT_EQ(chains(pcs("048"))[4], ints({3}));
  EXPECT_EQ(chains(pcs("02468a"))[2], ints({6}));
  EXPECT_EQ(chains(pcs("13579b"))[2], ints({6}));
}

TEST(CycleRows, ChainsOverTheEndOfACycleAreOneChain) {
  // 1-cycle: b-0-1.
  EXPECT_EQ(chains(pcs("01b"))[1], ints({2}));
  // b-0 with nothing at the start of the cycle to join.
  EXPECT_EQ(chains(pcs("0b"))[1], ints({1}));
  // The chain over the end takes in the chain at the start.
  EXPECT_EQ(chains(pcs("01569ab"))[1], ints({4, 1}));
  // 5-cycle 0 5 a 3 8 1 6 b 4 9 2 7: 2-7-0-5 runs over the end.
  EXPECT_EQ(chains(pcs("0257"))[5], ints({3}));
  // Second 2-cycle 1 3 5 7 9 b: b-1-3.
  EXPECT_EQ(chains(pcs("13b"))[2], ints({2}));
  // Third 3-cycle 2 5 8 b: b-2 and 5 alone.
  EXPECT_EQ(chains(pcs("25b"))[3], ints({2}));
  // Last 4-cycle 3 7 b: b-3.
  EXPECT_EQ(chains(pcs("3b"))[4], ints({1}));
}

TEST(CycleRows, SmallSets) {
  const auto chromatic = chains(pcs("012"));
  EXPECT_EQ(chromatic[1], ints({2}));
  EXPECT_EQ(chromatic[2], ints({1}));
  EXPECT_EQ(weights(pcs("012")), ints({264, 120, 0, 0, 0, 0}));
  EXPECT_EQ(weights(pcs("047")), ints({0, 0, 120, 120, 120, 0}));
  EXPECT_EQ(weights(pcs("0146")), ints({120, 120, 120, 120, 120, 120}));
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
  getcompactvector(pcs("012"), w, 0);
  getCycSATV(w, 3, 1, a);
  getCycSATV(w, 3, 0, b);
  const double a012[6] = {0, -2.2, -1, -1, -1, -1};
  const double b012[6] = {-3.64, 1.44, 2.64, 4.37, 2.64, 1.2};
  for (int k = 1; k <= 6; ++k) {
    EXPECT_DOUBLE_EQ(a[k], a012[k - 1]) << "ic" << k;
    EXPECT_DOUBLE_EQ(b[k], b012[k - 1]) << "ic" << k;
  }
  getcompactvector(pcs("047"), w, 0);
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
  getcompactvector(pcs("0167"), w, 0);
  ASSERT_EQ(w[6], 240);
  double a[7], p[7];
  getCycSATV(w, 4, 1, a);
  getPCycSATV(w, 4, p);
  EXPECT_EQ(a[6], 0.0);
  EXPECT_EQ(p[6], 1.0);
  // Three tritones in a hexachord: 3.60, the maximum for 6 notes.
  getcompactvector(pcs("012678"), w, 0);
  ASSERT_EQ(w[6], 360);
  getCycSATV(w, 6, 1, a);
  EXPECT_EQ(written([&] { printfragvec(a); }).find("min+-"), std::string::npos);
  EXPECT_EQ(a[6], 0.0);
}

TEST(CycSATV, WeightsPastTheIc4MaximumCountAsOnIt) {
  int w[7];
  getcompactvector(aggregate, w, 0);
  double a[7], b[7], p[7];
  getCycSATV(w, 12, 1, a);
  getCycSATV(w, 12, 0, b);
  getPCycSATV(w, 12, p);
  EXPECT_EQ(written([&] { printfragvec(a); }),
            "<max-0.00, max-0.00, max-0.00, max-0.00, max-0.00, max-0.00>");
  EXPECT_EQ(written([&] { printfragvec(b); }),
            "<min+0.00, min+0.00, min+0.00, min+0.01, min+0.00, min+0.00>");
  EXPECT_EQ(written([&] { printmaxvec(p); }),
            "<0.000,   0.000,   0.000,   0.000,   0.000,   0.000>");
}

TEST(Printers, SignedEncoding) {
  const int v[7] = {0, 0, -1, 3, -4, 12, -13};
  EXPECT_EQ(written([&] { printaltvec(v); }), "<max-0, min+0, max-3, min+3, max-12, min+12>");
  const double f[7] = {0, 0.0, -1.0, 2.64, -(1.44 + 1.0), 0.01, -(0.01 + 1.0)};
  EXPECT_EQ(written([&] { printfragvec(f); }),
            "<max-0.00, min+0.00, max-2.64, min+1.44, max-0.01, min+0.01>");
  const int w[7] = {0, 4750, 120, 0, 1748, 264, 720};
  EXPECT_EQ(written([&] { printweighted(w); }), "<47.50, 1.20, 0.00, 17.48, 2.64, 7.20>");
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
  int lowest[13][7], highest[13][7];
  for (int c = 0; c <= 12; ++c) {
    for (int k = 0; k <= 6; ++k) lowest[c][k] = 1 << 20, highest[c][k] = -1;
  }
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

    // Chains: their links are the pairs of the interval class, and they
    // fit the slots the IC Cycle Vector shows.
    const auto rows = chains(s);
    const std::size_t shown[7] = {0, 4, 4, 3, 4, 4, 6};
    for (int k = 1; k <= 6; ++k) {
      int links = 0;
      for (int n : rows[k]) links += n;
      ASSERT_EQ(links, icv[k]) << "set " << s << " ic" << k;
      ASSERT_LE(rows[k].size(), shown[k]) << "set " << s << " ic" << k;
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
      lowest[c][k] = std::min(lowest[c][k], wv[k]);
      highest[c][k] = std::max(highest[c][k], wv[k]);
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

  // The bound tables hold the extremes the classes reach, except the ic4
  // maxima of 9 to 12 notes (and so the minima of 11 and 12), 0.01 below.
  for (int c = 2; c <= 12; ++c) {
    for (int k = 1; k <= 6; ++k) {
      const int over = (k == 4 && c >= 9) ? 1 : 0;
      const int under = (k == 4 && c >= 11) ? 1 : 0;
      EXPECT_EQ(lowest[c][k], sendpartmin(c, k) + under) << "cardinality " << c << " ic" << k;
      EXPECT_EQ(highest[c][k], sendpartmax(c, k) + over) << "cardinality " << c << " ic" << k;
    }
  }
}

}  // namespace
