#include "features/similarity.h"

#include <string>
#include <vector>

#include "console/funnel.h"
#include "features/prompts.h"
#include "features/setinput.h"
#include "features/setlistfiles.h"
#include "pelantor/comparisons.h"
#include "reports/similarity.h"

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

// "     '1' to use SATSIM(2) (...)": the numbers right-aligned in two places.
std::string measuremenu() {
  std::string menu;
  for (const pelantor::MeasureInfo& m : pelantor::measures()) {
    menu += (m.number < 10 ? "     '" : "    '") + std::to_string(m.number) + "' to use ";
    menu += m.menu_label;
    menu += "\n";
  }
  return menu +
         "     '?' for instructions       '#' to change prime form algorithm\n"
         "\n"
         "  Command:  ";
}

// Reads a set to compare; prompt is shown again, with place, until the set
// has 2 to 10 pitch classes.  The exclusion mark is dropped.
pelantor::PcSet readcomparableset(const char* prompt, int place) {
  pelantor::PcSet set = readset().set;
  while (refusedsize(set)) {
    screen(prompt, place);
    set = readset().set;
  }
  return set;
}

// Asks how many sets and reads them (2..15).
std::vector<pelantor::PcSet> readsets(session& s) {
  const int n = ask(s, "How many sets would you like to compare?  (2 - 15 possible) ",
                    number(2, maxsets), "\n");
  std::vector<pelantor::PcSet> sets;
  for (int k = 1; k <= n; ++k) {
    // One more blank after a one-digit number keeps the sets in one column.
    screen("Type pc set #%1i: %s", k, k < 10 ? " " : "");
    sets.push_back(readcomparableset("Please type another pc set #%1i:  ", k));
  }
  screen("\n");
  return sets;
}

// The matrix of the measure between every two of 2 to 15 typed sets.
void comparetypedsets(session& s) {
  const std::vector<pelantor::PcSet> sets = readsets(s);
  const pelantor::Measure measure = choosemeasure(s);
  const std::vector<double> values = pelantor::matrix(measure, sets);
  mwrite(pelantor::text::comparison_matrix(measure, sets, values, s.algorithm).c_str());
  // Fewer than ten sets leave the screen as high as ten would.
  for (std::size_t k = sets.size(); k < 10; ++k) screen("\n");
}

// One typed set against every set class of a range of cardinalities, listed
// by distinct value.
void comparetoallclasses(session& s) {
  const pelantor::Measure measure = choosemeasure(s);
  screen("Type pc set to compare:  ");
  const pelantor::PcSet set = readcomparableset("Please type another pc set to compare:  ", 0);

  screen("What range of cardinalities would you like to compare this to? (2-10)\n");
  const int low = ask(s, "Please type lowest cardinality:  ", number(2, 10));
  const int high = ask(s, "Please type highest cardinality:  ", number(low, 10));

  const std::vector<pelantor::ValueGroup> groups =
      pelantor::compare_to_classes(measure, set, low, high);
  mwrite(pelantor::text::class_comparison(measure, set, groups, s.algorithm).c_str());
}

}  // namespace

pelantor::Measure choosemeasure(session& s) {
  const auto all = pelantor::measures();
  const int chosen = ask(s, measuremenu(), number(1, static_cast<int>(all.size())), "\n");
  return all[static_cast<std::size_t>(chosen - 1)].measure;
}

bool refusedsize(pelantor::PcSet set) {
  if (set.size() == 1) {
    screen("\nSurely you don't want to compare anything to a one-element set!\n\n");
  } else if (set.size() > 10) {
    screen(
        "\nThere's really no point comparing anything to an 11- or 12-element set.\n"
        "This is because only one set class is possible in those cardinalities.\n\n");
  }
  return !pelantor::comparable(set);
}

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
