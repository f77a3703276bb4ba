// The operators between two sets: single ones, and split operations where
// no single one maps the first set onto the second, against their
// definition (the order of the search is the transcripts' business).
#include "pelantor/transformations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
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

TEST(MappingsBetween, FollowsThePartitionFilter) {
  // Single operators exist but are not searched; splits whose halves use
  // one operator are then listed too.  A single pitch class has no cut.
  const Lines splits = lines(pcs("014"), pcs("23b"), true, {}, {0, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(std::find(splits.begin(), splits.end(), "T3I{14} --> {2b} and  T3I{0} --> {3}"),
            splits.end());
  EXPECT_TRUE(lines(pcs("0"), pcs("5"), true, {}, {0, 1, 1, 1, 1, 1, 1}).empty());
  EXPECT_TRUE(lines(pcs("014"), pcs("237"), true, {}, {1, 0, 1, 1, 1, 1, 1}).empty());
}

// The mappings the definition gives, in no particular order: the operators
// of the canon carrying from onto to; where there is none, every cut of
// from into two parts allowed by the filter, each part carried by an
// operator of the canon, the two images together making up to.
Lines defined(PcSet from, PcSet to, Canon canon, const std::array<bool, 7>& partitions) {
  Lines all;
  for (Transform op : all_transforms) {
    if (partitions[0] && canon.includes(op.operation) && op.apply(from) == to)
      all.push_back(half({op, from, to}));
  }
  if (!all.empty()) return all;
  const int n = from.size();
  const int largest = *std::max_element(from.begin(), from.end());
  for (unsigned bits = 1; bits < from.bits(); ++bits) {
    const PcSet part = PcSet::from_bits(bits);
    if (!part.is_subset_of(from) || part.contains(largest)) continue;
    if (!partitions[std::min(part.size(), n - part.size())]) continue;
    const PcSet rest = from - part;
    for (Transform op : all_transforms) {
      const PcSet image = op.apply(part);
      if (!canon.includes(op.operation) || !image.is_subset_of(to)) continue;
      for (Transform second : all_transforms) {
        if (!canon.includes(second.operation) || second.apply(rest) != to - image) continue;
        const SplitHalf cut{op, part, image}, remainder{second, rest, to - image};
        all.push_back(part.size() < rest.size() ? half(remainder) + " and  " + half(cut)
                                                : half(cut) + " and  " + half(remainder));
      }
    }
  }
  return all;
}

// Random pairs of every size, half of them related by some operator, under
// random canons and partition filters: the search lists exactly what the
// definition gives, and with show_all false a part of it.
TEST(MappingsBetween, AgreesWithTheDefinitionOnRandomPairs) {
  std::mt19937 random(20240611);
  std::array<int, 12> order = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  const auto random_set = [&](int n) {
    std::shuffle(order.begin(), order.end(), random);
    PcSet set;
    for (int i = 0; i < n; ++i) set = set | PcSet{order[i]};
    return set;
  };
  for (int trial = 0; trial < 120; ++trial) {
    const int n = 1 + static_cast<int>(random() % 11);
    const PcSet from = random_set(n);
    const PcSet to = trial % 2 == 0 ? all_transforms[random() % 48].apply(from) : random_set(n);
    const Canon canon{random() % 2 == 0, random() % 2 == 0, random() % 2 == 0};
    std::array<bool, 7> partitions = {1, 1, 1, 1, 1, 1, 1};
    if (trial % 3 == 0) {
      for (bool& flag : partitions) flag = random() % 2 == 0;
    }
    SCOPED_TRACE("{" + to_string(from) + "} onto {" + to_string(to) + "}, trial " +
                 std::to_string(trial));

    Lines found = lines(from, to, true, canon, partitions);
    Lines expected = defined(from, to, canon, partitions);
    std::sort(found.begin(), found.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(found, expected);
    for (const std::string& line : lines(from, to, false, canon, partitions))
      EXPECT_TRUE(std::binary_search(expected.begin(), expected.end(), line)) << line;
  }
}

}  // namespace
