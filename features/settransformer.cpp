#include "features/settransformer.h"

#include "console/funnel.h"
#include "console/setwriters.h"
#include "features/prompts.h"
#include "features/setinput.h"
#include "features/ttocodes.h"

namespace {

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

// Flag k of partitions: whether cuts whose smaller part has k members (k = 0:
// the whole set) are searched.
void askpartitions(int n, int partitions[7], session& s) {
  for (int k = 0; k <= n / 2; ++k) {
    screen("Do you want to see the %1i + %1i partitions?  ", n - k, k);
    partitions[k] = readanswer(s, yesno);
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

void defaultsmenu(int n, int partitions[7], session& s) {
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

}  // namespace

void findtransformations(session& s) {
  // The partition filter lasts for one visit from the main menu.
  int partitions[7] = {1, 1, 1, 1, 1, 1, 1};
  for (;;) {
    const setpair sets = readpair();
    const int n = sets.first.size();

    // Only a plain no skips the menu; after '?' or '#' it is shown.
    if (askyn("\nDo you want to change the defaults?\n\nReply:  ", s) != 0) {
      defaultsmenu(n, partitions, s);
    }

    mwrite("\nTransformations of ");
    writeset(sets.first, setstyle::braces);
    mwrite(" onto ");
    writeset(sets.second, setstyle::braces);
    mwrite("\n");
    const canon ops = {s.transform.includeI, s.transform.includeM, s.transform.includeMI};
    if (writemappings(sets.first.bits(), sets.second.bits(), partitions, ops,
                      s.transform.showall) == 0) {
      mwrite("\nSorry there were no operations that map set #1 onto set #2\n");
    }

    mwrite("\n");
    if (askexittomenu()) return;
  }
}
