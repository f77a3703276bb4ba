#include "features/mainmenu.h"

#include "console/funnel.h"
#include "console/getch.h"
#include "console/miscrout.h"
#include "console/signals.h"
#include "features/icvsets.h"
#include "features/setreport.h"
#include "features/settransformer.h"
#include "features/subsetsII.h"
#include "similarity/comparesets.h"

namespace {

// The settings that outlive one use of a feature.
struct settings {
  int primealg = 0;
  int includeI = 1;
  int includeM = 0;
  int includeMI = 0;
  int showall = 1;
};

void printmenu() {
  screen("Type '1' to see properties of a single set\n");
  screen("     '2' to combine subsets into a single set\n");
  screen("     '3' to see subsets of superset(s)\n");
  screen("     '4' to create sets from interval-class vectors\n");
  screen("     '5' to check transformational possibilities of two sets\n");
  screen("     '6' to compare sets using a similarity index\n");
  screen("     '7' to show set mappings\n\n");
  screen("     '?' for instructions       '#' to change prime form algorithm\n");
  screen("     '0' to redirect output\n\n");
  screen("  Command:  ");
}

void runfeature(int answer, settings& s) {
  switch (answer) {
    case 1:
      setstuff(&s.primealg);
      break;
    case 2:
      subsetstuff(&s.primealg);
      break;
    case 3:
      yanksubsets(&s.primealg);
      break;
    case 4:
      createbyivec(&s.primealg);
      break;
    case 5:
      comparesets(&s.primealg, &s.includeI, &s.includeM, &s.includeMI, &s.showall);
      break;
    case 6:
      altvecsim(&s.primealg);
      break;
    case 7:
      mapontoself(&s.primealg);
      break;
    default:
      chooseoutpt(&s.primealg, 1);
      break;
  }
}

[[noreturn]] void menuloop(settings& s) {
  for (;;) {
    printmenu();
    const int answer = getanswer(0, 7, &s.primealg);
    screen("\n");
    if (answer == -1) continue;
    runfeature(answer, s);
  }
}

}  // namespace

int runprogram(std::istream& in, std::ostream& out) {
  setconsole(in, out);
  closereport();
  settings s;
  try {
    printtitle();
    chooseoutpt(&s.primealg, 0);
    menuloop(s);
  } catch (const inputended&) {
    // The input is exhausted: the dialogue's normal end.
  } catch (const interrupted& stop) {
    // Hung up, terminated, interrupted or cut off from the screen: a set list
    // being written was closed on the way here; the report file follows.
    closereport();
    endbysignal(stop.signal);
  }
  consoleflush();
  closereport();
  return 0;
}
