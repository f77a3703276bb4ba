// PcSet and the set syntax.
#include "pelantor/pcset.h"

#include <gtest/gtest.h>

#include <set>
#include <unordered_set>
#include <vector>

#include "pelantor/notation.h"

namespace {

using namespace pelantor;

TEST(PcSet, OperationsStayWithinTwelvePitchClasses) {
  const PcSet major{0, 4, 7};
  EXPECT_EQ(major.transposed(5), (PcSet{0, 5, 9}));
  EXPECT_EQ(major.transposed(-1), (PcSet{11, 3, 6}));
  EXPECT_EQ(major.transposed(12), major);
  EXPECT_EQ(major.inverted(), (PcSet{0, 8, 5}));
  EXPECT_EQ(PcSet({0, 1, 4}).multiplied(5), (PcSet{0, 5, 8}));
  EXPECT_EQ(PcSet({1, 2}).multiplied(-1), (PcSet{11, 10}));
  EXPECT_EQ(major.complement().size(), 9);
  EXPECT_EQ(PcSet().complement(), PcSet::aggregate());
  EXPECT_EQ(PcSet::aggregate().bits(), 4095);
  EXPECT_EQ((major | PcSet{1}) - PcSet{0}, (PcSet{1, 4, 7}));
  EXPECT_EQ(major & (PcSet{4, 5}), PcSet{4});
  EXPECT_TRUE(PcSet{4}.is_subset_of(major));
  EXPECT_FALSE(major.is_subset_of(PcSet{4}));
  EXPECT_FALSE(major.contains(12));
  EXPECT_FALSE(major.contains(-8));
}

TEST(PcSet, EveryMaskRoundTripsAndIteratesInOrder) {
  for (unsigned bits = 0; bits < 4096; ++bits) {
    const PcSet set = PcSet::from_bits(bits);
    std::vector<int> members(set.begin(), set.end());
    ASSERT_EQ(static_cast<int>(members.size()), set.size()) << "set " << bits;
    ASSERT_TRUE(std::is_sorted(members.begin(), members.end())) << "set " << bits;
    unsigned rebuilt = 0;
    for (int pc : members) rebuilt |= 1u << pc;
    ASSERT_EQ(rebuilt, bits);
    ASSERT_EQ(set.inverted().inverted(), set);
    ASSERT_EQ(set.transposed(7).transposed(5), set);
  }
}

TEST(PcSet, RefusesWhatIsNoPitchClass) {
  EXPECT_THROW(PcSet::from_bits(4096), error);
  EXPECT_THROW((PcSet{0, 12}), error);
  EXPECT_THROW((PcSet{-1}), error);
}

TEST(PcSet, SortsAndHashesByMask) {
  static_assert(pcs("047") == PcSet{0, 4, 7});
  static_assert(pcs("ab").bits() == 3072);
  EXPECT_LT(pcs("037"), pcs("047"));
  EXPECT_LT(pcs("b"), pcs("0b"));
  const std::set<PcSet> sorted{pcs("9"), pcs("0"), pcs("01")};
  EXPECT_EQ(*sorted.begin(), pcs("0"));
  const std::unordered_set<PcSet> hashed{pcs("047"), pcs("047"), pcs("037")};
  EXPECT_EQ(hashed.size(), 2u);
}

TEST(Notation, NamesEachPitchClassByItsCharacters) {
  for (char c = '0'; c <= '9'; ++c) EXPECT_EQ(pitch_class_of(c), c - '0');
  for (char c : std::string("aAtT+")) EXPECT_EQ(pitch_class_of(c), 10) << c;
  for (char c : std::string("bBeE*")) EXPECT_EQ(pitch_class_of(c), 11) << c;
  for (char c : std::string("nNcC- ,#\n")) EXPECT_EQ(pitch_class_of(c), std::nullopt) << c;
  EXPECT_TRUE(is_exclusion_mark('n'));
  EXPECT_TRUE(is_exclusion_mark('N'));
  EXPECT_FALSE(is_exclusion_mark('0'));
}

TEST(Notation, ParsesInAnyOrderWithBlanks) {
  EXPECT_EQ(parse_pcset("0 1 4"), pcs("014"));
  EXPECT_EQ(parse_pcset("410"), pcs("014"));
  EXPECT_EQ(parse_pcset("12"), pcs("12"));
  EXPECT_EQ(parse_pcset("0 0 0"), pcs("0"));
  EXPECT_EQ(parse_pcset("T*\te+\r\n"), pcs("ab"));
  EXPECT_EQ(parse_pcset("  "), PcSet());
  EXPECT_EQ(parse_pcset(""), PcSet());
}

TEST(Notation, RefusesOtherCharactersByName) {
  try {
    parse_pcset("4,1,0");
    FAIL() << "a comma was taken";
  } catch (const error& e) {
    EXPECT_STREQ(e.what(), "',' is not a pitch class");
  }
  EXPECT_THROW(parse_pcset("0n"), error);
  try {
    parse_pcset("0\x01");
    FAIL() << "a control byte was taken";
  } catch (const error& e) {
    EXPECT_STREQ(e.what(), "the byte 0x01 is not a pitch class");
  }
}

TEST(Notation, TakesTheExclusionMarkAnywhere) {
  EXPECT_EQ(parse_marked_set("0n"), (MarkedSet{pcs("0"), true}));
  EXPECT_EQ(parse_marked_set("N 0"), (MarkedSet{pcs("0"), true}));
  EXPECT_EQ(parse_marked_set("n"), (MarkedSet{PcSet(), true}));
  EXPECT_EQ(parse_marked_set("047"), (MarkedSet{pcs("047"), false}));
  EXPECT_THROW(parse_marked_set("0x"), error);
}

TEST(Notation, WritesLowerCaseDigitsInOrder) {
  EXPECT_EQ(to_string(parse_pcset("B A 1 0")), "01ab");
  EXPECT_EQ(to_string(PcSet()), "");
  for (unsigned bits = 0; bits < 4096; ++bits) {
    const PcSet set = PcSet::from_bits(bits);
    ASSERT_EQ(parse_pcset(to_string(set)), set) << "set " << bits;
  }
}

}  // namespace
