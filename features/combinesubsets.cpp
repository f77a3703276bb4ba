// Main-menu entry 2: the dialogue of the subset combination and the listing
// of its results.  The search itself is in subsetcombine.cpp.

#include "features/combinesubsets.h"

#include <algorithm>

#include "console/funnel.h"
#include "console/setwriters.h"
#include "core/settable.h"
#include "features/prompts.h"
#include "features/setinput.h"
#include "features/subsetcombine.h"

namespace {

// Reads a new group: how many sets, then each set; a set typed with n is an
// exclusion set.
std::unique_ptr<subsetgroup> getsubsets(session& s) {
  std::unique_ptr<subsetgroup> g = ssalloc();
  const int howmany = ask(s,
                          " NOTE: Combining more than four subsets (not including\n"
                          "       those you wish to omit) may take a very long time.\n"
                          "\n"
                          "How many subsets would you like to use?  (1 - 12 possible) ",
                          number(1, 12), "\n");
  for (int i = 1; i <= howmany; ++i) {
    screen("Type pc set #%1i:  ", i);
    const pelantor::MarkedSet typed = readset();
    if (typed.excluded) {
      g->omitsets[++g->numomit] = typed.set.bits();
    } else {
      g->subsets[++g->numsubsets] = typed.set.bits();
      const int c = typed.set.size();
      g->totalcard += c;
      g->maxcard = std::max(g->maxcard, c);
    }
  }
  screen("\n");
  return g;
}

constexpr const char* optionmenu =
    "Type the number corresponding to the combinations you would like to see:\n"
    "   1  = Only those sets where the subsets contain no pitch overlaps\n"
    "   2  = Only those sets where the subsets share at least one common pc\n"
    "   3  = Both of the above\n"
    "   4  = Only combined sets of a specified cardinality\n"
    "   5  = All supersets of a specified cardinality that include the\n"
    "        entered subset(s) combined without overlap\n"
    "   6  = All supersets of a specified cardinality that include the\n"
    "        entered subset(s) combined with possible overlap\n"
    "\n"
    "   Command:  ";

constexpr const char* whatnextmenu =
    "Would you like to:\n"
    "  1 = Choose another group of subsets\n"
    "  2 = Choose another option from the above menu\n"
    "  3 = Exit to main menu\n"
    "\n"
    "  Command?  ";

// The size of the results for options 4-6, within what the subsets can give.
int askcardinality(int option, const subsetgroup* g, session& s) {
  int lo = g->maxcard, hi = 12;
  if (option == ofcardinality) hi = std::min(g->totalcard, 12);
  if (option == supersetsnooverlap) lo = g->totalcard + 1;
  return ask(s, "What cardinality resultant set do you want to see?  ", number(lo, hi), "\n");
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
void inorder(pelantor::Algorithm algorithm) {
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
    const pelantor::PcSet prime = pelantor::PcSet::from_bits(getbitvec(row));
    writeset(prime, setstyle::brackets);
    writeclasssummary(prime, algorithm);
    mwrite("\n");
  }
  if (!any) mwrite("There are no combinations that fit this category\n\n");
  mwrite("\n");
}

void writecombs(int option, const subsetgroup* g, int card, pelantor::Algorithm algorithm) {
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
    writeprimeform(pelantor::PcSet::from_bits(g->subsets[i]), algorithm);
    if (i < g->numsubsets || g->numomit > 0) mwrite(", ");
  }
  for (int i = 1; i <= g->numomit; ++i) {
    const pelantor::PcSet omitted = pelantor::PcSet::from_bits(g->omitsets[i]);
    writeset(pelantor::MarkedSet{pelantor::prime_form(omitted, algorithm).prime, true},
             setstyle::brackets);
    if (i < g->numomit) mwrite(", ");
  }
  mwrite("\n");
  inorder(algorithm);
}

}  // namespace

void combinesubsets(session& s) {
  std::unique_ptr<subsetgroup> g = getsubsets(s);
  for (;;) {
    const int option = ask(s, optionmenu, number(1, 6), "\n");
    if (const char* why = refusal(option, g.get())) {
      screen("%s", why);
    } else {
      const int card = option >= ofcardinality ? askcardinality(option, g.get(), s) : 0;
      std::fill(std::begin(combs), std::end(combs), 0);
      createsets(option, g.get(), 2, g->subsets[1], card);
      writecombs(option, g.get(), card, s.algorithm);
    }
    // 1 another group, 2 another option on the same group, 3 back to the menu.
    const int next = ask(s, whatnextmenu, number(1, 3), "\n");
    if (next == 3) return;
    if (next == 1) g = getsubsets(s);
  }
}
