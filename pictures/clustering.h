#pragma once
// Hierarchical clustering by average linkage: items close to each other
// join first, and the tree that records the joins lays the items out in an
// order where alike items sit side by side (the heatmap's order and its
// dendrogram).

#include <span>
#include <vector>

namespace pelantor::pictures {

// One join of two clusters.  Clusters are numbered as they arise: the items
// themselves are 0..n-1, and the cluster that merges[i] makes is n + i.
struct Merge {
  int first;      // the cluster holding the lower-numbered item
  int second;     // the other one
  double height;  // the mean distance between an item of first and one of second
  int size;       // the items in the cluster made
};

struct Dendrogram {
  std::vector<Merge> merges;  // n - 1 joins (none for n < 2), heights never decreasing
  std::vector<int> order;     // every item once: first's items before second's at each join
};

// Clusters n items by average linkage (UPGMA).  distances holds n x n
// numbers row by row; the distance of items i and j is the mean of [i][j]
// and [j][i], so that an asymmetric measure gives one distance per pair;
// the diagonal is not read.  Each step joins the two closest clusters, the
// distance of two clusters being the mean over all pairs of their items;
// among equally close pairs, the one whose lowest items come first (by the
// first cluster's, then the second's) joins first.  Throws error unless
// distances holds n x n finite numbers.
Dendrogram cluster_average_linkage(std::span<const double> distances, int n);

}  // namespace pelantor::pictures
