// The set-class table checked from first principles over all 4096 sets.
#include "core/settable.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/intervals.h"
#include "core/primeform.h"

namespace {

// The smallest of the 24 transpositions and inversions, found by brute force.
bitvec smallestform(bitvec set) {
  bitvec best = set;
  for (int n = 0; n < 12; ++n) {
    best = std::min({best, transpose(set, n), transpose(inverse(set), n)});
  }
  return best;
}

std::array<int, 7> icv(bitvec set) {
  std::array<int, 7> v{};
  icvector(set, v.data());
  return v;
}

TEST(SetTable, HoldsEveryRahnPrimeFormOnce) {
  std::set<bitvec> primes;
  for (bitvec s = 0; s < 4096; ++s) primes.insert(smallestform(s));
  ASSERT_EQ(primes.size(), 224u);
  std::set<bitvec> rows;
  for (int row = 0; row < 224; ++row) rows.insert(getbitvec(row));
  EXPECT_EQ(rows, primes);
}

TEST(SetTable, RowsSortedWithinCardinalityAndCounted) {
  const int counts[13] = {1, 1, 6, 12, 29, 38, 50, 38, 29, 12, 6, 1, 1};
  for (int c = 0; c <= 12; ++c) {
    const int first = sendlocinfo(c, 0), last = sendlocinfo(c, 1);
    EXPECT_EQ(last - first + 1, counts[c]) << "cardinality " << c;
    std::set<std::uint32_t> ordinals;
    for (int row = first; row <= last; ++row) {
      EXPECT_EQ(bitcount(getbitvec(row)), c) << "row " << row;
      if (row < last) {
        EXPECT_LT(getbitvec(row), getbitvec(row + 1)) << "row " << row;
      }
      ordinals.insert(sendentry(row).ordinal);
    }
    if (c > 0) {
      EXPECT_EQ(ordinals.size(), static_cast<size_t>(counts[c]));
      EXPECT_EQ(*ordinals.begin(), 1u);
      EXPECT_EQ(*ordinals.rbegin(), static_cast<std::uint32_t>(counts[c]));
    }
  }
}

TEST(SetTable, ZPartnersAreMutualWithEqualVectors) {
  for (int c = 1; c <= 12; ++c) {
    const int first = sendlocinfo(c, 0), last = sendlocinfo(c, 1);
    for (int row = first; row <= last; ++row) {
      const setentry& e = sendentry(row);
      // Classes with equal IC vectors are exactly the Z pairs.
      int sharing = 0;
      for (int other = first; other <= last; ++other) {
        if (other != row && icv(getbitvec(other)) == icv(e.prime)) ++sharing;
      }
      if (e.zpartner == 0) {
        EXPECT_EQ(sharing, 0) << "row " << row;
        continue;
      }
      EXPECT_EQ(sharing, 1) << "row " << row;
      const bitvec partner = linsearch(first, last, static_cast<int>(e.zpartner));
      ASSERT_NE(partner, 0u) << "row " << row;
      EXPECT_EQ(icv(partner), icv(e.prime)) << "row " << row;
      EXPECT_EQ(sendentry(binsearch(first, last, partner)).zpartner, e.ordinal) << "row " << row;
    }
  }
}

TEST(SetTable, MPartnerIsTheClassOfTheM5Image) {
  for (int row = 1; row < 224; ++row) {
    const setentry& e = sendentry(row);
    EXPECT_EQ(sendentry(classrow(calc(e.prime, 2, 0))).ordinal, e.mpartner) << "row " << row;
  }
}

TEST(SetTable, IcBoundsAreTheTrueExtremes) {
  for (int c = 0; c <= 12; ++c) {
    for (int i = 1; i <= 6; ++i) {
      int lo = 99, hi = -1;
      for (bitvec s = 0; s < 4096; ++s) {
        if (bitcount(s) != c) continue;
        lo = std::min(lo, icv(s)[i]);
        hi = std::max(hi, icv(s)[i]);
      }
      EXPECT_EQ(sendicmin(c, i), lo) << "cardinality " << c << " ic " << i;
      EXPECT_EQ(sendicmax(c, i), hi) << "cardinality " << c << " ic " << i;
    }
  }
}

TEST(SetTable, LookupsFindEveryClassAndMissTheAbsent) {
  for (bitvec s = 1; s < 4096; ++s) {
    const int row = classrow(s);
    ASSERT_NE(row, 0) << "set " << s;
    EXPECT_EQ(getbitvec(row), smallestform(s)) << "set " << s;
    EXPECT_EQ(classrow(s | exclusionmark), row) << "set " << s;
  }
  EXPECT_EQ(binsearch(0, 223, 0), 0);
  EXPECT_EQ(binsearch(0, 0, 0), 0);
  EXPECT_EQ(binsearch(8, 19, pcs("0123")), 0);
  EXPECT_EQ(linsearch(20, 48, 99), 0u);
}

}  // namespace
