// The measures that compare two sets through the subset classes they embed:
// TSATSIM and AvgSATSIMn (saturation extended from the interval classes to
// every subset class), Rahn's ATMEMB and Lewin's REL.

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/embedinfo.h"
#include "core/intervals.h"
#include "core/settable.h"
#include "similarity/measures.h"

namespace {

// [subset cardinality k][set cardinality c]: the sum over the subset classes
// of k notes of (most - fewest embeddings possible in a set of c notes).
// Row 2 is the IC saturation normalising sum.  Columns c = 0..12.
// clang-format off
constexpr int satvcard[13][13] = {
    {   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0},  // k = 0
    {   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0},  // k = 1
    {   0,   0,   6,  12,  18,  21,  28,  21,  18,  12,   6,   0,   0},  // k = 2
    {   0,   0,   0,  12,  29,  42,  70,  74,  77,  61,  27,   0,   0},  // k = 3
    {   0,   0,   0,   0,  29,  45,  83, 114, 164, 142,  87,   0,   0},  // k = 4
    {   0,   0,   0,   0,   0,  38,  80, 107, 185, 208, 160,   0,   0},  // k = 5
    {   0,   0,   0,   0,   0,   0,  50,  73, 145, 213, 178,   0,   0},  // k = 6
    {   0,   0,   0,   0,   0,   0,   0,  38,  82, 134, 160,   0,   0},  // k = 7
    {   0,   0,   0,   0,   0,   0,   0,   0,  29,  50,  87,   0,   0},  // k = 8
    {   0,   0,   0,   0,   0,   0,   0,   0,   0,  12,  27,   0,   0},  // k = 9
    {   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   6,   0,   0},  // k = 10
    {   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0},  // k = 11
    {   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0},  // k = 12
};
// clang-format on

// The per-set vectors of the embedding measures.  They depend on the set
// alone and cost a few hundred embedding counts each, so they are worked out
// once per distinct set and kept for the rest of the run.
struct embvectors {
  int card;
  int counts[classvecsize];  // ncv
  int a[classvecsize];       // satvn form a
  int b[classvecsize];       // satvn form b
};

const embvectors& vectorsof(bitvec set) {
  static std::unique_ptr<embvectors> known[4096];
  set &= aggregate;
  if (!known[set]) {
    auto v = std::make_unique<embvectors>();
    v->card = bitcount(set);
    ncv(set, v->counts);
    satvn(set, v->a, v->b);
    known[set] = std::move(v);
  }
  return *known[set];
}

int firstrow(int k) {
  return sendlocinfo(k, 0);
}
int lastrow(int k) {
  return sendlocinfo(k, 1);
}

// The subset cardinalities 2..m that TSATSIM and AvgSATSIMn compare: all but
// the smaller set's own, yet never fewer than the dyads.
int largestsubset(int card1, int card2) {
  return std::max(2, std::min(card1, card2) - 1);
}

// The two-sided saturation comparison of one embedding-table row.  Here an
// entry below 0 is measured from the most embeddings possible.
int rowdifference(const int a1[], const int b1[], const int a2[], const int b2[], int r) {
  return satdistance(a1[r], a2[r], b2[r]) + satdistance(a2[r], a1[r], b1[r]);
}

}  // namespace

int sendsatvcard(int k, int c) {
  return k >= 0 && k <= 12 && c >= 0 && c <= 12 ? satvcard[k][c] : 0;
}

void ncv(bitvec set, int counts[classvecsize]) {
  const int c = bitcount(set);
  for (int i = firstrow(2); i <= lastrow(c); ++i) counts[i] = setinclude(set, getbitvec(i));
}

void satvn(bitvec set, int a[classvecsize], int b[classvecsize]) {
  const int c = bitcount(set);
  for (int r = firstrow(2) - 1; r <= lastrow(c) - 1; ++r) {
    const int n = setinclude(set, sendembedding(c, r, 0));
    const int above = n - int(sendembedding(c, r, 2));  // over the fewest possible
    const int below = int(sendembedding(c, r, 3)) - n;  // under the most possible
    if (below > above) {
      a[r] = above;
      b[r] = -below - 1;
    } else {
      a[r] = -below - 1;
      b[r] = above;
    }
  }
}

double satsimn(const int a1[classvecsize], const int b1[classvecsize], const int a2[classvecsize],
               const int b2[classvecsize], int card1, int card2) {
  const int m = largestsubset(card1, card2);
  int total = 0;
  for (int r = firstrow(2) - 1; r <= lastrow(m) - 1; ++r) total += rowdifference(a1, b1, a2, b2, r);
  int divisor = 0;
  for (int k = 2; k <= m; ++k) divisor += satvcard[k][card1] + satvcard[k][card2];
  return double(total) / double(divisor);
}

double tsatsim(bitvec set1, bitvec set2) {
  const embvectors& v1 = vectorsof(set1);
  const embvectors& v2 = vectorsof(set2);
  return satsimn(v1.a, v1.b, v2.a, v2.b, v1.card, v2.card);
}

double avgsatsimn(bitvec set1, bitvec set2) {
  const embvectors& v1 = vectorsof(set1);
  const embvectors& v2 = vectorsof(set2);
  const int m = largestsubset(v1.card, v2.card);
  // Each subset cardinality counts equally, however many classes it has.
  double total = 0.0;
  int cardinalities = 0;
  for (int k = 2; k <= m; ++k) {
    int sum = 0;
    for (int r = firstrow(k) - 1; r <= lastrow(k) - 1; ++r) {
      sum += rowdifference(v1.a, v1.b, v2.a, v2.b, r);
    }
    total += double(sum) / double(satvcard[k][v1.card] + satvcard[k][v2.card]);
    ++cardinalities;
  }
  return total / cardinalities;
}

double atmemb(bitvec set1, bitvec set2) {
  const embvectors& v1 = vectorsof(set1);
  const embvectors& v2 = vectorsof(set2);
  const int m = std::min(v1.card, v2.card);
  double total = 0.0;
  for (int i = firstrow(2); i <= lastrow(m); ++i) {
    if (v1.counts[i] != 0 && v2.counts[i] != 0) total += v1.counts[i] + v2.counts[i];
  }
  // The subsets of two or more notes of both sets.
  const double subsets =
      std::pow(2.0, v1.card) + std::pow(2.0, v2.card) - double(v1.card + v2.card + 2);
  return total / subsets;
}

double rel(bitvec set1, bitvec set2) {
  const embvectors& v1 = vectorsof(set1);
  const embvectors& v2 = vectorsof(set2);
  const int m = std::min(v1.card, v2.card);
  double roots = 0.0, total1 = 0.0, total2 = 0.0;
  for (int i = firstrow(2); i <= lastrow(m); ++i) {
    if (v1.counts[i] != 0 && v2.counts[i] != 0) {
      roots += std::sqrt(double(v1.counts[i] * v2.counts[i]));
    }
    total1 += v1.counts[i];
    total2 += v2.counts[i];
  }
  return roots / std::sqrt(total1 * total2);
}
