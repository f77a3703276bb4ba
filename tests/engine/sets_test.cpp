// Sets and their spelling, prime forms and the set-class table: each rule
// checked over all 4096 sets, the table against its own partners.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "pelantor/notation.h"
#include "pelantor/primeform.h"
#include "pelantor/setclass.h"

namespace {

using namespace pelantor;

TEST(Notation, ReadsTheProgramsSpellingAndRefusesTheRest) {
  EXPECT_EQ(parse_pcset("T*\te+ 4 1 0\r\n"), pcs("014ab"));
  EXPECT_EQ(parse_marked_set("N 0"), (MarkedSet{pcs("0"), true}));
  EXPECT_THROW(parse_pcset("0n"), error);
  EXPECT_THROW(PcSet::from_bits(4096), error);
  EXPECT_THROW((PcSet{0, 12}), error);
  for (const auto& [text, message] : {std::pair{"4,1,0", "',' is not a pitch class"},
                                      std::pair{"0\x01", "the byte 0x01 is not a pitch class"}}) {
    try {
      parse_pcset(text);
      ADD_FAILURE() << text;
    } catch (const error& e) {
      EXPECT_STREQ(e.what(), message);
    }
  }
  for (unsigned bits = 0; bits < 4096; ++bits) {
    ASSERT_EQ(parse_pcset(to_string(PcSet::from_bits(bits))).bits(), bits);
  }
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
    ASSERT_EQ(set_class_of(set).prime(Algorithm::forte), forte.prime) << "set " << bits;
    if (forte.prime != rahn.prime) differing.insert(forte.prime);
  }
  const std::set<PcSet> expected{pcs("01378"),   pcs("013689"),  pcs("013589"),
                                 pcs("0123589"), pcs("0124789"), pcs("0124579a")};
  EXPECT_EQ(differing, expected);
}

TEST(SetClass, LabelsAndListsEachCardinalityInOrder) {
  EXPECT_EQ(forte_label(set_class_of(pcs("78013"))), "5-20");
  EXPECT_EQ(forte_label(set_class_of(PcSet())), "0-0");
  const SetClass& sc = set_class_of(pcs("0134578a").transposed(5));
  EXPECT_EQ(forte_label(sc), "8-26");
  EXPECT_EQ(sc.prime(Algorithm::rahn), pcs("0134578a"));
  EXPECT_EQ(sc.prime(Algorithm::forte), pcs("0124579a"));
  int index = 0;
  for (int c = 0; c <= 12; ++c) {
    for (const SetClass& each : classes(c)) ASSERT_EQ(each.index, index++);
  }
  EXPECT_EQ(index, 224);
  EXPECT_EQ(forte_label(classes(4)[10]), "4-z15");
  EXPECT_THROW(classes(13), error);
  // Every label reads back, the Z in either case or left out.
  for (const SetClass& each : all_classes())
    EXPECT_EQ(find_class(forte_label(each)).index, each.index);
  EXPECT_EQ(find_class("4-Z15").index, find_class("4-15").index);
  for (const char* bad : {"4-z1", "4-30", "13-1", "4-", "4-15x", " 4-15"}) {
    EXPECT_THROW(find_class(bad), error) << bad;
  }
}

TEST(SetClass, NamesItsPartners) {
  const SetClass& z15 = find_class("4-z15");
  ASSERT_NE(z_partner_of(z15), nullptr);
  EXPECT_EQ(forte_label(*z_partner_of(z15)), "4-z29");
  EXPECT_EQ(z_partner_of(find_class("3-11")), nullptr);
  EXPECT_EQ(forte_label(m_partner_of(find_class("3-11"))), "3-3");
  EXPECT_EQ(forte_label(complement_of(z15)), "8-z15");
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

}  // namespace
