// The set classes matching a partly given interval-class vector.
#include "pelantor/icvsearch.h"

#include <gtest/gtest.h>

#include <string>

#include "pelantor/intervals.h"

namespace {

using namespace pelantor;
constexpr std::optional<int> any;

// The Forte labels found, first and last when there are many.
std::string labels(const IcPattern& pattern, std::optional<int> cardinality) {
  const std::vector<SetClass> found = classes_matching(pattern, cardinality);
  if (found.size() > 3) {
    return std::to_string(found.size()) + ": " + forte_label(found.front()) + " .. " +
           forte_label(found.back());
  }
  std::string text;
  for (const SetClass& sc : found) text += (text.empty() ? "" : " ") + forte_label(sc);
  return text;
}

TEST(ClassesMatching, MatchesTheGivenEntriesOnly) {
  EXPECT_EQ(labels({1, 1, 1, 1, 1, 1}, 4), "4-z15 4-z29");
  EXPECT_EQ(labels({1, 1, 1, 0, 0, 0}, 3), "3-2");
  EXPECT_EQ(labels({3, 0, 0, 0, 0, 0}, 3), "");
  EXPECT_EQ(labels({any, any, any, any, any, any}, {}), "222: 2-1 .. 12-1");
  EXPECT_EQ(labels({any, any, any, any, any, any}, 5), "38: 5-1 .. 5-35");
  EXPECT_EQ(labels({any, any, any, any, any, 3}, {}), "30: 6-7 .. 9-12");
  // A count beyond what the cardinality holds matches nothing.
  EXPECT_EQ(labels({12, any, any, any, any, any}, 4), "");
  EXPECT_THROW(classes_matching({any, any, any, any, any, any}, 1), error);
  EXPECT_THROW(classes_matching({any, any, any, any, any, any}, 13), error);
  EXPECT_THROW(classes_matching({-1, any, any, any, any, any}, 4), error);
}

// With every entry given, each class finds itself and its Z-correspondent,
// in table order, and nothing else.
TEST(ClassesMatching, FindsEveryClassByItsOwnVector) {
  for (const SetClass& sc : all_classes().subspan(2)) {
    const std::array<int, 6> icv = ic_vector(sc.rahn_prime);
    const IcPattern pattern{icv[0], icv[1], icv[2], icv[3], icv[4], icv[5]};
    std::vector<int> expected{sc.index};
    if (const SetClass* z = z_partner_of(sc)) {
      expected.insert(z->index < sc.index ? expected.begin() : expected.end(), z->index);
    }
    std::vector<int> found;
    for (const SetClass& match : classes_matching(pattern, {})) found.push_back(match.index);
    ASSERT_EQ(found, expected) << forte_label(sc);
  }
}

TEST(IcCountRange, BoundsEachEntryByTheCardinality) {
  EXPECT_EQ(ic_count_range(5, 4), (CountRange{1, 4}));
  EXPECT_EQ(ic_count_range(any, 1), (CountRange{0, 12}));
  EXPECT_THROW(ic_count_range(4, 7), error);
}

}  // namespace
