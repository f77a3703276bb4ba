#include "core/intervals.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

namespace {

template <int N, typename F>
std::vector<int> vectorof(F fill, bitvec set, int lo, int hi) {
  int v[N] = {};
  fill(set, v);
  return std::vector<int>(v + lo, v + hi + 1);
}

std::vector<int> icv(bitvec s) {
  return vectorof<7>(icvector, s, 1, 6);
}
std::vector<int> invariance(bitvec s) {
  return vectorof<8>(invarvec, s, 0, 7);
}

TEST(IcVector, Examples) {
  EXPECT_EQ(icv(pcs("047")), (std::vector<int>{0, 0, 1, 1, 1, 0}));
  EXPECT_EQ(icv(pcs("0146")), (std::vector<int>{1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(icv(aggregate), (std::vector<int>{12, 12, 12, 12, 12, 6}));
}

TEST(IcVector, CountsEveryPairOnce) {
  for (bitvec s = 0; s < 4096; ++s) {
    const std::vector<int> v = icv(s);
    const int c = bitcount(s);
    int total = 0;
    for (int x : v) total += x;
    EXPECT_EQ(total, c * (c - 1) / 2) << "set " << s;
    EXPECT_EQ(v, icv(transpose(s, 5))) << "set " << s;
    EXPECT_EQ(v, icv(inverse(s))) << "set " << s;
  }
}

TEST(InvarianceVector, Examples) {
  EXPECT_EQ(invariance(pcs("047")), (std::vector<int>{1, 0, 0, 0, 5, 6, 5, 5}));
  EXPECT_EQ(invariance(pcs("048")), (std::vector<int>{3, 3, 3, 3, 9, 9, 9, 9}));
  EXPECT_EQ(invariance(pcs("0369")), (std::vector<int>{4, 4, 4, 4, 8, 8, 8, 8}));
  EXPECT_EQ(invariance(aggregate), (std::vector<int>{12, 12, 12, 12, 0, 0, 0, 0}));
}

TEST(Vtics, CountsSumsOfOrderedPairs) {
  int v[13];
  vtics(pcs("047"), v);
  EXPECT_EQ(std::vector<int>(v, v + 12), (std::vector<int>{1, 0, 1, 0, 2, 0, 0, 2, 1, 0, 0, 2}));
  EXPECT_EQ(v[12], 0);
}

TEST(Calc, OperatorImages) {
  EXPECT_EQ(calc(pcs("014"), 2, 0), pcs("058"));
  EXPECT_EQ(calc(pcs("014"), 0, 0), pcs("014"));
  EXPECT_EQ(calc(pcs("014"), 1, 3), pcs("23b"));
  EXPECT_EQ(calc(pcs("014"), 3, 1), pcs("185"));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(decodeTTO(i), (std::array{1, 11, 5, 7})[i]);
}

TEST(Embedding, CountsDistinctForms) {
  EXPECT_EQ(setinclude(pcs("0148"), pcs("048")), 1);
  EXPECT_EQ(setinclude(pcs("012"), pcs("01")), 2);
  EXPECT_EQ(setinclude(aggregate, pcs("013")), 24);
  EXPECT_EQ(setinclude(aggregate, pcs("048")), 4);
  EXPECT_EQ(setinclude(aggregate, pcs("0369")), 3);
  EXPECT_EQ(setinclude(aggregate, pcs("02468a")), 2);
  for (bitvec s = 1; s < 4096; ++s) EXPECT_EQ(setinclude(s, s), 1) << "set " << s;
}

TEST(Embedding, CountsAgreeWithDistinctImages) {
  // Against a count of the distinct images among all 24 operators.
  for (bitvec a : {pcs("0148"), pcs("013579"), pcs("0124578a"), aggregate}) {
    for (bitvec b = 1; b < 4096; b += 7) {
      std::set<bitvec> inside;
      for (int n = 0; n < 12; ++n) {
        for (int op : {0, 1}) {
          const bitvec f = calc(b, op, n);
          if (included(a, f)) inside.insert(f);
        }
      }
      EXPECT_EQ(setinclude(a, b), static_cast<int>(inside.size())) << "sets " << a << " " << b;
    }
  }
}

}  // namespace
