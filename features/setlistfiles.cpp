// Set-list files: building them at the keyboard, and comparing the sets of
// one or two of them under one measure.

#include "features/setlistfiles.h"

#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "console/charsource.h"
#include "console/funnel.h"
#include "features/session.h"
#include "features/setinput.h"
#include "features/similarity.h"
#include "pelantor/comparisons.h"
#include "pelantor/setlist.h"
#include "reports/similarity.h"

namespace {

// The most sets that one comparison takes in, over both files together.
constexpr int maxlistsets = 222;

// Asks for the name of a file to read with prompt until one opens.  A folder
// opens like a file on some systems but holds no list.
void openlist(const char* prompt, char name[30], std::ifstream& file) {
  for (;;) {
    screen("%s", prompt);
    readfilename(name);
    std::error_code failed;
    if (!std::filesystem::is_directory(name, failed)) file.open(name);
    if (file.is_open()) return;
    file.clear();
    screen("File could not be opened\n\n");
  }
}

// Asks for the name of a file to create until one opens.  The open report
// file is refused: opening it here would wipe the results it holds.
void createlist(char name[30], std::ofstream& file) {
  for (;;) {
    screen("Please enter a file name to create: ");
    readfilename(name);
    if (isreportfile(name)) {
      screen("\"%s\" is the report file in use; its results would be lost.\n", name);
    } else {
      file.open(name);
      if (file.is_open()) return;
      file.clear();
    }
    screen("File could not be opened\n\n");
  }
}

// Appends the sets of the list in file to sets, entry by entry, while there
// is room.  An entry that is not a set of 2 to 10 pitch classes (a
// hand-edited file) is noted on the screen, and so is a rest of the list
// left out once sets holds all it can.
void takelist(std::istream& file, const char* name, std::vector<pelantor::PcSet>& sets) {
  const pelantor::SetList list = pelantor::read_set_list(file);
  auto set = list.sets.begin();
  auto skipped = list.skipped.begin();
  const int entries = static_cast<int>(list.sets.size() + list.skipped.size());
  for (int entry = 1; entry <= entries; ++entry) {
    if (static_cast<int>(sets.size()) == maxlistsets) {
      screen("Only %d sets can be compared at once: the rest of %s is ignored.\n", maxlistsets,
             name);
      return;
    }
    if (skipped != list.skipped.end() && skipped->entry == entry) {
      screen("Entry %d of %s, %d, is not a set of 2 to 10 pitch classes: skipped.\n", entry, name,
             skipped->value);
      ++skipped;
    } else {
      sets.push_back(*set++);
    }
  }
}

// The text of the sets of one list against each other: all values, or the
// figures of each row alone.
using onelisttext = std::string (*)(pelantor::Measure, std::string_view,
                                    std::span<const pelantor::PcSet>,
                                    const pelantor::ListComparison&, pelantor::Algorithm);

// Opens a file, asks for the measure, then writes the comparison of the
// file's sets with each other as text gives it.
void compareonelist(session& s, onelisttext text) {
  char name[30];
  std::ifstream file;
  openlist("Please enter a file name to read: ", name, file);
  const pelantor::Measure measure = choosemeasure(s);
  std::vector<pelantor::PcSet> sets;
  takelist(file, name, sets);
  const pelantor::ListComparison comparison = pelantor::compare_lists(measure, sets);
  mwrite(text(measure, name, sets, comparison, s.algorithm).c_str());
}

}  // namespace

void createsetlist() {
  char name[30];
  std::ofstream file;
  createlist(name, file);
  int k = 1;
  screen("\nPlease enter pc set %d or ENTER to return to menu:  ", k++);
  pelantor::PcSet set = readsetorempty().set;
  while (!set.empty()) {
    while (refusedsize(set)) {
      screen("Please type another pc set to compare:  ");
      set = readsetorempty().set;
    }
    // Written at once, so that no set typed is lost if the program is ended.
    file << pelantor::write_set_list(std::span(&set, 1)) << std::flush;
    screen("Please enter pc set %d or ENTER to return to menu:  ", k++);
    set = readsetorempty().set;
  }
  screen("\n\n");
}

void comparewithinlist(session& s) {
  compareonelist(s, pelantor::text::list_comparison);
}

void comparetwolists(session& s) {
  char firstname[30], secondname[30];
  std::ifstream firstfile, secondfile;
  openlist("Please enter a file name to read: ", firstname, firstfile);
  openlist("Please enter another file name to read: ", secondname, secondfile);
  // Both lists share the room for sets.
  std::vector<pelantor::PcSet> sets;
  takelist(firstfile, firstname, sets);
  const std::size_t rowcount = sets.size();
  takelist(secondfile, secondname, sets);
  const pelantor::Measure measure = choosemeasure(s);

  const std::span<const pelantor::PcSet> rows(sets.data(), rowcount);
  const auto columns = std::span<const pelantor::PcSet>(sets).subspan(rowcount);
  const pelantor::ListComparison comparison = pelantor::compare_lists(measure, rows, columns);
  mwrite(pelantor::text::list_comparison(measure, firstname, secondname, rows, columns, comparison,
                                         s.algorithm)
             .c_str());
}

void showliststatistics(session& s) {
  compareonelist(s, pelantor::text::list_statistics);
}
