#include "features/icvsets.h"

#include "console/funnel.h"
#include "console/miscrout.h"
#include "core/intervals.h"
#include "core/primeform.h"
#include "core/settable.h"
#include "features/setreport.h"

namespace {

// 2..12, or answerx for every cardinality.
int askcardinality(int* primealg) {
  int card = -1;
  while (card == -1) {
    screen("What cardinality set would you like to create?\n");
    screen("  (type \"x\" if you would like to see all sets that match)\n\n");
    screen("Cardinality (2-12):  ");
    card = getanswer2(2, 12, primealg);
    screen("\n");
  }
  return card;
}

// Slots 1..6 of want: the wanted count of each interval class, or answerx
// for an open place.  A numeric cardinality bounds each count by what sets of
// that size can hold.
void askvector(int card, int want[7], int* primealg) {
  for (int i = 1; i <= 6; ++i) {
    const int lo = card == answerx ? 0 : sendicmin(card, i);
    const int hi = card == answerx ? 12 : sendicmax(card, i);
    want[i] = -1;
    while (want[i] == -1) {
      screen("Enter desired interval-class %1i content ('x' to leave open):  ", i);
      want[i] = getanswer2(lo, hi, primealg);
    }
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

void createbyivec(int* primealg) {
  for (;;) {
    const int card = askcardinality(primealg);
    int want[7] = {};
    askvector(card, want, primealg);

    if (card == answerx) {
      mwrite("All ");
    } else {
      writenum(card);
      mwrite("-note ");
    }
    mwrite("sets with interval-class vector: ");
    printintvec(want, 1, 6);
    mwrite("\n");

    const int first = sendlocinfo(card == answerx ? 2 : card, 0);
    const int last = sendlocinfo(card == answerx ? 12 : card, 1);
    int found = 0;
    for (int row = first; row <= last; ++row) {
      const bitvec prime = getbitvec(row);
      if (!matches(prime, want)) continue;
      ++found;
      mwrite("  ");
      writeset(primeform(prime, *primealg), 0);
      writeinfo(prime, *primealg);
      mwrite("\n");
    }
    if (found == 0) mwrite("Sorry, there are no matching sets\n");

    mwrite("\n");
    screen("Type ENTER to continue or \"X\" to exit to main menu:  ");
    const int quit = quitnow();
    screen("\n\n");
    if (quit != 0) return;
  }
}
