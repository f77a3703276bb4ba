#include "similarity/valuetree.h"

#include <algorithm>
#include <cmath>

#include "console/funnel.h"
#include "console/setwriters.h"

namespace {

// Two values computed along different roads may differ in their last bits
// although they are the same number (2/3 as 0.6666666666666666 and as
// 0.6666666666666667); such values belong to one group.
bool samevalue(double a, double b) {
  const double scale = std::max({1.0, std::fabs(a), std::fabs(b)});
  return std::fabs(a - b) <= 1e-9 * scale;
}

}  // namespace

node* talloc() {
  return new node{};
}

node* insert(bitvec set, node* tree, double value) {
  if (tree == nullptr) {
    tree = talloc();
    tree->sets.push_back(set);
    tree->value = value;
  } else if (samevalue(tree->value, value)) {
    tree->sets.push_back(set);
  } else if (tree->value > value) {
    tree->left = insert(set, tree->left, value);
  } else {
    tree->right = insert(set, tree->right, value);
  }
  return tree;
}

void printall(const node* tree, pelantor::Algorithm algorithm, int* distinct) {
  if (tree == nullptr) return;
  printall(tree->left, algorithm, distinct);
  writereal(tree->value);
  ++*distinct;
  bool first = true;
  for (const bitvec set : tree->sets) {
    // Later sets line up under the first, past the value and its blanks.
    spaces(first ? 2 : 7);
    first = false;
    writeset(pelantor::PcSet::from_bits(set), setstyle::brackets);
    writeclasssummary(pelantor::PcSet::from_bits(set), algorithm);
    mwrite("\n");
  }
  printall(tree->right, algorithm, distinct);
}

node* erasetree(node* tree) {
  if (tree != nullptr) {
    erasetree(tree->left);
    erasetree(tree->right);
    delete tree;
  }
  return nullptr;
}
