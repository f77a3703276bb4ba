// Prime forms and the operators reported with them.
#include "pelantor/primeform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "pelantor/notation.h"
#include "pelantor/transform.h"

namespace {

using namespace pelantor;

PrimeForm form(Operation operation, int n, PcSet prime) {
  return {prime, {operation, n}};
}

TEST(PrimeForm, ReportsTheOperatorOntoTheSet) {
  const Algorithm rahn = Algorithm::rahn;
  const Algorithm forte = Algorithm::forte;
  EXPECT_EQ(prime_form(pcs("014"), rahn), form(Operation::T, 0, pcs("014")));
  EXPECT_EQ(prime_form(pcs("014"), forte), form(Operation::T, 0, pcs("014")));
  EXPECT_EQ(prime_form(pcs("047"), rahn), form(Operation::I, 7, pcs("037")));
  EXPECT_EQ(prime_form(pcs("158"), rahn), form(Operation::I, 8, pcs("037")));
  EXPECT_EQ(prime_form(pcs("78013"), rahn), form(Operation::T, 7, pcs("01568")));
  EXPECT_EQ(prime_form(pcs("78013"), forte), form(Operation::T, 0, pcs("01378")));
  EXPECT_EQ(prime_form(pcs("02378"), rahn), form(Operation::I, 8, pcs("01568")));
  EXPECT_EQ(prime_form(pcs("02378"), forte), form(Operation::I, 3, pcs("01378")));
  // T0I maps [013679] onto it too; T6I is reached first.
  EXPECT_EQ(prime_form(pcs("03569b"), rahn), form(Operation::I, 6, pcs("013679")));
  EXPECT_EQ(prime_form(PcSet::aggregate(), forte), form(Operation::T, 0, PcSet::aggregate()));
  EXPECT_EQ(prime_form(PcSet(), rahn), form(Operation::T, 0, PcSet()));
}

TEST(PrimeForm, WritesTheSetInTheOrderOfItsPrimeForm) {
  EXPECT_EQ(to_string_ordered(prime_form(pcs("047"), Algorithm::rahn)), "740");
  EXPECT_EQ(to_string_ordered(prime_form(pcs("0146"), Algorithm::rahn)), "0146");
  EXPECT_EQ(to_string_ordered(prime_form(pcs("02378"), Algorithm::rahn)), "87320");
  EXPECT_EQ(to_string_ordered(prime_form(pcs("02378"), Algorithm::forte)), "32087");
  EXPECT_EQ(to_string_ordered(prime_form(pcs("0123456789ab").complement(), Algorithm::rahn)), "");
}

// Rahn's form is the least of the set's 24 forms; the operator is the least
// Tn onto the set, else the TnI reached first with n = 1 .. 11, 0.
TEST(PrimeForm, RahnFollowsItsRuleForEverySet) {
  for (unsigned bits = 0; bits < 4096; ++bits) {
    const PcSet set = PcSet::from_bits(bits);
    PcSet least = set;
    for (int n = 0; n < 12; ++n)
      least = std::min({least, set.transposed(n), set.inverted().transposed(n)});
    const PrimeForm rahn = prime_form(set, Algorithm::rahn);
    ASSERT_EQ(rahn.prime, least) << "set " << bits;
    ASSERT_EQ(rahn.op.apply(rahn.prime), set) << "set " << bits;
    int first_t = -1;
    for (int n = 11; n >= 0; --n) {
      if (least.transposed(n) == set) first_t = n;
    }
    if (first_t >= 0) {
      ASSERT_EQ(rahn.op, (Transform{Operation::T, first_t})) << "set " << bits;
      continue;
    }
    ASSERT_EQ(rahn.op.operation, Operation::I) << "set " << bits;
    for (int k = 1; k < (rahn.op.n == 0 ? 12 : rahn.op.n); ++k) {
      ASSERT_NE((Transform{Operation::I, k}.apply(least)), set)
          << "set " << bits << " T" << k << "I";
    }
  }
}

TEST(PrimeForm, ForteDiffersOnSixClassesOnly) {
  std::set<PcSet> differing;
  for (unsigned bits = 0; bits < 4096; ++bits) {
    const PcSet set = PcSet::from_bits(bits);
    const PrimeForm rahn = prime_form(set, Algorithm::rahn);
    const PrimeForm forte = prime_form(set, Algorithm::forte);
    ASSERT_EQ(forte.op.apply(forte.prime), set) << "set " << bits;
    ASSERT_EQ(forte.op.operation, rahn.op.operation) << "set " << bits;
    if (forte.prime != rahn.prime) differing.insert(forte.prime);
  }
  const std::set<PcSet> expected{pcs("01378"),   pcs("013689"),  pcs("013589"),
                                 pcs("0123589"), pcs("0124789"), pcs("0124579a")};
  EXPECT_EQ(differing, expected);
}

TEST(Transform, NamesAndAppliesTheFortyEight) {
  EXPECT_EQ(to_string(Transform{Operation::T, 7}), "T7");
  EXPECT_EQ(to_string(Transform{Operation::I, 11}), "TbI");
  EXPECT_EQ(to_string(Transform{Operation::M, 10}), "TaM");
  EXPECT_EQ(to_string(Transform{Operation::MI, 0}), "T0MI");
  EXPECT_EQ((Transform{Operation::M, 0}.apply(pcs("014"))), pcs("058"));
  EXPECT_EQ((Transform{Operation::I, 3}.apply(pcs("014"))), pcs("23b"));
  EXPECT_EQ((Transform{Operation::MI, 1}.apply(pcs("1"))), pcs("8"));
  std::set<std::string> names;
  for (Transform t : all_transforms) names.insert(to_string(t));
  EXPECT_EQ(names.size(), 48u);
  EXPECT_EQ(all_transforms[13], (Transform{Operation::I, 1}));
}

}  // namespace
