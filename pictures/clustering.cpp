#include "pictures/clustering.h"

#include <cmath>
#include <cstddef>
#include <string>
#include <utility>

#include "pelantor/error.h"

namespace pelantor::pictures {

namespace {

// A square table of distances between clusters, each kept in the slot of its
// lowest item.
class DistanceTable {
 public:
  DistanceTable(std::span<const double> distances, int n)
      : n_(static_cast<std::size_t>(n)), cells_(distances.begin(), distances.end()) {
    for (std::size_t i = 0; i < n_; ++i) {
      for (std::size_t j = i + 1; j < n_; ++j) set(i, j, (at(i, j) + at(j, i)) / 2);
    }
  }
  double at(std::size_t i, std::size_t j) const { return cells_[i * n_ + j]; }
  void set(std::size_t i, std::size_t j, double distance) {
    cells_[i * n_ + j] = distance;
    cells_[j * n_ + i] = distance;
  }

 private:
  std::size_t n_;
  std::vector<double> cells_;
};

void check(std::span<const double> distances, int n) {
  if (n < 0 || distances.size() != static_cast<std::size_t>(n) * static_cast<std::size_t>(n)) {
    const std::string count = std::to_string(n);
    throw error("clustering " + count + " items needs " + count + " x " + count +
                " distances, not " + std::to_string(distances.size()));
  }
  for (const double d : distances) {
    if (!std::isfinite(d)) throw error("clustering needs finite distances");
  }
}

// The mean distance to a third cluster from the union of clusters a and b
// of the given sizes, computed as the lower distance plus a part of the
// difference, so that rounding never takes it below the lower one and
// merge heights never decrease.
double joined_distance(double to_a, int size_a, double to_b, int size_b) {
  const bool a_is_lower = to_a <= to_b;
  const double lower = a_is_lower ? to_a : to_b;
  const double higher = a_is_lower ? to_b : to_a;
  const int higher_size = a_is_lower ? size_b : size_a;
  return lower + (higher - lower) * higher_size / (size_a + size_b);
}

// The closest pair of live slots, the first met in slot order on ties.
std::pair<std::size_t, std::size_t> closest(const DistanceTable& table,
                                            const std::vector<std::size_t>& live) {
  std::pair<std::size_t, std::size_t> best{live[0], live[1]};
  for (std::size_t a = 0; a < live.size(); ++a) {
    for (std::size_t b = a + 1; b < live.size(); ++b) {
      if (table.at(live[a], live[b]) < table.at(best.first, best.second)) {
        best = {live[a], live[b]};
      }
    }
  }
  return best;
}

// The items under the last merge, first's before second's at every join.
std::vector<int> leaf_order(const std::vector<Merge>& merges, int n) {
  std::vector<int> order;
  std::vector<int> pending{merges.empty() ? 0 : n + static_cast<int>(merges.size()) - 1};
  while (!pending.empty()) {
    const int cluster = pending.back();
    pending.pop_back();
    if (cluster < n) {
      order.push_back(cluster);
      continue;
    }
    const Merge& merge = merges[static_cast<std::size_t>(cluster - n)];
    pending.push_back(merge.second);
    pending.push_back(merge.first);
  }
  return order;
}

}  // namespace

Dendrogram cluster_average_linkage(std::span<const double> distances, int n) {
  check(distances, n);
  if (n == 0) return {};
  DistanceTable table(distances, n);
  // A slot holds the cluster whose lowest item is the slot's number; the
  // merged cluster stays in the lower slot of the two.
  std::vector<std::size_t> live;
  std::vector<int> cluster, size(static_cast<std::size_t>(n), 1);
  for (int i = 0; i < n; ++i) {
    live.push_back(static_cast<std::size_t>(i));
    cluster.push_back(i);
  }
  Dendrogram tree;
  while (live.size() > 1) {
    const auto [a, b] = closest(table, live);
    tree.merges.push_back({cluster[a], cluster[b], table.at(a, b), size[a] + size[b]});
    for (const std::size_t c : live) {
      if (c == a || c == b) continue;
      table.set(a, c, joined_distance(table.at(a, c), size[a], table.at(b, c), size[b]));
    }
    size[a] += size[b];
    cluster[a] = n + static_cast<int>(tree.merges.size()) - 1;
    std::erase(live, b);
  }
  tree.order = leaf_order(tree.merges, n);
  return tree;
}

}  // namespace pelantor::pictures
