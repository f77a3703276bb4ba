// Main-menu entry 2: the dialogue of the subset combination and the listing
// of its results.  The search itself is in subsetcombine.cpp.

#include "features/subsetsII.h"

#include <algorithm>

#include "console/funnel.h"
#include "console/miscrout.h"
#include "core/primeform.h"
#include "core/settable.h"
#include "features/setreport.h"
#include "features/subsetcombine.h"

namespace {

// Reads a new group: how many sets, then each set; a set typed with n is an
// exclusion set.  old is not used.
std::unique_ptr<subsetgroup> getsubsets(const subsetgroup* /*old*/, int* primealg) {
  std::unique_ptr<subsetgroup> g = ssalloc();
  int howmany = -1;
  while (howmany == -1) {
    screen(" NOTE: Combining more than four subsets (not including\n");
    screen("       those you wish to omit) may take a very long time.\n\n");
    screen("How many subsets would you like to use?  (1 - 12 possible) ");
    howmany = getanswer(1, 12, primealg);
    screen("\n");
  }
  for (int i = 1; i <= howmany; ++i) {
    screen("Type pc set #%1i:  ", i);
    bitvec set = 0;
    readset(&set);
    if ((set & exclusionmark) != 0) {
      g->omitsets[++g->numomit] = set & aggregate;
    } else {
      g->subsets[++g->numsubsets] = set;
      const int c = bitcount(set);
      g->totalcard += c;
      g->maxcard = std::max(g->maxcard, c);
    }
  }
  screen("\n");
  return g;
}

int askoption(int* primealg) {
  int option = -1;
  while (option == -1) {
    screen("Type the number corresponding to the combinations you would like to see:\n");
    screen("   1  = Only those sets where the subsets contain no pitch overlaps\n");
    screen("   2  = Only those sets where the subsets share at least one common pc\n");
    screen("   3  = Both of the above\n");
    screen("   4  = Only combined sets of a specified cardinality\n");
    screen("   5  = All supersets of a specified cardinality that include the\n");
    screen("        entered subset(s) combined without overlap\n");
    screen("   6  = All supersets of a specified cardinality that include the\n");
    screen("        entered subset(s) combined with possible overlap\n\n");
    screen("   Command:  ");
    option = getanswer(1, 6, primealg);
    screen("\n");
  }
  return option;
}

// The size of the results for options 4-6, within what the subsets can give.
int askcardinality(int option, const subsetgroup* g, int* primealg) {
  int lo = g->maxcard, hi = 12;
  if (option == ofcardinality) hi = std::min(g->totalcard, 12);
  if (option == supersetsnooverlap) lo = g->totalcard + 1;
  int card = -1;
  while (card == -1) {
    screen("What cardinality resultant set do you want to see?  ");
    card = getanswer(lo, hi, primealg);
    screen("\n");
  }
  return card;
}

// The reason an option cannot be run on the group, or null.
const char* refusal(int option, const subsetgroup* g) {
  if ((option == nooverlap && g->totalcard > 12) ||
      (option == supersetsnooverlap && g->totalcard >= 12)) {
    return "Sorry, there are too many elements to be combined without overlap\n\n";
  }
  if (option == nooverlap && g->numsubsets == 1) {
    return "Sorry, there are too few elements to be worthwhile.\n\n";
  }
  return nullptr;
}

// The tally list: each counted class in table order with its count right
// aligned in four columns, its prime form as the table holds it and its
// class summary.
void inorder(int primealg) {
  bool any = false;
  for (int row = 1; row < settablesize; ++row) {
    const std::int64_t n = combs[row];
    if (n == 0) continue;
    any = true;
    for (const std::int64_t limit : {1000, 100, 10}) {
      if (n < limit) spaces(1);
    }
    writenum64(n);
    spaces(2);
    writeset(getbitvec(row), 0);
    writeinfo(getbitvec(row), primealg);
    mwrite("\n");
  }
  if (!any) mwrite("There are no combinations that fit this category\n\n");
  mwrite("\n");
}

void writecombs(int option, const subsetgroup* g, int card, int primealg) {
  switch (option) {
    case nooverlap:
      mwrite("Non-overlapping combinations of ");
      break;
    case overlap:
      mwrite("Overlapping combinations of ");
      break;
    case bothoverlaps:
      mwrite("All combinations of ");
      break;
    case ofcardinality:
      writenum(card);
      mwrite("-note combinations of ");
      break;
    default:
      writenum(card);
      mwrite("-note supersets of ");
      break;
  }
  for (int i = 1; i <= g->numsubsets; ++i) {
    writeset(primeform(g->subsets[i], primealg), 0);
    if (i < g->numsubsets || g->numomit > 0) mwrite(", ");
  }
  for (int i = 1; i <= g->numomit; ++i) {
    writeset(primeform(g->omitsets[i], primealg) | exclusionmark, 0);
    if (i < g->numomit) mwrite(", ");
  }
  mwrite("\n");
  inorder(primealg);
}

// 1 another group, 2 another option on the same group, 3 back to the menu.
int askwhatnext(int* primealg) {
  int answer = -1;
  while (answer == -1) {
    screen("Would you like to:\n");
    screen("  1 = Choose another group of subsets\n");
    screen("  2 = Choose another option from the above menu\n");
    screen("  3 = Exit to main menu\n\n");
    screen("  Command?  ");
    answer = getanswer(1, 3, primealg);
    screen("\n");
  }
  return answer;
}

}  // namespace

void subsetstuff(int* primealg) {
  std::unique_ptr<subsetgroup> g = getsubsets(nullptr, primealg);
  for (;;) {
    const int option = askoption(primealg);
    if (const char* why = refusal(option, g.get())) {
      screen("%s", why);
    } else {
      const int card = option >= ofcardinality ? askcardinality(option, g.get(), primealg) : 0;
      std::fill(std::begin(combs), std::end(combs), 0);
      createsets(option, g.get(), 2, g->subsets[1], card);
      writecombs(option, g.get(), card, *primealg);
    }
    const int next = askwhatnext(primealg);
    if (next == 3) return;
    if (next == 1) g = getsubsets(g.get(), primealg);
  }
}
