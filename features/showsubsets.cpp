// Main-menu entry 3: the dialogue of the subset classes of one or more
// supersets.  The search is the engine's; the listing is reports/subsets.

#include "features/showsubsets.h"

#include <algorithm>
#include <vector>

#include "console/funnel.h"
#include "features/prompts.h"
#include "features/setinput.h"
#include "pelantor/subsets.h"
#include "reports/subsets.h"

namespace {

// Reads a new group of supersets, each of at least three notes; the
// exclusion mark is dropped.
std::vector<pelantor::PcSet> readsupersets(session& s) {
  screen("Subset Function\n");
  screen("  If you enter only one superset, \"Pelantor\"\n");
  screen("  will provide the number of distinct embeddings \n");
  screen("  for each included subset.\n");
  screen("  If you enter more than one superset, \"Pelantor\"\n");
  screen("  will check for mutual embeddings.\n\n");
  const int howmany = ask(s, "Number of supersets (1 - 12 possible):  ", number(1, 12), "\n");
  std::vector<pelantor::PcSet> supersets;
  for (int i = 1; i <= howmany; ++i) {
    screen("Type pc set #%1i:  ", i);
    pelantor::PcSet set = readset().set;
    while (set.size() < 3) {
      screen("You must be kidding!  You want subsets of a %i-note superset?!\n", set.size());
      screen("Try again:  ");
      set = readset().set;
    }
    supersets.push_back(set);
  }
  screen("\n");
  return supersets;
}

struct sizerange {
  int least;
  int most;
};

// The subset sizes to list: all from 2 up to the smallest superset's size,
// or one the user names.
sizerange asksizes(const std::vector<pelantor::PcSet>& supersets, session& s) {
  int smallest = 12;
  for (const pelantor::PcSet set : supersets) smallest = std::min(smallest, set.size());
  const int choice = ask(s,
                         "Would you like to see:\n"
                         "   1  = All subsets\n"
                         "   2  = Only subsets of a specified cardinality\n"
                         "Command:  ",
                         number(1, 2));
  if (choice == 1) return {2, smallest};
  const int size = ask(s, "What cardinality subsets would you like to see?  ", number(2, smallest));
  return {size, size};
}

}  // namespace

void showsubsets(session& s) {
  for (;;) {
    const std::vector<pelantor::PcSet> supersets = readsupersets(s);
    const sizerange sizes = asksizes(supersets, s);
    const std::vector<pelantor::SubsetsOfSize> found =
        pelantor::subsets_of_supersets(supersets, sizes.least, sizes.most);
    mwrite(pelantor::text::subsets_listing(supersets, found, s.algorithm).c_str());
    if (askexittomenu()) return;
  }
}
