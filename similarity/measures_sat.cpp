// The measures that compare how far two sets' interval content lies from the
// extremes their cardinalities allow: the IC saturation vectors, their
// proportional forms, and the cycle saturation vectors.

#include "core/intervals.h"
#include "features/satvectors.h"
#include "similarity/measures.h"

namespace {

// The Weighted IC Cyc Vec of a set, worked out once per distinct set: the
// cycle analysis is the costliest part of the cyclic measures, and a
// comparison with every class or a long set list meets the same sets again
// and again.
const int* weightedvector(bitvec set) {
  static int weighted[4096][7];
  static bool known[4096];
  set &= aggregate;
  if (!known[set]) {
    getcompactvector(set, weighted[set]);
    known[set] = true;
  }
  return weighted[set];
}

// IC saturation vectors a and b of a set.
int icsaturation(bitvec set, int a[7], int b[7]) {
  int icv[7];
  icvector(set, icv);
  const int c = bitcount(set);
  getaltvec(icv, c, 1, a);
  getaltvec(icv, c, 0, b);
  return c;
}

// Proportional ICSATV: each count's place between the fewest and the most
// possible, 0..1.
void proportional(bitvec set, double p[7]) {
  int icv[7], adjusted[7];
  icvector(set, icv);
  const int c = bitcount(set);
  getadjustedvec(icv, c, adjusted);
  getpercentvec(adjusted, c, p);
}

// The proportional vector scaled to sum 1 (PICSAT%V).
void scaledproportional(bitvec set, double scaled[7]) {
  double p[7];
  proportional(set, p);
  getnewpercentvec(p, scaled);
}

double apart(double x, double y) {
  return x > y ? x - y : y - x;
}

}  // namespace

double comparevalue(const int a1[7], const int b1[7], const int a2[7], const int b2[7], int card1,
                    int card2) {
  int total = 0;
  // Each side lets one set's nearer bound decide which of the other set's
  // forms is measured from that same bound.
  for (int i = 1; i <= 6; ++i) {
    total += satdistance(a1[i], a2[i], b2[i]);
    total += satdistance(a2[i], a1[i], b1[i]);
  }
  return double(total) / double(sendaltcard(card1) + sendaltcard(card2));
}

double comparefragvalue(const double a1[7], const double b1[7], const double a2[7],
                        const double b2[7], int card1, int card2) {
  double total = 0.0;
  for (int i = 1; i <= 6; ++i) {
    total += satdistance(a1[i], a2[i], b2[i]);
    total += satdistance(a2[i], a1[i], b1[i]);
  }
  return total / (sendpartcard(card1) + sendpartcard(card2));
}

double comparepercentvalue(const double p[7], const double q[7]) {
  double total = 0.0;
  for (int i = 1; i <= 6; ++i) total += apart(p[i], q[i]);
  return total;
}

double satsim(bitvec set1, bitvec set2) {
  int a1[7], b1[7], a2[7], b2[7];
  const int card1 = icsaturation(set1, a1, b1);
  const int card2 = icsaturation(set2, a2, b2);
  return comparevalue(a1, b1, a2, b2, card1, card2);
}

double percentsatsim(bitvec set1, bitvec set2) {
  double p1[7], p2[7];
  proportional(set1, p1);
  proportional(set2, p2);
  return comparepercentvalue(p1, p2) / 6.0;
}

double csatsim(bitvec set1, bitvec set2) {
  const int card1 = bitcount(set1), card2 = bitcount(set2);
  const int* w1 = weightedvector(set1);
  const int* w2 = weightedvector(set2);
  double a1[7], b1[7], a2[7], b2[7];
  getCycSATV(w1, card1, 1, a1);
  getCycSATV(w1, card1, 0, b1);
  getCycSATV(w2, card2, 1, a2);
  getCycSATV(w2, card2, 0, b2);
  return comparefragvalue(a1, b1, a2, b2, card1, card2);
}

double percentsatpercentsim(bitvec set1, bitvec set2) {
  double p1[7], p2[7];
  scaledproportional(set1, p1);
  scaledproportional(set2, p2);
  return comparepercentvalue(p1, p2) / 2.0;
}

double adjpercentsatpercentsim(bitvec set1, bitvec set2) {
  double p1[7], p2[7];
  scaledproportional(set1, p1);
  scaledproportional(set2, p2);
  double total = 0.0;
  for (int i = 1; i <= 6; ++i) total += 1.0 - apart(p1[i], p2[i]);
  return 1.0 - total / 6.0;
}

double pcycsatsim(bitvec set1, bitvec set2) {
  double p1[7], p2[7];
  getPCycSATV(weightedvector(set1), bitcount(set1), p1);
  getPCycSATV(weightedvector(set2), bitcount(set2), p2);
  return comparepercentvalue(p1, p2) / 6.0;
}
