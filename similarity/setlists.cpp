// Set-list files: building them at the keyboard, and comparing the sets of
// one or two of them under one measure.

#include "similarity/setlists.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include "console/charsource.h"
#include "console/funnel.h"
#include "console/setwriters.h"
#include "features/session.h"
#include "features/setinput.h"
#include "similarity/measuremenu.h"
#include "similarity/measures.h"

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

// Appends the sets of file to list.  A value that is not a set of 2 to 10
// pitch classes (a hand-edited file) is skipped with a word on the screen,
// and reading stops once the list holds all it can.
void readlist(std::istream& file, const char* name, std::vector<bitvec>& list) {
  int entry = 0;
  for (int value = fgetint(file); value != -1; value = fgetint(file)) {
    ++entry;
    if (int(list.size()) == maxlistsets) {
      screen("Only %d sets can be compared at once: the rest of %s is ignored.\n", maxlistsets,
             name);
      return;
    }
    const int c = value <= int(aggregate) ? bitcount(bitvec(value)) : 0;
    if (c < 2 || c > 10) {
      screen("Entry %d of %s, %d, is not a set of 2 to 10 pitch classes: skipped.\n", entry, name,
             value);
      continue;
    }
    list.push_back(bitvec(value));
  }
}

// The smallest and largest value of one row.  For the two similarities a
// value of 1 or more (a set against its own class) never counts as the
// largest; for the others a value of 0 or less never counts as the
// smallest.  A side that no value qualifies for shows the plain extreme.
struct rowstats {
  bool similarity = false;
  double sum = 0.0;
  std::optional<double> least, most, qualifiedleast, qualifiedmost;

  void add(double v) {
    sum += v;
    if (!least || v < *least) least = v;
    if (!most || v > *most) most = v;
    if (v > 0 && (!qualifiedleast || v < *qualifiedleast)) qualifiedleast = v;
    if (v < 1 && (!qualifiedmost || v > *qualifiedmost)) qualifiedmost = v;
  }
  double smallest() const {
    const auto& s = similarity ? least : (qualifiedleast ? qualifiedleast : least);
    return s.value_or(0.0);
  }
  double largest() const {
    const auto& l = similarity ? (qualifiedmost ? qualifiedmost : most) : most;
    return l.value_or(0.0);
  }
};

bool issimilarity(int measure) {
  return measure == matmemb || measure == mrel;
}

// An average over no values is shown as 0.
double average(double sum, int count) {
  return count > 0 ? sum / count : 0.0;
}

// "  7. [014]": the place number right-aligned in three columns.
void writerowheader(int place, bitvec set, pelantor::Algorithm algorithm) {
  if (place < 100) spaces(1);
  if (place < 10) spaces(1);
  writenum(place);
  mwrite(". ");
  writeprimeform(pelantor::PcSet::from_bits(set), algorithm);
}

void writeaverage(const char* lead, int measure, double value) {
  mwrite(lead);
  writemeasurename(measure);
  mwrite(" value:  ");
  writereal(value);
  mwrite("\n");
}

void writeextremes(const rowstats& row) {
  mwrite("     Smallest comparison value:  ");
  writereal(row.smallest());
  mwrite("     Largest comparison value:   ");
  writereal(row.largest());
}

// One row of a comparison with all values: the row set (place i) against the
// sets of places from..to of list (1-based); the line breaks follow the
// place numbers.  Returns the row's average.
double comparerow(const std::vector<bitvec>& list, int i, int from, int to, int measure,
                  pelantor::Algorithm algorithm) {
  rowstats row;
  row.similarity = issimilarity(measure);
  writerowheader(i, list[i - 1], algorithm);
  mwrite(" compared to:\n     ");
  for (int j = from; j <= to; ++j) {
    writenum(j);
    mwrite(". ");
    writeprimeform(pelantor::PcSet::from_bits(list[j - 1]), algorithm);
    mwrite(":  ");
    const double v = relatesets(list[i - 1], list[j - 1], measure);
    row.add(v);
    writereal(v);
    if (j != to) mwrite(j % 3 == 0 ? "\n     " : ",   ");
  }
  const double rowaverage = average(row.sum, to - from + 1);
  mwrite("\n");
  writeaverage("     Average ", measure, rowaverage);
  writeextremes(row);
  mwrite("\n\n");
  return rowaverage;
}

void writeheading(const char* name) {
  mwrite(name);
  mwrite("\n");
  mwrite("*****************************\n");
}

void writefinalaverage(int measure, double total, int rows) {
  writeaverage("Average ", measure, average(total, rows));
  mwrite("\n\n");
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
    while (refusedsize(set.bits())) {
      screen("Please type another pc set to compare:  ");
      set = readsetorempty().set;
    }
    // Written at once, so that no set typed is lost if the program is ended.
    file << set.bits() << '\n' << std::flush;
    screen("Please enter pc set %d or ENTER to return to menu:  ", k++);
    set = readsetorempty().set;
  }
  screen("\n\n");
}

void comparewithinlist(session& s) {
  char name[30];
  std::ifstream file;
  openlist("Please enter a file name to read: ", name, file);
  const int measure = choosemeasure(s);
  std::vector<bitvec> list;
  readlist(file, name, list);
  const int n = int(list.size());

  writeheading(name);
  double total = 0.0;
  for (int i = 1; i <= n; ++i) total += comparerow(list, i, 1, n, measure, s.algorithm);
  writefinalaverage(measure, total, n);
}

void comparetwolists(session& s) {
  char name1[30], name2[30];
  std::ifstream file1, file2;
  openlist("Please enter a file name to read: ", name1, file1);
  openlist("Please enter another file name to read: ", name2, file2);
  std::vector<bitvec> list;
  readlist(file1, name1, list);
  const int n = int(list.size());
  readlist(file2, name2, list);
  const int m = int(list.size()) - n;
  const int measure = choosemeasure(s);

  mwrite(name1);
  mwrite(" : ");
  writeheading(name2);
  double total = 0.0;
  // The second file's sets are numbered on from the first file's.
  for (int i = 1; i <= n; ++i) total += comparerow(list, i, n + 1, n + m, measure, s.algorithm);
  writefinalaverage(measure, total, n);
}

void showliststatistics(session& s) {
  char name[30];
  std::ifstream file;
  openlist("Please enter a file name to read: ", name, file);
  const int measure = choosemeasure(s);
  std::vector<bitvec> list;
  readlist(file, name, list);
  const int n = int(list.size());

  writeheading(name);
  double total = 0.0;
  for (int i = 1; i <= n; ++i) {
    writerowheader(i, list[i - 1], s.algorithm);
    spaces(5);
    writeforte(pelantor::set_class_of(pelantor::PcSet::from_bits(list[i - 1])));
    rowstats row;
    row.similarity = issimilarity(measure);
    for (int j = 1; j <= n; ++j) row.add(relatesets(list[i - 1], list[j - 1], measure));
    const double rowaverage = average(row.sum, n);
    mwrite("\n");
    writeaverage("     Average ", measure, rowaverage);
    writeextremes(row);
    mwrite("\n");
    total += rowaverage;
  }
  writefinalaverage(measure, total, n);
}
