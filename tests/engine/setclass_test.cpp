// Tn classes: a class split into the transpositions of its prime form (A)
// and of their inversions (B).
#include "pelantor/setclass.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "pelantor/primeform.h"

namespace {

using namespace pelantor;

TEST(TnClass, LabelsTheFormsOfTheInversionB) {
  EXPECT_EQ(tn_label(pcs("037")), "3-11A");
  EXPECT_EQ(tn_label(pcs("047")), "3-11B");
  EXPECT_EQ(tn_label(pcs("059")), "3-11B");  // T5 of [047]
  EXPECT_EQ(tn_label(pcs("048")), "3-12");
  EXPECT_EQ(tn_label(pcs("0146")), "4-z15A");
  EXPECT_EQ(tn_prime(pcs("059"), Algorithm::rahn), pcs("047"));
  EXPECT_EQ(tn_prime(pcs("037"), Algorithm::rahn), pcs("037"));
  EXPECT_EQ(tn_prime(pcs("023"), Algorithm::rahn), pcs("023"));  // 3-2B
  EXPECT_EQ(tn_type(pcs("0134")), TnType::symmetric);
}

TEST(TnClass, EverySetIsATranspositionOfItsTnForm) {
  std::set<std::string> labels;
  for (unsigned bits = 0; bits < 4096; ++bits) {
    const PcSet set = PcSet::from_bits(bits);
    labels.insert(tn_label(set));
    for (Algorithm algorithm : {Algorithm::rahn, Algorithm::forte}) {
      const PcSet form = tn_prime(set, algorithm);
      bool transposed = false;
      for (int n = 0; n < 12; ++n) transposed = transposed || form.transposed(n) == set;
      ASSERT_TRUE(transposed) << "set " << bits;
      ASSERT_TRUE(set.empty() || form.contains(0)) << "set " << bits;
    }
  }
  // The 224 classes split into 352 Tn classes: 128 asymmetric ones in two.
  EXPECT_EQ(labels.size(), 352u);
}

}  // namespace
