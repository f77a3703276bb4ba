#include "core/primeform.h"

#include <gtest/gtest.h>

#include "core/intervals.h"

namespace {

struct operatorresult {
  bitvec form;
  int flag;
  int n;
};

operatorresult prime(bitvec set, int alg) {
  operatorresult r{};
  r.form = primeform(set, &r.flag, &r.n, alg);
  return r;
}

// The set the reported operator makes of the form.
bitvec apply(const operatorresult& r) {
  return calc(r.form, r.flag == 1 ? 1 : 0, r.n);
}

TEST(PrimeForm, WorkedExamples) {
  const operatorresult a = prime(pcs("014"), rahn);
  EXPECT_EQ(a.form, pcs("014"));
  EXPECT_EQ(a.flag, 0);
  EXPECT_EQ(a.n, 0);
  const operatorresult b = prime(pcs("047"), rahn);
  EXPECT_EQ(b.form, pcs("037"));
  EXPECT_EQ(b.flag, 1);
  EXPECT_EQ(b.n, 7);
  const operatorresult c = prime(pcs("158"), rahn);
  EXPECT_EQ(c.flag, 1);
  EXPECT_EQ(c.n, 8);
  const operatorresult d = prime(pcs("03569b"), rahn);
  EXPECT_EQ(d.form, pcs("013679"));
  EXPECT_EQ(d.flag, 1);
  EXPECT_EQ(d.n, 6);
}

TEST(PrimeForm, ForteDiffersOnSixClasses) {
  const operatorresult r = prime(pcs("01378"), rahn);
  EXPECT_EQ(r.form, pcs("01568"));
  EXPECT_EQ(r.flag, 0);
  EXPECT_EQ(r.n, 7);
  const operatorresult f = prime(pcs("01378"), forte);
  EXPECT_EQ(f.form, pcs("01378"));
  EXPECT_EQ(f.flag, 0);
  EXPECT_EQ(f.n, 0);
  const operatorresult ri = prime(pcs("02378"), rahn);
  EXPECT_EQ(ri.form, pcs("01568"));
  EXPECT_EQ(ri.flag, 1);
  EXPECT_EQ(ri.n, 8);
  const operatorresult fi = prime(pcs("02378"), forte);
  EXPECT_EQ(fi.form, pcs("01378"));
  EXPECT_EQ(fi.flag, 1);
  EXPECT_EQ(fi.n, 3);

  int differing = 0;
  for (bitvec s = 1; s < 4096; ++s) {
    if (primeform(s, rahn) != primeform(s, forte) && primeform(s, rahn) == s) ++differing;
  }
  EXPECT_EQ(differing, 6);
}

TEST(PrimeForm, ForteFormsOfTheSixClassesAndTheirOffsets) {
  struct expected {
    bitvec rahnform, forteform;
    int d;
  };
  const expected classes[] = {
      {pcs("01568"), pcs("01378"), 5},     {pcs("023679"), pcs("013689"), 6},
      {pcs("014579"), pcs("013589"), 4},   {pcs("0145679"), pcs("0123589"), 4},
      {pcs("0125679"), pcs("0124789"), 5}, {pcs("0134578a"), pcs("0124579a"), 3},
  };
  for (const expected& e : classes) {
    // The Rahn form itself is T d of the Forte form.
    const operatorresult f = prime(e.rahnform, forte);
    EXPECT_EQ(f.form, e.forteform) << "set " << e.rahnform;
    EXPECT_EQ(f.flag, 0) << "set " << e.rahnform;
    EXPECT_EQ(f.n, e.d) << "set " << e.rahnform;
    EXPECT_EQ(prime(e.forteform, rahn).form, e.rahnform) << "set " << e.forteform;
  }
  // 6-z29 and 8-26 are inversionally symmetric: never reported inverted.
  for (bitvec s = 1; s < 4096; ++s) {
    const bitvec p = primeform(s, rahn);
    if (p == pcs("023679") || p == pcs("0134578a")) {
      EXPECT_EQ(prime(s, forte).flag, 0) << "set " << s;
    }
  }
}

class PrimeFormAlgorithm : public testing::TestWithParam<int> {};

TEST_P(PrimeFormAlgorithm, OperatorMapsFormOntoEverySet) {
  for (bitvec s = 0; s < 4096; ++s) {
    const operatorresult r = prime(s, GetParam());
    EXPECT_EQ(apply(r), s) << "set " << s;
    EXPECT_TRUE(r.form == 0 || (r.form & 1)) << "set " << s;
    const operatorresult marked = prime(s | exclusionmark, GetParam());
    EXPECT_EQ(marked.form, r.form) << "set " << s;
    EXPECT_EQ(marked.flag, r.flag) << "set " << s;
    EXPECT_EQ(marked.n, r.n) << "set " << s;
  }
}

TEST_P(PrimeFormAlgorithm, TranspositionWinsOverInversion) {
  for (bitvec s = 1; s < 4096; ++s) {
    const operatorresult r = prime(s, GetParam());
    int smallestt = -1;
    for (int n = 0; n < 12 && smallestt < 0; ++n) {
      if (calc(r.form, 0, n) == s) smallestt = n;
    }
    if (smallestt >= 0) {
      EXPECT_EQ(r.flag, 0) << "set " << s;
      EXPECT_EQ(r.n, smallestt) << "set " << s;
    } else {
      EXPECT_EQ(r.flag, 1) << "set " << s;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothAlgorithms, PrimeFormAlgorithm, testing::Values(rahn, forte));

TEST(PrimeForm, AggregateAndEmptySet) {
  const operatorresult a = prime(aggregate, rahn);
  EXPECT_EQ(a.form, 4095u);
  EXPECT_EQ(a.flag, 0);
  EXPECT_EQ(a.n, 0);
  EXPECT_EQ(primeform(0, rahn), 0u);
}

}  // namespace
