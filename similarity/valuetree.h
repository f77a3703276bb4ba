#pragma once
// The value tree of a comparison with every set class: one node per distinct
// value, smaller values to the left, each node listing its sets in the order
// they came.

#include <vector>

#include "core/makeset.h"
#include "pelantor/primeform.h"

struct node {
  node* left;
  std::vector<bitvec> sets;  // grows as needed: no set is ever dropped
  double value;
  node* right;
};

// A new node, owned by the caller until it joins a tree.
node* talloc();
// Files set under value and returns the tree's root (new when tree was
// empty).  Values equal up to rounding residue (within 1e-9 of the larger
// magnitude, or of 1) share the node of the value that came first.
node* insert(bitvec set, node* tree, double value);
// Writes the listing through the funnel, smaller values first: each value
// with three decimals, then its sets in brackets with their class summary,
// one a line (a Z-correspondent in its prime form under the algorithm).
// Adds one to *distinct per node.
void printall(const node* tree, pelantor::Algorithm algorithm, int* distinct);
// Releases every node; returns the empty tree.
node* erasetree(node* tree);
