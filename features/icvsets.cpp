#include "features/icvsets.h"

#include <string>

#include "console/funnel.h"
#include "console/setwriters.h"
#include "core/intervals.h"
#include "core/settable.h"
#include "features/prompts.h"

namespace {

// 2..12, or answerx for every cardinality.
int askcardinality(session& s) {
  return ask(s,
             "What cardinality set would you like to create?\n"
             "  (type \"x\" if you would like to see all sets that match)\n"
             "\n"
             "Cardinality (2-12):  ",
             numberorx(2, 12), "\n");
}

// Slots 1..6 of want: the wanted count of each interval class, or answerx
// for an open place.  A numeric cardinality bounds each count by what sets of
// that size can hold.
void askvector(int card, int want[7], session& s) {
  for (int i = 1; i <= 6; ++i) {
    const int lo = card == answerx ? 0 : sendicmin(card, i);
    const int hi = card == answerx ? 12 : sendicmax(card, i);
    const std::string question =
        "Enter desired interval-class " + std::to_string(i) + " content ('x' to leave open):  ";
    want[i] = ask(s, question, numberorx(lo, hi));
  }
  screen("\n");
}

bool matches(bitvec set, const int want[7]) {
  int icv[7] = {};
  icvector(set, icv);
  for (int i = 1; i <= 6; ++i) {
    if (want[i] != answerx && want[i] != icv[i]) return false;
  }
  return true;
}

}  // namespace

void findsetsbyicvector(session& s) {
  for (;;) {
    const int card = askcardinality(s);
    int want[7] = {};
    askvector(card, want, s);

    if (card == answerx) {
      mwrite("All ");
    } else {
      writenum(card);
      mwrite("-note ");
    }
    mwrite("sets with interval-class vector: ");
    pelantor::IcPattern pattern;
    for (int i = 1; i <= 6; ++i) {
      if (want[i] != answerx) pattern[i - 1] = want[i];
    }
    writevector(pattern);
    mwrite("\n");

    const int first = sendlocinfo(card == answerx ? 2 : card, 0);
    const int last = sendlocinfo(card == answerx ? 12 : card, 1);
    int found = 0;
    for (int row = first; row <= last; ++row) {
      const bitvec prime = getbitvec(row);
      if (!matches(prime, want)) continue;
      ++found;
      mwrite("  ");
      writeprimeform(pelantor::PcSet::from_bits(prime), s.algorithm);
      writeclasssummary(pelantor::PcSet::from_bits(prime), s.algorithm);
      mwrite("\n");
    }
    if (found == 0) mwrite("Sorry, there are no matching sets\n");

    mwrite("\n");
    if (askexittomenu()) return;
  }
}
