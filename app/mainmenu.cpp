#include "app/mainmenu.h"

#include <cerrno>
#include <cstring>

#include "console/charsource.h"
#include "console/funnel.h"
#include "console/signals.h"
#include "features/combinesubsets.h"
#include "features/icvsets.h"
#include "features/prompts.h"
#include "features/session.h"
#include "features/setmappings.h"
#include "features/setreport.h"
#include "features/settransformer.h"
#include "features/showsubsets.h"
#include "features/similarity.h"

namespace {

constexpr const char* mainmenu =
    "Type '1' to see properties of a single set\n"
    "     '2' to combine subsets into a single set\n"
    "     '3' to see subsets of superset(s)\n"
    "     '4' to create sets from interval-class vectors\n"
    "     '5' to check transformational possibilities of two sets\n"
    "     '6' to compare sets using a similarity index\n"
    "     '7' to show set mappings\n"
    "\n"
    "     '?' for instructions       '#' to change prime form algorithm\n"
    "     '0' to redirect output\n"
    "\n"
    "  Command:  ";

constexpr const char* reportquestion =
    "Do you want to save your data (without user prompts) in an external file?\n"
    "Type  'Y' or 'N':  ";

void printreportnote(const char* name) {
  screen("\nNOTE: Your file, \"%s,\" will appear in the current directory\n", name);
  screen(
      "      as a text file.  It should be retrievable using any word processor.\n"
      "      The data may be misaligned if your default font is proportionally\n"
      "      spaced.  Switching to \"Courier,\" \"Monaco,\" or any other non-\n"
      "      proportional font will correct all misalignments.\n"
      "\n"
      "\n");
}

// The report-file question.  A name that cannot be opened is refused with
// the reason and the question is asked again: results must always have
// somewhere to go.
void choosereportfile(session& s) {
  char name[30];
  for (;;) {
    if (ask(s, reportquestion, yesno, "\n") == 0) {
      screen("\n");
      return;
    }
    screen("Please enter a file name to create: ");
    const int length = readfilename(name);
    if (length > 0 && openreport(name)) break;
    screen("Sorry, \"%s\" could not be opened (%s).\n\n", name,
           length > 0 ? std::strerror(errno) : "the name is empty");
  }
  printreportnote(name);
}

void runfeature(int answer, session& s) {
  switch (answer) {
    case 1:
      showsetinfo(s);
      break;
    case 2:
      combinesubsets(s);
      break;
    case 3:
      showsubsets(s);
      break;
    case 4:
      findsetsbyicvector(s);
      break;
    case 5:
      findtransformations(s);
      break;
    case 6:
      comparesimilarity(s);
      break;
    case 7:
      showmappings();
      break;
    default:
      closereport();
      choosereportfile(s);
      break;
  }
}

[[noreturn]] void menuloop(session& s) {
  for (;;) runfeature(ask(s, mainmenu, number(0, 7), "\n"), s);
}

}  // namespace

int runprogram(std::istream& in, std::ostream& out) {
  setconsole(in, out);
  closereport();
  session s;
  try {
    printtitle();
    choosereportfile(s);
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
