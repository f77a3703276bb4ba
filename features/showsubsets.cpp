// Main-menu entry 3: the subset classes of one or more supersets, with their
// embedding counts for a single superset.

#include "features/showsubsets.h"

#include <algorithm>
#include <memory>

#include "console/funnel.h"
#include "console/setwriters.h"
#include "core/embedinfo.h"
#include "core/intervals.h"
#include "core/settable.h"
#include "features/prompts.h"
#include "features/setinput.h"

namespace {

struct supersetgroup {
  bitvec supersets[13];  // from index 1, in the order typed
  int numsupersets;
  int mincard;  // the smallest cardinality among them
};

std::unique_ptr<supersetgroup> superalloc() {
  std::unique_ptr<supersetgroup> g = std::make_unique<supersetgroup>();
  g->mincard = 12;
  return g;
}

// Reads a new group of supersets, each of at least three notes; the
// exclusion mark is dropped.
std::unique_ptr<supersetgroup> getsupersets(session& s) {
  std::unique_ptr<supersetgroup> g = superalloc();
  screen("Subset Function\n");
  screen("  If you enter only one superset, \"Pelantor\"\n");
  screen("  will provide the number of distinct embeddings \n");
  screen("  for each included subset.\n");
  screen("  If you enter more than one superset, \"Pelantor\"\n");
  screen("  will check for mutual embeddings.\n\n");
  const int howmany = ask(s, "Number of supersets (1 - 12 possible):  ", number(1, 12), "\n");
  for (int i = 1; i <= howmany; ++i) {
    screen("Type pc set #%1i:  ", i);
    pelantor::PcSet set = readset().set;
    while (set.size() < 3) {
      screen("You must be kidding!  You want subsets of a %i-note superset?!\n", set.size());
      screen("Try again:  ");
      set = readset().set;
    }
    g->supersets[++g->numsupersets] = set.bits();
    g->mincard = std::min(g->mincard, set.size());
  }
  screen("\n");
  return g;
}

// The range of subset sizes to list: all from 2, or one the user names.
void askrange(const supersetgroup* g, int* first, int* last, session& s) {
  const int choice = ask(s,
                         "Would you like to see:\n"
                         "   1  = All subsets\n"
                         "   2  = Only subsets of a specified cardinality\n"
                         "Command:  ",
                         number(1, 2));
  *first = 2;
  *last = g->mincard;
  if (choice == 1) return;
  *first = *last =
      ask(s, "What cardinality subsets would you like to see?  ", number(2, g->mincard));
}

// One listed class: with a single superset its embedding count e and how far
// e lies below the most and above the least any class of the superset's size
// holds.
void writesubsetrow(const supersetgroup* g, bitvec x, int e, pelantor::Algorithm algorithm) {
  const bool single = g->numsupersets == 1;
  mwrite("  ");
  if (single) {
    if (e < 10) mwrite(" ");
    writenum(e);
  }
  spaces(2);
  writeprimeform(pelantor::PcSet::from_bits(x), algorithm);
  spaces(2);
  writelabelcell(pelantor::set_class_of(pelantor::PcSet::from_bits(x)));
  spaces(3);
  if (single) {
    int maxemb = 0, minemb = 0;
    sendembinfo(bitcount(g->supersets[1]), x, &maxemb, &minemb);
    mwrite("max-");
    writenum(maxemb - e);
    spaces(3);
    mwrite("min+");
    writenum(e - minemb);
  }
  mwrite("\n");
}

// Lists the classes of c notes embedded in every superset; returns how many.
int listmutual(const supersetgroup* g, int c, pelantor::Algorithm algorithm) {
  int found = 0;
  for (int row = sendlocinfo(c, 0); row <= sendlocinfo(c, 1); ++row) {
    const bitvec x = getbitvec(row);
    int e = 0;
    bool inall = true;
    for (int i = 1; i <= g->numsupersets && inall; ++i) {
      e = setinclude(g->supersets[i], x);
      inall = e != 0;
    }
    if (!inall) continue;
    writesubsetrow(g, x, e, algorithm);
    ++found;
  }
  return found;
}

}  // namespace

void showsubsets(session& s) {
  for (;;) {
    const std::unique_ptr<supersetgroup> g = getsupersets(s);
    int first = 0, last = 0;
    askrange(g.get(), &first, &last, s);
    mwrite("\n");
    // A class of c notes in every superset holds one of c - 1 notes that is
    // in every superset too, so after an empty size the search stops.
    bool previousfound = true;
    for (int c = first; c <= last; ++c) {
      writenum(c);
      mwrite("-note subsets of ");
      for (int i = 1; i <= g->numsupersets; ++i) {
        if (i > 1) mwrite(", ");
        writeprimeform(pelantor::PcSet::from_bits(g->supersets[i]), s.algorithm);
      }
      mwrite("\n");
      previousfound = previousfound && listmutual(g.get(), c, s.algorithm) > 0;
      if (!previousfound) mwrite("  None mutually included\n");
    }
    mwrite("\n");
    if (askexittomenu()) return;
  }
}
