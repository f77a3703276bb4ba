#include "features/setreport.h"

#include "console/funnel.h"
#include "features/session.h"
#include "features/setinput.h"
#include "reports/setreport.h"

namespace {

// While the set has fewer than two members, refuses it and reads another;
// the exclusion mark does not count.
pelantor::PcSet atleastdyad(pelantor::PcSet set) {
  while (set.size() < 2) {
    screen("Surely you don't want to see information about a one-element set!\n\n");
    screen("Please input a pc-set (at least a dyad):  ");
    set = readset().set;
  }
  return set;
}

}  // namespace

void showsetinfo(session& s) {
  screen("Please input a pc-set:  ");
  pelantor::PcSet set = readset().set;
  for (;;) {
    set = atleastdyad(set);
    mwrite(pelantor::text::set_report(set, s.algorithm).c_str());
    screen("Enter another set or hit ENTER to return to main menu:  ");
    set = readsetorempty().set;
    if (set.empty()) {
      screen("\n\n");
      return;
    }
  }
}
