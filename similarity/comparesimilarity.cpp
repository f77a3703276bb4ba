#include "similarity/comparesimilarity.h"

#include "console/funnel.h"
#include "console/setwriters.h"
#include "core/settable.h"
#include "features/prompts.h"
#include "features/setinput.h"
#include "similarity/measuremenu.h"
#include "similarity/measures.h"
#include "similarity/setlists.h"
#include "similarity/valuetree.h"

namespace {

constexpr int maxsets = 15;

constexpr const char* similaritymenu =
    "Type '1' to compare up to 10 sets\n"
    "     '2' to compare one set to all set classes\n"
    "     '3' to create a file of sets to compare\n"
    "     '4' to compare all the sets in a file to each other\n"
    "     '5' to compare all the sets in one file to those in another file\n"
    "     '6' to compare all the sets in a file and show only the stats\n"
    "\n"
    "     '?' for instructions       '#' to change prime form algorithm\n"
    "\n"
    "  Command:  ";

// Reads a set to compare; prompt is shown again, with place, until the set
// has 2 to 10 pitch classes.  The exclusion mark is dropped.
pelantor::PcSet readcomparableset(const char* prompt, int place) {
  pelantor::PcSet set = readset().set;
  while (refusedsize(set.bits())) {
    screen(prompt, place);
    set = readset().set;
  }
  return set;
}

// Asks how many sets and reads them into sets[1..n]; returns n (2..15).
int getsets(bitvec sets[maxsets + 1], session& s) {
  const int n = ask(s, "How many sets would you like to compare?  (2 - 15 possible) ",
                    number(2, maxsets), "\n");
  for (int k = 1; k <= n; ++k) {
    // One more blank after a one-digit number keeps the sets in one column.
    screen("Type pc set #%1i: %s", k, k < 10 ? " " : "");
    sets[k] = readcomparableset("Please type another pc set #%1i:  ", k).bits();
  }
  screen("\n");
  return n;
}

// The matrix of the measure between every two of 2 to 15 typed sets.
void comparetypedsets(session& s) {
  bitvec sets[maxsets + 1];
  const int n = getsets(sets, s);
  const int measure = choosemeasure(s);

  writemeasurename(measure);
  mwrite(" comparison matrix\n");
  // Columns are 7 characters wide and start after 16.
  spaces(16);
  for (int k = 1; k <= n; ++k) {
    writenum(k);
    spaces(k < 10 ? 6 : 5);
  }
  mwrite("\n");
  for (int k = 1; k <= n; ++k) {
    if (k < 10) spaces(1);
    writenum(k);
    mwrite(". ");
    writeprimeform(pelantor::PcSet::from_bits(sets[k]), s.algorithm);
    spaces(10 - bitcount(sets[k]));
    for (int j = 1; j <= n; ++j) {
      writereal(relatesets(sets[k], sets[j], measure));
      spaces(2);
    }
    mwrite("\n");
  }
  mwrite("\n\n");
  for (int k = n; k < 10; ++k) screen("\n");
}

// One typed set against every set class of a range of cardinalities, listed
// by distinct value.
void comparetoallclasses(session& s) {
  const int measure = choosemeasure(s);
  screen("Type pc set to compare:  ");
  const bitvec set = readcomparableset("Please type another pc set to compare:  ", 0).bits();

  screen("What range of cardinalities would you like to compare this to? (2-10)\n");
  const int low = ask(s, "Please type lowest cardinality:  ", number(2, 10));
  const int high = ask(s, "Please type highest cardinality:  ", number(low, 10));

  mwrite("\n");
  writemeasurename(measure);
  mwrite(" relations to set class ");
  writeprimeform(pelantor::PcSet::from_bits(set), s.algorithm);
  mwrite(":\n");

  node* tree = nullptr;
  for (int i = sendlocinfo(low, 0); i <= sendlocinfo(high, 1); ++i) {
    const bitvec other = sendset(i);
    const pelantor::PcSet prime =
        pelantor::prime_form(pelantor::PcSet::from_bits(other), s.algorithm).prime;
    tree = insert(prime.bits(), tree, relatesets(set, other, measure));
  }
  int distinct = 0;
  printall(tree, s.algorithm, &distinct);
  writenum(distinct);
  mwrite(" distinct ");
  writemeasurename(measure);
  mwrite(" values\n\n");
  erasetree(tree);
}

}  // namespace

void comparesimilarity(session& s) {
  switch (ask(s, similaritymenu, number(1, 6), "\n")) {
    case 1:
      comparetypedsets(s);
      break;
    case 2:
      comparetoallclasses(s);
      break;
    case 3:
      createsetlist();
      break;
    case 4:
      comparewithinlist(s);
      break;
    case 5:
      comparetwolists(s);
      break;
    default:
      showliststatistics(s);
      break;
  }
}
