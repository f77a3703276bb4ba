#include "features/ttocodes.h"

#include "console/funnel.h"
#include "console/setwriters.h"
#include "core/intervals.h"

namespace {

// Whether the operator index belongs to the canon; T always does.
bool incanon(int op, int includeI, int includeM, int includeMI) {
  switch (op) {
    case opI:
      return includeI != 0;
    case opM:
      return includeM != 0;
    case opMI:
      return includeMI != 0;
    default:
      return true;
  }
}

// One half of a line: the transposition digit, the suffix and the two sets.
void writehalf(int code, bitvec from, bitvec to) {
  int op = 0, t = 0;
  converttni(code, &op, &t);
  writehex(t);
  writeTTO(op);
  writeset(pelantor::PcSet::from_bits(from), setstyle::braces);
  mwrite(" --> ");
  writeset(pelantor::PcSet::from_bits(to), setstyle::braces);
}

// "   T0I{048} --> {048}"
void writesingle(int code, bitvec set1, bitvec set2) {
  mwrite("  ");
  mwrite(" T");
  writehalf(code, set1, set2);
  mwrite("\n");
}

// The half of the larger part comes first; on equal sizes the part taken
// out of set1 (sub) leads.
void writesplit(int c1, bitvec sub, bitvec sub2, int c2, bitvec rest1, bitvec rest2) {
  mwrite("  ");
  mwrite(" T");
  if (bitcount(sub) < bitcount(rest1)) {
    writehalf(c2, rest1, rest2);
  } else {
    writehalf(c1, sub, sub2);
  }
  mwrite(" and ");
  mwrite(" T");
  if (bitcount(sub) < bitcount(rest1)) {
    writehalf(c1, sub, sub2);
  } else {
    writehalf(c2, rest1, rest2);
  }
  mwrite("\n");
}

// The splits of one cut of set1 into sub and rest1.  Every operator of the
// canon that carries some part sub2 of set2 onto sub is paired with every
// operator carrying the rest of set2 onto rest1; both are then inverted so
// that they read from set1 to set2.
int writecut(bitvec sub, bitvec rest1, bitvec set2, canon ops, int showall) {
  int count = 0;
  bool found = false;
  for (int op = opT; op <= opMI; ++op) {
    if (!incanon(op, ops.includeI, ops.includeM, ops.includeMI)) continue;
    for (int t = 0; t < 12; ++t) {
      if (showall == 0 && found) return count;
      if (!included(calc(set2, op, t), sub)) continue;
      const int c1 = 100 * op + t;
      const bitvec sub2 = inversecalc(sub, c1);
      const bitvec rest2 = set2 & compliment(sub2);
      int list2[codelistsize];
      transformset(showall, list2, rest1, rest2, ops.includeI, ops.includeM, ops.includeMI);
      for (int i = 1; i < codelistsize && list2[i] != -1 && (showall != 0 || !found); ++i) {
        writesplit(inverseop(c1), sub, sub2, inverseop(list2[i]), rest1, rest2);
        found = true;
        ++count;
      }
    }
  }
  return count;
}

// Every cut of set1 into two non-empty parts, once each: sel picks the part
// sub from all members but the largest, which always stays in the rest.
int writesplits(bitvec set1, bitvec set2, const int partitions[7], canon ops, int showall) {
  int arr[13];
  const int n = settoarray(set1, arr);
  int count = 0;
  for (int sel = 1; sel < (1 << (n - 1)); ++sel) {
    bitvec sub = 0;
    for (int j = 1; j < n; ++j) {
      if ((sel & (1 << (j - 1))) != 0) sub |= bitvec{1} << arr[j];
    }
    const int a = bitcount(sub);
    if (partitions[a < n - a ? a : n - a] == 0) continue;
    count += writecut(sub, set1 & compliment(sub), set2, ops, showall);
  }
  return count;
}

}  // namespace

void transformset(int showall, int list[codelistsize], bitvec a, bitvec b, int includeI,
                  int includeM, int includeMI) {
  for (int i = 0; i < codelistsize; ++i) list[i] = -1;
  int count = 0;
  for (int op = opT; op <= opMI; ++op) {
    if (showall == 0 && count > 0) return;
    if (!incanon(op, includeI, includeM, includeMI)) continue;
    for (int t = 0; t < 12; ++t) {
      if (showall == 0 && count > 0) return;
      if (a == calc(b, op, t)) list[++count] = 100 * op + t;
    }
  }
}

void converttni(int code, int* op, int* t) {
  *op = code / 100;
  *t = code % 100;
}

int inverseop(int code) {
  int op = 0, t = 0;
  converttni(code, &op, &t);
  switch (op) {
    case opT:
      return (12 - t) % 12;
    case opM:
      return 100 * op + 7 * t % 12;
    case opMI:
      return 100 * op + 5 * t % 12;
    default:  // TnI is its own inverse
      return code;
  }
}

bitvec inversecalc(bitvec set, int code) {
  int op = 0, t = 0;
  converttni(inverseop(code), &op, &t);
  return calc(set, op, t);
}

void writeTTO(int op) {
  switch (op) {
    case opI:
      mwrite("I");
      break;
    case opM:
      mwrite("M");
      break;
    case opMI:
      mwrite("MI");
      break;
    default:
      break;
  }
}

int writemappings(bitvec set1, bitvec set2, const int partitions[7], canon ops, int showall) {
  int list[codelistsize];
  for (int i = 0; i < codelistsize; ++i) list[i] = -1;
  if (partitions[0] != 0) {
    transformset(showall, list, set1, set2, ops.includeI, ops.includeM, ops.includeMI);
  }
  // The search finds the operators that map set2 onto set1; their inverses
  // read from set1 to set2.
  // A full list (all 48 operators, only for the aggregate) has no -1 after
  // its last code.
  int count = 0;
  for (int i = 1; i < codelistsize && list[i] != -1; ++i) {
    writesingle(inverseop(list[i]), set1, set2);
    ++count;
  }
  if (list[1] == -1) count += writesplits(set1, set2, partitions, ops, showall);
  return count;
}
