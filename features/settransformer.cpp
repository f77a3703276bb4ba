#include "features/settransformer.h"

#include <array>

#include "console/funnel.h"
#include "features/prompts.h"
#include "features/setinput.h"
#include "pelantor/transformations.h"
#include "reports/transformations.h"

namespace {

// Flag k: whether cuts whose smaller part has k members are searched (k = 0:
// the whole set, the single operators).
using partitionfilter = std::array<bool, 7>;

struct setpair {
  pelantor::PcSet first;
  pelantor::PcSet second;
};

// Reads two literal sets of the same size, 1 to 11 members; exclusion marks
// are dropped.
setpair readpair() {
  for (;;) {
    screen("\nPlease enter two sets (Note: these will be treated as sets, not set classes)\n");
    screen("Set #1:  ");
    const pelantor::PcSet first = readset().set;
    screen("Set #2:  ");
    const pelantor::PcSet second = readset().set;
    const int n = first.size();
    if (n != second.size()) {
      screen("The sets should be the same size (cardinality).  Please try again.\n\n");
    } else if (n == 12) {
      screen("The aggregate maps onto itself under all combinations of operations?\n");
      screen("Perhaps you'd like to try this with some more interesting sets...\n\n");
    } else {
      return {first, second};
    }
  }
}

// Asks a yes/no question about the defaults once.  After '?' or '#' the
// reader's -1 is kept: it counts as yes, and the menu that follows lets the
// user answer again.  Scripts of keystrokes rely on this order of questions.
int askyn(const char* question, session& s) {
  screen("%s", question);
  return readanswer(s, yesno);
}

void askcanon(session& s) {
  screen("\nPlease type 'Y' to include operation or 'N' to exclude operation\n");
  s.transform.includeI = askyn("Do you want to include inversion?  ", s);
  s.transform.includeM = askyn("Do you want to include M (M5)?     ", s);
  s.transform.includeMI = askyn("Do you want to include MI (M7)?    ", s);
}

void askshowall(session& s) {
  s.transform.showall = askyn(
      "\nBy default, Pelantor will only show the first transformation it finds\n"
      "between two sets.  Do you want to see all possible transformations in the\n"
      "defined canon of operations?\n\n"
      "Reply:  ",
      s);
}

// Asks about the cuts possible for sets of n members; the flags of larger
// cuts stay as they are.  An escape counts as yes.
void askpartitions(int n, partitionfilter& partitions, session& s) {
  for (int k = 0; k <= n / 2; ++k) {
    screen("Do you want to see the %1i + %1i partitions?  ", n - k, k);
    partitions[k] = readanswer(s, yesno) != 0;
  }
}

constexpr const char* defaultsmenutext =
    "\nType:  '1' to change the canon of operators (TTOs)\n"
    "            Default = transposition and inversion\n"
    "       '2' to limit/extend transformational possibilities\n"
    "            Default = show all possible transformations in the\n"
    "                     canon of operations\n"
    "       '3' to limit the cardinalities of the partitions\n"
    "            Default = show all possible partitions that work\n"
    "       '4' to EXIT the defaults menu and show transformations.\n"
    "\n"
    "Reply:  ";

void defaultsmenu(int n, partitionfilter& partitions, session& s) {
  for (;;) {
    switch (ask(s, defaultsmenutext, number(1, 4))) {
      case 1:
        askcanon(s);
        break;
      case 2:
        askshowall(s);
        break;
      case 3:
        askpartitions(n, partitions, s);
        break;
      default:
        return;
    }
  }
}

// The search as the defaults stand; any nonzero default counts as yes.
pelantor::MappingOptions mappingoptions(const transformdefaults& defaults,
                                        const partitionfilter& partitions) {
  const pelantor::Canon canon{defaults.includeI != 0, defaults.includeM != 0,
                              defaults.includeMI != 0};
  return {canon, defaults.showall != 0, partitions};
}

}  // namespace

void findtransformations(session& s) {
  // The partition filter lasts for one visit from the main menu and starts
  // with every cut searched.
  partitionfilter partitions = pelantor::MappingOptions{}.partitions;
  for (;;) {
    const setpair sets = readpair();

    // Only a plain no skips the menu; after '?' or '#' it is shown.
    if (askyn("\nDo you want to change the defaults?\n\nReply:  ", s) != 0) {
      defaultsmenu(sets.first.size(), partitions, s);
    }

    const pelantor::Mappings found = pelantor::mappings_between(
        sets.first, sets.second, mappingoptions(s.transform, partitions));
    mwrite(pelantor::text::transformations(sets.first, sets.second, found).c_str());
    if (askexittomenu()) return;
  }
}
