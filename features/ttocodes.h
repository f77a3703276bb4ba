#pragma once
// Twelve-tone operator codes, and the searches for the operators that map one
// literal set onto another, whole or cut into two parts.
//
// A code holds one operator as 100 * operator index + transposition: 0..11
// are T0..T11, 100..111 T0I..T11I, 200..211 T0M..T11M, 300..311 T0MI..T11MI.
// A code list has 49 entries: entry 0 is always -1, the codes found follow
// from entry 1 on in the order found, and the first -1 after entry 0 ends
// the list (48 codes at most).

#include "core/makeset.h"

inline constexpr int codelistsize = 49;

// The canon of operators searched: Tn always, TnI, TnM and TnMI while the
// matching flag is nonzero (any nonzero value counts as yes).
struct canon {
  int includeI;
  int includeM;
  int includeMI;
};

// Fills list with the codes of the canon's operators that map b onto a
// (a == calc(b, op, t)): T first, then TnI, TnM, TnMI, each for t = 0..11.
// With showall 0 the search stops at the first code found.
void transformset(int showall, int list[codelistsize], bitvec a, bitvec b, int includeI,
                  int includeM, int includeMI);
// Splits a code into its operator index (code / 100) and transposition
// (code % 100).
void converttni(int code, int* op, int* t);
// The code of the inverse operator: Tn gives T(12 - n), TnI itself, TnM
// gives T(7n)M and TnMI gives T(5n)MI (transpositions mod 12).
int inverseop(int code);
// The set that the operator of code maps onto set.
bitvec inversecalc(bitvec set, int code);
// Writes the operator's suffix through the funnel: nothing for T, "I", "M"
// or "MI".
void writeTTO(int op);

// Writes, through the funnel, one line for each operator of the canon that
// maps set1 onto set2 (sets of equal size without the exclusion mark).  When
// none is found, or partitions[0] is 0, writes instead one line for each
// split: a part of set1 mapped by one operator onto a part of set2 and the
// rest by a second operator onto the rest of set2, for every cut of set1
// whose smaller part has a size k with partitions[k] nonzero.  With showall 0
// only the first single operator, and the first split of each cut, is
// written.  Returns the number of lines written.
int writemappings(bitvec set1, bitvec set2, const int partitions[7], canon ops, int showall);
