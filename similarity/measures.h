#pragma once
// The sixteen similarity measures, their dispatcher and their building
// blocks.  Every measure takes two sets of 2 to 10 pitch classes without the
// exclusion mark, the row set first, and returns one double; none prints,
// reads input or changes anything visible.

#include "core/makeset.h"

// Measure numbers, as the measure menu offers them.
inline constexpr int msatsim = 1, mtsatsim = 2, mpercentsatsim = 3, mcsatsim = 4,
                     mpercentsatpercentsim = 5, madjpercentsatpercentsim = 6, mavgsatsimn = 7,
                     masim = 8, micvsim = 9, misim = 10, matmemb = 11, mrel = 12, memb = 13,
                     mcov = 14, mpcycsatsim = 15, mangle = 16;
inline constexpr int measurecount = 16;

// The value of measure (1..16) for the ordered pair; 0.0 for any other
// number.  EMB and COV come back as counts.
double relatesets(bitvec set1, bitvec set2, int measure);

// Interval-class vector measures (symmetric in the two sets).
double asim(bitvec set1, bitvec set2);    // Morris's ASIM, 0..1
double icvsim(bitvec set1, bitvec set2);  // Isaacson's IcVSIM, 0 or more
double isim(bitvec set1, bitvec set2);    // Isaacson's ISIM2, 0 or more
double angle(bitvec set1, bitvec set2);   // Scott & Isaacson's ANGLE, degrees 0..90
// The square-root weight of an interval-class count 1..12, as a short
// decimal; 0.0 for any other count.
double iweight(int count);

// Saturation measures (symmetric, 0 for two sets of one class).
double satsim(bitvec set1, bitvec set2);
double percentsatsim(bitvec set1, bitvec set2);
double csatsim(bitvec set1, bitvec set2);
double percentsatpercentsim(bitvec set1, bitvec set2);
double adjpercentsatpercentsim(bitvec set1, bitvec set2);
double pcycsatsim(bitvec set1, bitvec set2);
// One side of the two-sided saturation comparison at one slot: mine is the
// entry of one set's form a; its sign (below 0: measured from the minimum)
// picks which of the other set's forms, othera or otherb, is measured from
// the same bound, and the distance between the two is returned.
template <typename T>
T satdistance(T mine, T othera, T otherb) {
  const T other =
      mine < T(0) ? (othera < T(0) ? othera : otherb) : (othera > T(-1) ? othera : otherb);
  const T difference = mine < T(0) ? (-other - T(1)) - (-mine - T(1)) : other - mine;
  return difference < T(0) ? -difference : difference;
}

// The two-sided comparison of two sets' IC saturation vectors (forms a and
// b), over the sum of the normalising sums of the two cardinalities.
double comparevalue(const int a1[7], const int b1[7], const int a2[7], const int b2[7], int card1,
                    int card2);
// The same on cycle saturation vectors.
double comparefragvalue(const double a1[7], const double b1[7], const double a2[7],
                        const double b2[7], int card1, int card2);
// The sum over slots 1..6 of |p[i] - q[i]|.
double comparepercentvalue(const double p[7], const double q[7]);

// Embedding measures.
double tsatsim(bitvec set1, bitvec set2);     // dissimilarity, 0 or more
double avgsatsimn(bitvec set1, bitvec set2);  // dissimilarity, 0 or more
double atmemb(bitvec set1, bitvec set2);      // Rahn's ATMEMB, similarity 0..1
double rel(bitvec set1, bitvec set2);         // Lewin's REL, similarity 0..1

// Places of the per-class vectors below: one per set-class table row.
inline constexpr int classvecsize = 224;
// counts[i] = the embeddings in set of the class of set-class row i, for the
// rows of cardinality 2 up to the set's own; other places are not written.
void ncv(bitvec set, int counts[classvecsize]);
// The subset saturation vectors of set, indexed by embedding-table row, for
// the subset classes of cardinality 2 up to the set's own.  An entry of 0 or
// more is a distance from the fewest embeddings possible, an entry e below 0
// the distance -e - 1 from the most; a holds the nearer bound (the most on a
// tie), b the other.
void satvn(bitvec set, int a[classvecsize], int b[classvecsize]);
// TSATSIM from two sets' subset saturation vectors and cardinalities: the
// subset classes of cardinality 2 up to one less than the smaller
// cardinality (at least 2) take part.
double satsimn(const int a1[classvecsize], const int b1[classvecsize], const int a2[classvecsize],
               const int b2[classvecsize], int card1, int card2);
// The sum over the subset classes of cardinality k of the range of their
// embedding counts in sets of c notes (0 outside 2 <= k <= c <= 10).
int sendsatvcard(int k, int c);
