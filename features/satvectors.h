#pragma once
// Saturation and cycle vectors of one set on bit patterns, which the
// similarity measures still compute with (the set report takes the engine's,
// pelantor/vectors.h).  Every vector uses slots 1..6 (interval classes); slot
// 0 holds nothing.  c is the set's cardinality.
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
// Fills the Weighted IC Cyc Vec (hundredths): for each interval class k, the
// weights of the chains of members along the cycles of interval k, summed.
void getcompactvector(bitvec set, int weighted[7]);

// CycSATV a (which 1) or b (which 0) from the weighted vector, in units.
// Distances beyond a bound count as 0.
void getCycSATV(const int weighted[7], int c, int which, double out[7]);
// Proportional CycSATV, clamped to 0..1; 0 where the range is empty.
void getPCycSATV(const int weighted[7], int c, double out[7]);

// The normalising sums over the six interval classes of the ranges of the
// IC counts (altcard) and of the cycle weights (partcard, in units).
int sendaltcard(int c);
double sendpartcard(int c);
