#include "similarity/comparesets.h"

#include <iterator>

#include "console/funnel.h"
#include "console/miscrout.h"
#include "core/primeform.h"
#include "core/settable.h"
#include "similarity/measures.h"
#include "similarity/setlists.h"
#include "similarity/valuetree.h"

namespace {

constexpr int maxsets = 15;

// The short names of the measures, by measure number.
constexpr const char* measurenames[] = {
    "",                   // 0
    "SATSIM",             // 1
    "TSATSIM",            // 2
    "SAT%SIM",            // 3
    "CSATSIM",            // 4
    "%SAT%SIM",           // 5
    "Adjusted %SAT%SIM",  // 6
    "AvgSATSIMn",         // 7
    "ASIM",               // 8
    "IcVSIM",             // 9
    "ISIM2",              // 10
    "ATMEMB",             // 11
    "REL",                // 12
    "EMB",                // 13
    "COV",                // 14
    "PCycSATSIM",         // 15
    "ANGLE",              // 16
};
static_assert(std::size(measurenames) == measurecount + 1);

void printsimilaritymenu() {
  screen("Type '1' to compare up to 10 sets\n");
  screen("     '2' to compare one set to all set classes\n");
  screen("     '3' to create a file of sets to compare\n");
  screen("     '4' to compare all the sets in a file to each other\n");
  screen("     '5' to compare all the sets in one file to those in another file\n");
  screen("     '6' to compare all the sets in a file and show only the stats\n\n");
  screen("     '?' for instructions       '#' to change prime form algorithm\n\n");
  screen("  Command:  ");
}

void printmeasuremenu() {
  screen("     '1' to use SATSIM(2) (Interval Class Saturation Similarity)\n");
  screen("     '2' to use TSATSIM   (Total SATV Similarity--all subset classess)\n");
  screen("     '3' to use PSATSIM   (Proportioanl IC Saturation Vec. Similarity)\n");
  screen("     '4' to use CycSATSIM   (Cyclic Saturation Similarity)\n");
  screen("     '5' to use PSAT%%SIM  \n");
  screen("     '6' to use Adusted %%SAT%%SIM  \n");
  screen("     '7' to use AvgSATSIMn \n");
  screen("     '8' to use Morris's ASIM \n");
  screen("     '9' to use Isaacson's IcVSIM \n");
  screen("    '10' to use Isaacson's ISIM2 \n");
  screen("    '11' to use Rahn's ATMEMB \n");
  screen("    '12' to use Lewin's REL \n");
  screen("    '13' to use Lewin's EMB \n");
  screen("    '14' to use Lewin's COV \n");
  screen("    '15' to use PCycSATSIM \n");
  screen("    '16' to use Scott & Isaacson's ANGLE \n");
  screen("     '?' for instructions       '#' to change prime form algorithm\n\n");
  screen("  Command:  ");
}

// Reads a set to compare; prompt is shown again, with number, until the set
// has 2 to 10 pitch classes.  The exclusion mark is dropped.
bitvec readcomparableset(const char* prompt, int number) {
  bitvec set;
  readset(&set);
  set &= aggregate;
  while (refusedsize(set)) {
    screen(prompt, number);
    readset(&set);
    set &= aggregate;
  }
  return set;
}

// Asks how many sets and reads them into sets[1..n]; returns n (2..15).
int getsets(bitvec sets[maxsets + 1], int* primealg) {
  int n;
  do {
    screen("How many sets would you like to compare?  (2 - 15 possible) ");
    n = getanswer(2, maxsets, primealg);
    screen("\n");
  } while (n == -1);
  for (int k = 1; k <= n; ++k) {
    // One more blank after a one-digit number keeps the sets in one column.
    screen("Type pc set #%1i: %s", k, k < 10 ? " " : "");
    sets[k] = readcomparableset("Please type another pc set #%1i:  ", k);
  }
  screen("\n");
  return n;
}

// A cardinality from lo to 10, asked with prompt until one is given.
int readcardinality(const char* prompt, int lo, int* primealg) {
  int answer;
  do {
    screen("%s", prompt);
    answer = getanswer(lo, 10, primealg);
  } while (answer == -1);
  return answer;
}

}  // namespace

bool refusedsize(bitvec set) {
  const int c = bitcount(set);
  if (c == 1) {
    screen("\nSurely you don't want to compare anything to a one-element set!\n\n");
  } else if (c > 10) {
    screen(
        "\nThere's really no point comparing anything to an 11- or 12-element set.\n"
        "This is because only one set class is possible in those cardinalities.\n\n");
  }
  return c < 2 || c > 10;
}

void writemeasurename(int measure) {
  if (measure >= 1 && measure <= measurecount) mwrite(measurenames[measure]);
}

int whichmeasure(int* primealg) {
  int measure;
  do {
    printmeasuremenu();
    measure = getanswer(1, measurecount, primealg);
    screen("\n");
  } while (measure == -1);
  return measure;
}

void uptotencompare(int* primealg) {
  bitvec sets[maxsets + 1];
  const int n = getsets(sets, primealg);
  const int measure = whichmeasure(primealg);

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
    writeset(primeform(sets[k], *primealg), 0);
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

void generalcomparetoall(int* primealg) {
  const int measure = whichmeasure(primealg);
  screen("Type pc set to compare:  ");
  const bitvec set = readcomparableset("Please type another pc set to compare:  ", 0);

  screen("What range of cardinalities would you like to compare this to? (2-10)\n");
  const int low = readcardinality("Please type lowest cardinality:  ", 2, primealg);
  const int high = readcardinality("Please type highest cardinality:  ", low, primealg);

  mwrite("\n");
  writemeasurename(measure);
  mwrite(" relations to set class ");
  writeset(primeform(set, *primealg), 0);
  mwrite(":\n");

  node* tree = nullptr;
  for (int i = sendlocinfo(low, 0); i <= sendlocinfo(high, 1); ++i) {
    const bitvec other = sendset(i);
    tree = insert(primeform(other, *primealg), tree, relatesets(set, other, measure));
  }
  int distinct = 0;
  printall(tree, primealg, &distinct);
  writenum(distinct);
  mwrite(" distinct ");
  writemeasurename(measure);
  mwrite(" values\n\n");
  erasetree(tree);
}

void altvecsim(int* primealg) {
  int answer;
  do {
    printsimilaritymenu();
    answer = getanswer(1, 6, primealg);
    screen("\n");
  } while (answer == -1);
  switch (answer) {
    case 1:
      uptotencompare(primealg);
      break;
    case 2:
      generalcomparetoall(primealg);
      break;
    case 3:
      getsetlist(primealg);
      break;
    case 4:
      setlistcompare(primealg);
      break;
    case 5:
      setlistcompare2(primealg);
      break;
    default:
      setliststats(primealg);
      break;
  }
}
