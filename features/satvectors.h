#pragma once
// Saturation, cycle and fragmentation vectors of one set.  Every vector uses
// slots 1..6 (interval classes); slot 0 holds nothing.  c is the set's
// cardinality.
//
// Saturation entries share one signed encoding: d >= 0 means d below the
// maximum (max-d); e < 0 means -e - 1 above the minimum (min+(-e - 1)).
//
// Cycle weights are held exactly, as integer hundredths (1.20 is 120), so
// that a set lying on a bound is filed on the right side of it.

#include "core/makeset.h"

// IC saturation vector a (which 1: distance from the nearer bound, ties to
// the maximum) or b (which 0: from the farther bound, ties to the minimum).
void getaltvec(const int icv[7], int c, int which, int out[7]);
// icv[k] minus the least count of interval class k for c notes.
void getadjustedvec(const int icv[7], int c, int out[7]);
// Proportional ICSATV: adjusted[k] over the range of interval class k; 0
// where the range is empty (11 and 12 notes).
void getpercentvec(const int adjusted[7], int c, double out[7]);
// PICSAT%V: each proportional entry over the sum of the six; all 0 when
// that sum is 0.
void getnewpercentvec(const double proportional[7], double out[7]);
// Fills the Weighted IC Cyc Vec (hundredths); with print != 0 also writes
// the fragmentation display and the IC Cycle Vector through the funnel.
void getcompactvector(bitvec set, int weighted[7], int print);
// The cycle analysis behind it: rows[k] (k = 1..6) receives the numbers of
// links of the maximal chains of members along the cycles of interval k,
// longest first, 0 after the last; row 0 is cleared.  print as above.
void getcyclerows(bitvec set, int rows[7][13], int print);
// Walks one cycle of interval k: position i (from..to) is pitch class
// (i * k + offset) mod 12.  Stores the link counts of its chains in
// row[from..to] (and clears row[to + 1]); with print != 0 writes the cycle
// as "[", a digit per member or "-", "] ".
void fragmentation(bitvec set, int k, int row[13], int from, int to, int offset, int print);
// out[k] = the weights of the six longest chains of rows[k], summed.
void compactpartition(const int rows[7][13], int out[7]);
// The weight of a chain of n links (0..12), in hundredths.
int pyramid(int n);

// CycSATV a (which 1) or b (which 0) from the weighted vector, in units.
// Distances beyond a bound count as 0.
void getCycSATV(const int weighted[7], int c, int which, double out[7]);
// Proportional CycSATV, clamped to 0..1; 0 where the range is empty.
void getPCycSATV(const int weighted[7], int c, double out[7]);

// The normalising sums over the six interval classes of the ranges of the
// IC counts (altcard) and of the cycle weights (partcard, in units).
int sendaltcard(int c);
double sendpartcard(int c);
// The least and greatest Weighted IC Cyc Vec entry of interval class k over
// the set classes of c notes, in hundredths.
int sendpartmin(int c, int k);
int sendpartmax(int c, int k);

// Printers, through the funnel.
void printaltvec(const int v[7]);           // <max-d, min+d, ...>
void printfragvec(const double v[7]);       // the same with two decimals
void printmaxvec(const double v[7]);        // <0.333,   0.250, ...>
void printweighted(const int weighted[7]);  // <1.20, 1.20, ...>
