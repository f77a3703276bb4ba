#include "similarity/valuetree.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The values in order, with the sets of each node.
void collect(const node* tree, std::vector<double>& values,
             std::vector<std::vector<bitvec>>& sets) {
  if (tree == nullptr) return;
  collect(tree->left, values, sets);
  values.push_back(tree->value);
  sets.push_back(tree->sets);
  collect(tree->right, values, sets);
}

TEST(ValueTree, OrdersValuesAndKeepsInsertionOrderWithinOne) {
  node* tree = nullptr;
  tree = insert(1, tree, 0.5);
  tree = insert(2, tree, 0.25);
  tree = insert(3, tree, 0.75);
  tree = insert(4, tree, 0.5);
  tree = insert(5, tree, 0.25);
  std::vector<double> values;
  std::vector<std::vector<bitvec>> sets;
  collect(tree, values, sets);
  EXPECT_EQ(values, (std::vector<double>{0.25, 0.5, 0.75}));
  EXPECT_EQ(sets, (std::vector<std::vector<bitvec>>{{2, 5}, {1, 4}, {3}}));
  EXPECT_EQ(erasetree(tree), nullptr);
}

TEST(ValueTree, RoundingResidueSharesANode) {
  // 2/3 reached along two roads differs in the last bit.
  const double twothirds = 2.0 / 3.0, other = 1.0 - 1.0 / 3.0;
  ASSERT_NE(twothirds, other);
  node* tree = insert(1, nullptr, twothirds);
  tree = insert(2, tree, other);
  tree = insert(3, tree, 0.6667);  // a different value that prints alike
  std::vector<double> values;
  std::vector<std::vector<bitvec>> sets;
  collect(tree, values, sets);
  ASSERT_EQ(values.size(), 2u);
  EXPECT_EQ(values[0], twothirds);  // the node keeps the first value
  EXPECT_EQ(sets[0], (std::vector<bitvec>{1, 2}));
  erasetree(tree);
}

TEST(ValueTree, LargeValuesGroupRelatively) {
  node* tree = insert(1, nullptr, 60.0);
  tree = insert(2, tree, 60.0 + 1e-12);
  tree = insert(3, tree, 60.001);
  std::vector<double> values;
  std::vector<std::vector<bitvec>> sets;
  collect(tree, values, sets);
  EXPECT_EQ(values.size(), 2u);
  erasetree(tree);
}

TEST(ValueTree, ANodeHoldsEverySet) {
  node* tree = nullptr;
  for (bitvec s = 1; s <= 220; ++s) tree = insert(s, tree, 0.0);
  ASSERT_EQ(tree->sets.size(), 220u);
  EXPECT_EQ(tree->sets.back(), 220u);
  erasetree(tree);
}

}  // namespace
