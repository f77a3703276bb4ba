#include "features/setreport.h"

#include "console/funnel.h"
#include "core/intervals.h"
#include "core/primeform.h"
#include "core/settable.h"
#include "features/satvectors.h"
#include "features/session.h"

namespace {

void writerule(const char* ending) {
  mwrite(
      "<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<"
      ">>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>");
  mwrite(ending);
}

// The set as the image of its prime form under primealg, then the operator
// and the form: "{740} =  T7I of [037]".
void writeasimage(bitvec set, int primealg) {
  int flag = 0;
  int n = 0;
  const bitvec prime = primeform(set, &flag, &n, primealg);
  writetransform(prime, flag, n);
  mwrite(" =  T");
  writehex(n);
  mwrite(flag != 0 ? "I of " : " of ");
  writeset(prime, 0);
}

// " (c-z<ordinal>)" after a Z-correspondent's form.
void writezlabel(int c, int ordinal) {
  mwrite(" (");
  writenum(c);
  mwrite("-z");
  writenum(ordinal);
  mwrite(")");
}

// "    Z = [0137] (4-z29)" for a class with a Z-correspondent, else nothing.
void writezpartner(int c, const setentry& entry, int primealg) {
  if (entry.zpartner == 0) return;
  const int zordinal = static_cast<int>(entry.zpartner);
  mwrite("    Z = ");
  const bitvec zprime = linsearch(sendlocinfo(c, 0), sendlocinfo(c, 1), zordinal);
  writeset(primeform(zprime, primealg), 0);
  writezlabel(c, zordinal);
}

void writeproperties(bitvec set) {
  const int c = bitcount(set);
  int icv[7] = {};
  int invariance[8] = {};
  int vt[13] = {};
  icvector(set, icv);
  invarvec(set, invariance);
  vtics(set, vt);
  mwrite("\n  SET PROPERTIES:\n");
  mwrite("    IC vector:  ");
  printintvec(icv, 1, 6);
  mwrite("    Invariance vector:  ");
  printintvec(invariance, 0, 7);
  mwrite("\n    VTICS:  ");
  printintvec(vt, 0, 11);

  int weighted[7] = {};
  getcompactvector(set, weighted, 1);
  mwrite("\n    Weighted IC Cyc Vec:  ");
  printweighted(weighted);

  int sata[7] = {};
  int satb[7] = {};
  getaltvec(icv, c, 1, sata);
  getaltvec(icv, c, 0, satb);
  mwrite("\n    IC saturation vector a:  ");
  printaltvec(sata);
  mwrite("\n                         b:  ");
  printaltvec(satb);

  int adjusted[7] = {};
  double proportional[7] = {};
  double picsat[7] = {};
  getadjustedvec(icv, c, adjusted);
  getpercentvec(adjusted, c, proportional);
  getnewpercentvec(proportional, picsat);
  mwrite("\n    Adjusted IC vector:  ");
  printintvec(adjusted, 1, 6);
  mwrite("\n    Proportional ICSATV:  ");
  printmaxvec(proportional);
  mwrite("\n    PICSAT%V: ");
  printmaxvec(picsat);

  double cyca[7] = {};
  double cycb[7] = {};
  double pcyc[7] = {};
  getCycSATV(weighted, c, 1, cyca);
  getCycSATV(weighted, c, 0, cycb);
  getPCycSATV(weighted, c, pcyc);
  mwrite("\n    CycSATV a: ");
  printfragvec(cyca);
  mwrite("\n            b: ");
  printfragvec(cycb);
  mwrite("\n    Proportional CycSATV:  ");
  printmaxvec(pcyc);
}

void writerelated(bitvec set, const setentry& entry, int primealg) {
  const int c = bitcount(set);
  mwrite("\n  RELATED SETS / SET-CLASSES:\n");
  mwrite("    Literal comp: ");
  writeasimage(compliment(set), primealg);
  mwrite("  (Abstract comp.)\n");
  writezpartner(c, entry, primealg);
  mwrite("    M/MI = ");
  writeset(primeform(calc(set, opM, 0), primealg), 0);
  mwrite(" (");
  writenum(c);
  mwrite(entry.zpartner != 0 ? "-z" : "-");
  writenum(static_cast<int>(entry.mpartner));
  mwrite(")\n");
}

// The whole report on a set of 2..12 members without the exclusion mark.
void writereport(bitvec set, int primealg) {
  const int c = bitcount(set);
  // The class is always found through the Rahn prime form.
  const int row = binsearch(sendlocinfo(c, 0), sendlocinfo(c, 1), primeform(set, rahn));
  const setentry& entry = sendentry(row);

  writerule("\n");
  mwrite("Input set: ");
  writeasimage(set, primealg);
  mwrite("  Forte label: ");
  writeforte(set);
  writeproperties(set);
  writerelated(set, entry, primealg);
  writerule("\n\n");
}

// Clears the exclusion mark; while fewer than two members remain, refuses
// the set and reads another.
bitvec atleastdyad(bitvec set) {
  set &= aggregate;
  while (bitcount(set) < 2) {
    screen("Surely you don't want to see information about a one-element set!\n\n");
    screen("Please input a pc-set (at least a dyad):  ");
    readset(&set);
    set &= aggregate;
  }
  return set;
}

}  // namespace

void showsetinfo(session& s) {
  bitvec set = 0;
  screen("Please input a pc-set:  ");
  readset(&set);
  for (;;) {
    set = atleastdyad(set);
    writereport(set, s.primeformalgorithm);
    screen("Enter another set or hit ENTER to return to main menu:  ");
    readsetII(&set);
    if (set == 0 || set == exclusionmark) {
      screen("\n\n");
      return;
    }
  }
}

void writeinfo(bitvec set, int primealg) {
  set &= aggregate;
  const int c = bitcount(set);
  int icv[7] = {};
  icvector(set, icv);
  writesc(set);
  spaces(2);
  printintvec(icv, 1, 6);
  if (c > 0) writezpartner(c, sendentry(classrow(set)), primealg);
}
