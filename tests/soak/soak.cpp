// The soak test's two halves.
//
//   soaktool script COUNT SEED   writes COUNT random answers, one a line, to
//                                standard output
//   soaktool check FILE...       checks that every result block of the report
//                                files is complete; prints what is not.  The
//                                first FILE must be a report file; each other
//                                one is checked when it starts with a report
//                                banner (other files are set lists and the
//                                like)
//
// The answers are drawn from what the program's prompts accept (menu
// numbers, sets, yes and no, x, file names, the escapes) plus junk: out of
// range and huge numbers, minus signs, long lines, NUL bytes, bytes above
// 127, carriage returns.  The script starts by opening the report file
// report.txt; answers never hold '/', so every file typed stays in the
// folder the program runs in.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

// xorshift64*: the same script on every machine for the same seed.
std::uint64_t state = 1;
std::uint64_t next() {
  state ^= state >> 12;
  state ^= state << 25;
  state ^= state >> 27;
  return state * 2685821657736338717ULL;
}
int below(int n) {
  return static_cast<int>((next() >> 33) % static_cast<std::uint64_t>(n));
}
template <std::size_t N>
const char* pick(const char* const (&choices)[N]) {
  return choices[below(static_cast<int>(N))];
}

std::string randomset() {
  static const char* const names[12][3] = {{"0", "0", "0"}, {"1", "1", "1"}, {"2", "2", "2"},
                                           {"3", "3", "3"}, {"4", "4", "4"}, {"5", "5", "5"},
                                           {"6", "6", "6"}, {"7", "7", "7"}, {"8", "8", "8"},
                                           {"9", "9", "9"}, {"a", "t", "+"}, {"b", "e", "*"}};
  std::string set;
  const int members = 1 + below(below(4) == 0 ? 12 : 7);
  for (int i = 0; i < members; ++i) {
    set += names[below(12)][below(3)];
    if (below(4) == 0) set += ' ';
  }
  if (below(12) == 0)
    set.insert(static_cast<std::size_t>(below(static_cast<int>(set.size()))), "n");
  return set;
}

std::string junk() {
  std::string line;
  const int length = below(8) == 0 ? 100 + below(3000) : 1 + below(20);
  for (int i = 0; i < length; ++i) {
    char c = static_cast<char>(below(256));
    if (c == '\n' || c == '/') c = '.';
    line += c;
  }
  return line;
}

const char* const filenames[] = {"report.txt",
                                 "report.txt",
                                 "list1",
                                 "list2",
                                 "list3",
                                 "missing",
                                 ".",
                                 "..",
                                 "",
                                 "name with blanks ",
                                 "a-name-of-exactly-29-letters-",
                                 "an-even-longer-name-that-goes-on-and-on",
                                 "caf\xc3\xa9",
                                 "tab\tname\t"};
const char* const numbers[] = {"8",
                               "9",
                               "10",
                               "12",
                               "13",
                               "16",
                               "17",
                               "99",
                               "222",
                               "4096",
                               "2147483647",
                               "2147483648",
                               "99999999999999999999",
                               "-1",
                               "-3",
                               "+5",
                               "007"};
const char* const yesno[] = {"y", "n", "Y", "N", "yes", "no", "yup", "nope", "maybe"};
const char* const escapes[] = {"?", "h", "H", "#"};

std::string answer() {
  const int kind = below(100);
  std::string line;
  if (kind < 22) {
    line = std::to_string(below(20) == 0 ? 0 : 1 + below(7));
  } else if (kind < 44) {
    line = randomset();
  } else if (kind < 54) {
    line = pick(yesno);
  } else if (kind < 63) {
    line = "";
  } else if (kind < 68) {
    line = below(2) ? "x" : "X";
  } else if (kind < 75) {
    line = pick(numbers);
  } else if (kind < 81) {
    line = pick(filenames);
  } else if (kind < 83) {
    line = pick(escapes);
  } else if (kind < 90) {
    line = std::to_string(1 + below(6));
  } else {
    line = junk();
  }
  if (below(40) == 0) line += '\r';  // a Windows line end
  if (below(30) == 0) line = "   " + line;
  return line;
}

int writescript(long count, std::uint64_t seed) {
  state = seed * 0x9E3779B97F4A7C15ULL + 1;
  std::string script = "y\nreport.txt\n";
  for (long i = 0; i < count; ++i) {
    const std::string line = answer();
    script += line + "\n";
    // A yes is often the report-file question: keep most results together
    // in report.txt.
    if ((line == "y" || line == "Y") && below(2) == 0) {
      script += "report.txt\n";
      ++i;
    }
  }
  std::fwrite(script.data(), 1, script.size(), stdout);
  return 0;
}

// ---- the check ----------------------------------------------------------

struct reportfile {
  std::vector<std::string> lines;
  std::size_t at = 0;
  int problems = 0;

  bool more() const { return at < lines.size(); }
  const std::string& peek() const { return lines[at]; }
  void fail(const std::string& what) {
    if (++problems <= 20) std::printf("report line %zu: %s\n", at + 1, what.c_str());
  }
};

bool startswith(const std::string& s, const char* prefix) {
  return s.compare(0, std::strlen(prefix), prefix) == 0;
}
bool endswith(const std::string& s, const char* suffix) {
  const std::size_t n = std::strlen(suffix);
  return s.size() >= n && s.compare(s.size() - n, n, suffix) == 0;
}

const std::string asterisks(60, '*');
const std::string setrule = std::string(39, '<') + std::string(38, '>');

// "****", the centred name line, "****", an empty line.
void checkbanner(reportfile& r) {
  ++r.at;
  if (!r.more() || !endswith(r.peek(), "\" created by \"Pelantor\""))
    r.fail("banner without its name line");
  ++r.at;
  if (!r.more() || r.peek() != asterisks) r.fail("banner without its closing asterisks");
  ++r.at;
}

// Entry 1: between two rules, the input-set line and the 23 property lines.
void checksetreport(reportfile& r) {
  static const char* const prefixes[] = {"Input set: {",
                                         "  SET PROPERTIES:",
                                         "    IC vector:  <",
                                         "    VTICS:  <",
                                         "    Fragmentation of 1-cycle:  [",
                                         "    Fragmentation of 2-cycles: [",
                                         "    Fragmentation of 3-cycles: [",
                                         "    Fragmentation of 4-cycles: [",
                                         "    Fragmentation of 5-cycle:  [",
                                         "    Fragmentation of 6-cycles: [",
                                         "    IC Cycle Vector:     <",
                                         "    Weighted IC Cyc Vec:  <",
                                         "    IC saturation vector a:  <",
                                         "                         b:  <",
                                         "    Adjusted IC vector:  <",
                                         "    Proportional ICSATV:  <",
                                         "    PICSAT%V: <",
                                         "    CycSATV a: <",
                                         "            b: <",
                                         "    Proportional CycSATV:  <",
                                         "  RELATED SETS / SET-CLASSES:",
                                         "    Literal comp: {"};
  ++r.at;
  for (const char* prefix : prefixes) {
    if (!r.more() || !startswith(r.peek(), prefix)) {
      r.fail(std::string("set report: expected a line starting \"") + prefix + "\"");
      return;
    }
    ++r.at;
  }
  // The Z and M line, then the closing rule.
  if (!r.more() || (!startswith(r.peek(), "    Z = [") && !startswith(r.peek(), "    M/MI = [")) ||
      !endswith(r.peek(), ")")) {
    r.fail("set report: no complete Z/M line");
    return;
  }
  ++r.at;
  if (!r.more() || r.peek() != setrule) {
    r.fail("set report: no closing rule");
    return;
  }
  ++r.at;
}

// Entry 5: the pair's heading, one line per operator (or the apology), an
// empty line.
bool isoperatorline(const std::string& s) {
  if (!startswith(s, "   T")) return false;
  const std::size_t arrow = s.find(" --> {");
  return arrow != std::string::npos && endswith(s, "}");
}
void checktransformations(reportfile& r) {
  const std::string& head = r.peek();
  const std::size_t onto = head.find("} onto {");
  if (onto == std::string::npos || !endswith(head, "}")) r.fail("transformations: heading cut");
  ++r.at;
  if (r.more() && r.peek().empty() && r.at + 1 < r.lines.size() &&
      r.lines[r.at + 1] == "Sorry there were no operations that map set #1 onto set #2") {
    r.at += 2;
  } else {
    while (r.more() && isoperatorline(r.peek())) ++r.at;
  }
  if (!r.more() || !r.peek().empty()) r.fail("transformations: list not ended by an empty line");
}

// Entry 7: the heading, the transpositions and the 223 rows of the chart.
void checkchart(reportfile& r) {
  ++r.at;
  if (!r.more() || !startswith(r.peek(), std::string(16, ' ').c_str()))
    r.fail("chart: no transpositions");
  ++r.at;
  for (int row = 0; row < 223; ++row, ++r.at) {
    if (!r.more() || r.peek().size() != 16 + 48 || r.peek()[0] != '[' ||
        r.peek().find_first_not_of("x ", 16) != std::string::npos) {
      r.fail("chart: row " + std::to_string(row + 1) + " missing or cut");
      return;
    }
  }
}

// The lines of entries 2, 3, 4 and 6 outside the set-list comparisons: each
// must be whole.  A value is written with three decimals; nan or inf would
// be a wrong result, not a value.
#define SET "\\[[0-9ab]*\\]"
#define LABEL "[0-9]+-z?[0-9]+"
#define VALUE "[0-9]+\\.[0-9]{3}"
#define ZPART "(    Z = " SET " \\(" LABEL "\\))?"
const std::regex linepatterns[] = {
    // entries 2 and 3: headings, rows, empty results
    std::regex("(Non-overlapping |Overlapping |All |[0-9]+-note )(combinations|supersets|subsets) "
               "of (not )?" SET "(, (not )?" SET ")*"),
    std::regex(" *[0-9]*  " SET " *" LABEL " +<[0-9a-f]{6}>" ZPART),
    std::regex(" *[0-9]+  " SET " +" LABEL " +max-[0-9]+ +min\\+[0-9]+"),
    std::regex("    " SET " +" LABEL " +"),
    std::regex("There are no combinations that fit this category"),
    std::regex("  None mutually included"),
    // entry 4
    std::regex("([0-9]+-note|All) sets with interval-class vector: <[0-9a-fx]{6}>"),
    std::regex("Sorry, there are no matching sets"),
    // entry 6: the matrix and the comparison with every set class
    std::regex("[ -~]+ comparison matrix"),
    std::regex(" {16}([0-9]+ +)+"),
    std::regex(" ?[0-9]+\\. " SET " +(" VALUE "  )+"),
    std::regex("[ -~]+ relations to set class " SET ":"),
    std::regex("(" VALUE "| {5,})  " SET " *" LABEL " +<[0-9a-f]{6}>" ZPART),
    std::regex("[0-9]+ distinct [ -~]+ values"),
};

bool knownline(const std::string& s) {
  for (const std::regex& pattern : linepatterns) {
    if (std::regex_match(s, pattern)) return true;
  }
  return false;
}

// A set-list comparison: the file name(s), 29 asterisks, per row its header
// (and its values), average and extremes, then the final average.
void checksetlist(reportfile& r) {
  static const std::regex rowheader(" *[0-9]+\\. " SET "( compared to:|     " LABEL ")");
  // Against an empty second list a row has no values at all.
  static const std::regex values("     ([0-9]+\\. " SET ":  " VALUE "(,   |$))*");
  static const std::regex rowaverage("     Average [ -~]+ value:  " VALUE);
  static const std::regex extremes("     Smallest comparison value:  " VALUE
                                   "     Largest comparison value:   " VALUE);
  static const std::regex finalaverage("Average [ -~]+ value:  " VALUE);
  r.at += 2;
  while (r.more() && std::regex_match(r.peek(), rowheader)) {
    ++r.at;
    while (r.more() && std::regex_match(r.peek(), values)) ++r.at;
    if (!r.more() || !std::regex_match(r.peek(), rowaverage)) {
      r.fail("set list: row without its average");
      return;
    }
    ++r.at;
    if (!r.more() || !std::regex_match(r.peek(), extremes)) {
      r.fail("set list: row without its extremes");
      return;
    }
    ++r.at;
    if (r.more() && r.peek().empty()) ++r.at;
  }
  if (!r.more() || !std::regex_match(r.peek(), finalaverage)) {
    r.fail("set list: no final average");
    return;
  }
  ++r.at;
}

int checkreport(const char* name, bool required) {
  std::ifstream file(name, std::ios::binary);
  if (!file) {
    std::printf("%s: cannot be read\n", name);
    return required ? 1 : 0;
  }
  std::stringstream whole;
  whole << file.rdbuf();
  const std::string text = whole.str();
  if (!required && text.compare(0, asterisks.size(), asterisks) != 0) return 0;
  reportfile r;
  if (text.empty()) r.fail("the report is empty");
  if (!text.empty() && text.back() != '\n') r.fail("the last line has no line end");
  if (text.find('\0') != std::string::npos) r.fail("a NUL byte");
  std::string line;
  std::istringstream lines(text);
  while (std::getline(lines, line)) r.lines.push_back(line);

  long blocks = 0;
  while (r.more()) {
    const std::string& s = r.peek();
    if (s == asterisks) {
      checkbanner(r);
    } else if (s == setrule) {
      checksetreport(r);
    } else if (startswith(s, "Transformations of {")) {
      checktransformations(r);
    } else if (startswith(s, "                T           TnI")) {
      checkchart(r);
    } else if (r.at + 1 < r.lines.size() && r.lines[r.at + 1] == std::string(29, '*')) {
      checksetlist(r);
    } else {
      if (!s.empty() && !knownline(s)) r.fail("a line of no result block: \"" + s + "\"");
      ++r.at;
      continue;
    }
    ++blocks;
  }
  std::printf("%s: %zu lines, %ld result blocks, %d incomplete\n", name, r.lines.size(), blocks,
              r.problems);
  return r.problems == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 4 && std::strcmp(argv[1], "script") == 0) {
    return writescript(std::atol(argv[2]), std::strtoull(argv[3], nullptr, 10));
  }
  if (argc >= 3 && std::strcmp(argv[1], "check") == 0) {
    int status = 0;
    for (int i = 2; i < argc; ++i) status |= checkreport(argv[i], i == 2);
    return status;
  }
  std::fprintf(stderr, "usage: soaktool script COUNT SEED | soaktool check FILE\n");
  return 2;
}
