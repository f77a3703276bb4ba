#include "features/setreport.h"

#include "console/funnel.h"
#include "console/setwriters.h"
#include "core/intervals.h"
#include "core/primeform.h"
#include "core/settable.h"
#include "features/satvectors.h"
#include "features/session.h"
#include "features/setinput.h"

namespace {

void writerule(const char* ending) {
  mwrite(
      "<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<"
      ">>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>");
  mwrite(ending);
}

// The set as the image of its prime form under the algorithm, then the
// operator and the form: "{740} =  T7I of [037]".
void writeasimage(bitvec set, pelantor::Algorithm algorithm) {
  const pelantor::PrimeForm form = pelantor::prime_form(pelantor::PcSet::from_bits(set), algorithm);
  writeimage(form);
  mwrite(" =  ");
  mwrite(pelantor::to_string(form.op).c_str());
  mwrite(" of ");
  writeset(form.prime, setstyle::brackets);
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
  writevector(std::span<const int>(icv + 1, 6));
  mwrite("    Invariance vector:  ");
  writevector(invariance);
  mwrite("\n    VTICS:  ");
  writevector(std::span<const int>(vt, 12));

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
  writevector(std::span<const int>(adjusted + 1, 6));
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

void writerelated(bitvec set, const setentry& entry, pelantor::Algorithm algorithm) {
  const int c = bitcount(set);
  mwrite("\n  RELATED SETS / SET-CLASSES:\n");
  mwrite("    Literal comp: ");
  writeasimage(compliment(set), algorithm);
  mwrite("  (Abstract comp.)\n");
  const pelantor::SetClass& setclass = pelantor::set_class_of(pelantor::PcSet::from_bits(set));
  writezpartner(setclass, algorithm);
  mwrite("    M/MI = ");
  writeprimeform(pelantor::PcSet::from_bits(calc(set, opM, 0)), algorithm);
  mwrite(" (");
  writenum(c);
  mwrite(entry.zpartner != 0 ? "-z" : "-");
  writenum(static_cast<int>(entry.mpartner));
  mwrite(")\n");
}

// The whole report on a set of 2..12 members without the exclusion mark.
void writereport(bitvec set, pelantor::Algorithm algorithm) {
  const int c = bitcount(set);
  // The class is always found through the Rahn prime form.
  const int row = binsearch(sendlocinfo(c, 0), sendlocinfo(c, 1), primeform(set, rahn));
  const setentry& entry = sendentry(row);

  writerule("\n");
  mwrite("Input set: ");
  writeasimage(set, algorithm);
  mwrite("  Forte label: ");
  writeforte(pelantor::set_class_of(pelantor::PcSet::from_bits(set)));
  writeproperties(set);
  writerelated(set, entry, algorithm);
  writerule("\n\n");
}

// While the set has fewer than two members, refuses it and reads another;
// the exclusion mark does not count.
pelantor::PcSet atleastdyad(pelantor::PcSet set) {
  while (set.size() < 2) {
    screen("Surely you don't want to see information about a one-element set!\n\n");
    screen("Please input a pc-set (at least a dyad):  ");
    set = readset().set;
  }
  return set;
}

}  // namespace

void showsetinfo(session& s) {
  screen("Please input a pc-set:  ");
  pelantor::PcSet set = readset().set;
  for (;;) {
    set = atleastdyad(set);
    writereport(set.bits(), s.algorithm);
    screen("Enter another set or hit ENTER to return to main menu:  ");
    set = readsetorempty().set;
    if (set.empty()) {
      screen("\n\n");
      return;
    }
  }
}
