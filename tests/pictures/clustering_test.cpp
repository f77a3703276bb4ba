// Average-linkage clustering: joins, heights and leaf order worked out by
// hand on small tables.
#include "pictures/clustering.h"

#include <gtest/gtest.h>

#include <vector>

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

}  // namespace
