// Average-linkage clustering: joins, heights and leaf order worked out by
// hand on small tables, and the tree's invariants on a real measure.
#include "pictures/clustering.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

#include "pelantor/error.h"
#include "pelantor/setclass.h"
#include "pelantor/similarity.h"

namespace {

using namespace pelantor;
using pictures::cluster_average_linkage;
using pictures::Dendrogram;
using pictures::Merge;

// A symmetric n x n table from the distances above the diagonal, row by row.
std::vector<double> table(int n, const std::vector<double>& upper) {
  std::vector<double> cells(static_cast<std::size_t>(n * n), 0.0);
  std::size_t next = 0;
  for (int i = 0; i < n; ++i) {
    for (int j = i + 1; j < n; ++j) {
      cells[static_cast<std::size_t>(i * n + j)] = upper[next];
      cells[static_cast<std::size_t>(j * n + i)] = upper[next++];
    }
  }
  return cells;
}

void expect_merge(const Merge& merge, int first, int second, double height, int size) {
  EXPECT_EQ(merge.first, first);
  EXPECT_EQ(merge.second, second);
  EXPECT_DOUBLE_EQ(merge.height, height);
  EXPECT_EQ(merge.size, size);
}

TEST(AverageLinkage, PairsCloseItemsAndLaysThemOutSideBySide) {
  // 0 is close to 2, 1 to 3; the two pairs meet at the mean of the four
  // distances across: (5 + 7 + 9 + 11) / 4 = 8.
  //                  d01 d02 d03 d12 d13 d23
  const auto d = table(4, {5, 1, 7, 9, 3, 11});
  const Dendrogram tree = cluster_average_linkage(d, 4);
  ASSERT_EQ(tree.merges.size(), 3u);
  expect_merge(tree.merges[0], 0, 2, 1, 2);
  expect_merge(tree.merges[1], 1, 3, 3, 2);
  expect_merge(tree.merges[2], 4, 5, 8, 4);
  EXPECT_EQ(tree.order, (std::vector<int>{0, 2, 1, 3}));
}

TEST(AverageLinkage, WeighsEveryItemOfAClusterAlike) {
  // {0, 1} join at 1, then 2 at (3 + 5) / 2 = 4; item 3 meets {0, 1, 2} at
  // (10 + 10 + 22) / 3 = 14, where the mean of the two clusters' distances
  // (weighted linkage) would give (10 + 22) / 2 = 16.
  //                  d01 d02 d03 d12 d13 d23
  const auto d = table(4, {1, 3, 10, 5, 10, 22});
  const Dendrogram tree = cluster_average_linkage(d, 4);
  ASSERT_EQ(tree.merges.size(), 3u);
  expect_merge(tree.merges[0], 0, 1, 1, 2);
  expect_merge(tree.merges[1], 4, 2, 4, 3);
  expect_merge(tree.merges[2], 5, 3, 14, 4);
  EXPECT_EQ(tree.order, (std::vector<int>{0, 1, 2, 3}));
}

TEST(AverageLinkage, TiesJoinTheLowestItemsFirst) {
  // Every distance 2: 0 with 1, then {0, 1} with 2, then with 3.  A later
  // item closer than the rest comes first: 3 and 2 at 1 before anything.
  const Dendrogram even = cluster_average_linkage(table(4, {2, 2, 2, 2, 2, 2}), 4);
  ASSERT_EQ(even.merges.size(), 3u);
  expect_merge(even.merges[0], 0, 1, 2, 2);
  expect_merge(even.merges[1], 4, 2, 2, 3);
  expect_merge(even.merges[2], 5, 3, 2, 4);
  const Dendrogram late = cluster_average_linkage(table(4, {2, 2, 2, 2, 2, 1}), 4);
  expect_merge(late.merges[0], 2, 3, 1, 2);
  expect_merge(late.merges[1], 0, 1, 2, 2);
  EXPECT_EQ(late.order, (std::vector<int>{0, 1, 2, 3}));
}

TEST(AverageLinkage, AsymmetricDistancesCountBothWays) {
  // [0][1] = 2 and [1][0] = 4: the pair is 3 apart; the diagonal is not read.
  const std::vector<double> d = {99, 2, 4, 99};
  const Dendrogram tree = cluster_average_linkage(d, 2);
  ASSERT_EQ(tree.merges.size(), 1u);
  expect_merge(tree.merges[0], 0, 1, 3, 2);
}

TEST(AverageLinkage, NoneOrOneItemAndRefusals) {
  EXPECT_TRUE(cluster_average_linkage({}, 0).order.empty());
  const std::vector<double> one = {0};
  const Dendrogram single = cluster_average_linkage(one, 1);
  EXPECT_TRUE(single.merges.empty());
  EXPECT_EQ(single.order, std::vector<int>{0});
  const std::vector<double> three = {0, 1, 1};
  EXPECT_THROW(cluster_average_linkage(three, 2), error);
  EXPECT_THROW(cluster_average_linkage(one, -1), error);
  const std::vector<double> gap = {0, std::numeric_limits<double>::quiet_NaN(), 1, 0};
  EXPECT_THROW(cluster_average_linkage(gap, 2), error);
}

TEST(AverageLinkage, ATreeOverEveryHexachordUnderAsim) {
  // The 50 hexachord classes: the tree holds each item once, every merge
  // joins two clusters not joined before, sizes add up, heights never fall.
  std::vector<PcSet> sets;
  for (const SetClass& sc : classes(6)) sets.push_back(sc.rahn_prime);
  const int n = static_cast<int>(sets.size());
  const Dendrogram tree = cluster_average_linkage(matrix(Measure::asim, sets), n);
  ASSERT_EQ(tree.merges.size(), sets.size() - 1);
  std::vector<int> sizes(static_cast<std::size_t>(2 * n - 1), 1);
  std::vector<bool> used(sizes.size(), false);
  double height = 0;
  for (std::size_t k = 0; k < tree.merges.size(); ++k) {
    const Merge& m = tree.merges[k];
    ASSERT_LT(m.first, n + static_cast<int>(k));
    ASSERT_LT(m.second, n + static_cast<int>(k));
    EXPECT_FALSE(used[static_cast<std::size_t>(m.first)] ||
                 used[static_cast<std::size_t>(m.second)]);
    used[static_cast<std::size_t>(m.first)] = used[static_cast<std::size_t>(m.second)] = true;
    sizes[static_cast<std::size_t>(n) + k] =
        sizes[static_cast<std::size_t>(m.first)] + sizes[static_cast<std::size_t>(m.second)];
    EXPECT_EQ(m.size, sizes[static_cast<std::size_t>(n) + k]);
    EXPECT_GE(m.height, height) << "merge " << k;
    height = m.height;
  }
  std::vector<int> sorted = tree.order;
  std::ranges::sort(sorted);
  std::vector<int> all(static_cast<std::size_t>(n));
  std::iota(all.begin(), all.end(), 0);
  EXPECT_EQ(sorted, all);
}

}  // namespace
