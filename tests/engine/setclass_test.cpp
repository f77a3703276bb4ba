// The set-class table and its look-ups.
#include "pelantor/setclass.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "pelantor/primeform.h"

namespace {

using namespace pelantor;

TEST(SetClass, LabelsTheClassOfAnySet) {
  EXPECT_EQ(forte_label(set_class_of(pcs("047"))), "3-11");
  EXPECT_EQ(forte_label(set_class_of(pcs("0146"))), "4-z15");
  EXPECT_EQ(forte_label(set_class_of(pcs("78013"))), "5-20");
  EXPECT_EQ(forte_label(set_class_of(PcSet::aggregate())), "12-1");
  EXPECT_EQ(forte_label(set_class_of(PcSet())), "0-0");
  const SetClass& sc = set_class_of(pcs("0134578a").transposed(5));
  EXPECT_EQ(forte_label(sc), "8-26");
  EXPECT_EQ(sc.prime(Algorithm::rahn), pcs("0134578a"));
  EXPECT_EQ(sc.prime(Algorithm::forte), pcs("0124579a"));
}

TEST(SetClass, EverySetFindsTheClassOfItsPrimeForm) {
  for (unsigned bits = 0; bits < 4096; ++bits) {
    const PcSet set = PcSet::from_bits(bits);
    const SetClass& sc = set_class_of(set);
    ASSERT_EQ(sc.rahn_prime, prime_form(set, Algorithm::rahn).prime) << "set " << bits;
    ASSERT_EQ(sc.forte_prime, prime_form(set, Algorithm::forte).prime) << "set " << bits;
    ASSERT_EQ(sc.cardinality, set.size()) << "set " << bits;
  }
}

TEST(SetClass, ListsEachCardinalityInOrder) {
  const int counts[13] = {1, 1, 6, 12, 29, 38, 50, 38, 29, 12, 6, 1, 1};
  int index = 0;
  for (int c = 0; c <= 12; ++c) {
    ASSERT_EQ(static_cast<int>(classes(c).size()), counts[c]) << c;
    for (const SetClass& sc : classes(c)) EXPECT_EQ(sc.index, index++);
  }
  EXPECT_EQ(index, 224);
  EXPECT_EQ(all_classes().size(), 224u);
  EXPECT_EQ(forte_label(classes(4)[10]), "4-z15");
  EXPECT_THROW(classes(13), error);
  EXPECT_THROW(classes(-1), error);
}

TEST(SetClass, FindsLabelsWithOrWithoutTheZ) {
  EXPECT_EQ(find_class("4-z15").rahn_prime, pcs("0146"));
  EXPECT_EQ(find_class("4-Z15").rahn_prime, pcs("0146"));
  EXPECT_EQ(find_class("4-15").rahn_prime, pcs("0146"));
  EXPECT_EQ(find_class("3-11").rahn_prime, pcs("037"));
  for (const SetClass& sc : all_classes()) EXPECT_EQ(find_class(forte_label(sc)).index, sc.index);
  for (const char* bad :
       {"4-z1", "4-30", "13-1", "4-0", "-1", "4-", "4", "4-15x", "x", "", " 4-15"}) {
    EXPECT_THROW(find_class(bad), error) << bad;
  }
  try {
    find_class("4-30");
    FAIL();
  } catch (const error& e) {
    EXPECT_STREQ(e.what(), "there is no set class 4-30");
  }
}

TEST(SetClass, NamesItsPartners) {
  const SetClass& z15 = find_class("4-z15");
  ASSERT_NE(z_partner_of(z15), nullptr);
  EXPECT_EQ(forte_label(*z_partner_of(z15)), "4-z29");
  EXPECT_EQ(z_partner_of(find_class("3-11")), nullptr);
  EXPECT_EQ(forte_label(m_partner_of(find_class("3-11"))), "3-3");
  EXPECT_EQ(forte_label(m_partner_of(z15)), "4-z29");
  EXPECT_EQ(forte_label(complement_of(z15)), "8-z15");
  EXPECT_EQ(forte_label(complement_of(find_class("12-1"))), "0-0");
}

// Forte's numbering gives complements the same ordinal; a hexachord's
// complement is itself or its Z-correspondent.  A mistyped row breaks this.
TEST(SetClass, ComplementsShareTheirOrdinal) {
  for (const SetClass& sc : all_classes()) {
    const SetClass& comp = complement_of(sc);
    EXPECT_EQ(comp.cardinality, 12 - sc.cardinality);
    if (sc.cardinality == 0 || sc.cardinality == 12) continue;
    if (sc.cardinality == 6 && comp.index != sc.index) {
      EXPECT_EQ(z_partner_of(sc), &comp) << forte_label(sc);
    } else {
      EXPECT_EQ(comp.ordinal, sc.ordinal) << forte_label(sc);
      EXPECT_EQ(comp.is_z(), sc.is_z()) << forte_label(sc);
    }
  }
}

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
