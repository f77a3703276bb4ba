// The operators between two sets: single ones, and split operations where
// no single one maps the first set onto the second.
#include "pelantor/transformations.h"

#include <gtest/gtest.h>

#include <string>

#include "pelantor/notation.h"

namespace {

using namespace pelantor;
using Lines = std::vector<std::string>;

std::string half(const SplitHalf& h) {
  return to_string(h.op) + "{" + to_string(h.source) + "} --> {" + to_string(h.target) + "}";
}

// The mappings as the dialogue writes them, without the leading blanks.
Lines lines(PcSet from, PcSet to, bool show_all = true, Canon canon = {},
            std::array<bool, 7> partitions = {1, 1, 1, 1, 1, 1, 1}) {
  const Mappings mappings = mappings_between(from, to, {canon, show_all, partitions});
  Lines all;
  for (Transform op : mappings.single) all.push_back(half({op, from, to}));
  for (const SplitMapping& s : mappings.splits)
    all.push_back(half(s.first) + " and  " + half(s.second));
  return all;
}

TEST(MappingsBetween, ListsSingleOperatorsInTheOrderOfTheSearch) {
  EXPECT_EQ(lines(pcs("048"), pcs("048")),
            (Lines{"T0{048} --> {048}", "T8{048} --> {048}", "T4{048} --> {048}",
                   "T0I{048} --> {048}", "T4I{048} --> {048}", "T8I{048} --> {048}"}));
  EXPECT_EQ(lines(pcs("048"), pcs("048"), false), (Lines{"T0{048} --> {048}"}));
  EXPECT_EQ(lines(pcs("0"), pcs("5")), (Lines{"T5{0} --> {5}", "T5I{0} --> {5}"}));
  EXPECT_EQ(lines(pcs("014"), pcs("23b")), (Lines{"T3I{014} --> {23b}"}));
  EXPECT_EQ(lines(pcs("01"), pcs("05"), true, {true, true, true}),
            (Lines{"T0M{01} --> {05}", "T5MI{01} --> {05}"}));
  EXPECT_THROW(mappings_between(pcs("014"), pcs("0123"), {}), error);
}

TEST(MappingsBetween, SplitsWhenNoSingleOperatorMaps) {
  // The cut {0} + {14} gives nothing; then {1} + {04}, then {4} + {01}:
  // the larger part's half first.
  EXPECT_EQ(lines(pcs("014"), pcs("237")),
            (Lines{"T3{04} --> {37} and  T1{1} --> {2}", "T7I{04} --> {37} and  T1{1} --> {2}",
                   "T3{04} --> {37} and  T3I{1} --> {2}", "T7I{04} --> {37} and  T3I{1} --> {2}",
                   "T2{01} --> {23} and  T3{4} --> {7}", "T2{01} --> {23} and  TbI{4} --> {7}",
                   "T3I{01} --> {23} and  T3{4} --> {7}", "T3I{01} --> {23} and  TbI{4} --> {7}"}));
  EXPECT_EQ(lines(pcs("014"), pcs("237"), false),
            (Lines{"T3{04} --> {37} and  T1{1} --> {2}", "T2{01} --> {23} and  T3{4} --> {7}"}));
  const Lines dyads = lines(pcs("01"), pcs("05"));
  ASSERT_EQ(dyads.size(), 8u);
  EXPECT_EQ(dyads.front(), "T0{0} --> {0} and  T4{1} --> {5}");
  EXPECT_EQ(dyads.back(), "T5I{0} --> {5} and  T1I{1} --> {0}");
  // Two dyads: the cut-out part, which never holds the largest member, leads.
  for (const std::string& line : lines(pcs("0145"), pcs("0347"), true, {}, {0, 0, 1, 0, 0, 0, 0})) {
    const std::size_t open = line.find('{');
    EXPECT_EQ(line.substr(open, line.find('}') - open).find('5'), std::string::npos) << line;
  }
}

TEST(MappingsBetween, FollowsThePartitionFilter) {
  // Single operators exist but are not searched; splits whose halves use
  // one operator are then listed too.  A single pitch class has no cut.
  const Lines splits = lines(pcs("014"), pcs("23b"), true, {}, {0, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(std::find(splits.begin(), splits.end(), "T3I{14} --> {2b} and  T3I{0} --> {3}"),
            splits.end());
  EXPECT_TRUE(lines(pcs("0"), pcs("5"), true, {}, {0, 1, 1, 1, 1, 1, 1}).empty());
  EXPECT_TRUE(lines(pcs("014"), pcs("237"), true, {}, {1, 0, 1, 1, 1, 1, 1}).empty());
}

}  // namespace
