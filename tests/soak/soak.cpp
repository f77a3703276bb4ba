// The soak test's two halves.
//
//   soaktool script COUNT SEED   writes COUNT random answers, one a line, to
//                                standard output
//   soaktool check FILE...       checks that the report files are complete;
//                                prints what is not.  The
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

const std::string asterisks(60, '*');
const std::string setrule = std::string(39, '<') + std::string(38, '>');

// A value with no number in it, as printf writes one.
bool notanumber(std::string word) {
  while (!word.empty() && std::strchr("<>,:", word.back()) != nullptr) word.pop_back();
  while (!word.empty() && std::strchr("<>,:-+", word.front()) != nullptr) word.erase(0, 1);
  return word == "nan" || word == "inf";
}

// A report is complete when it ends with a line end and holds no NUL byte
// and no value that is no number, every banner has its three lines and
// every set report its 23 lines between its rules: nothing shown was cut
// short on its way into the file.
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
  std::vector<std::string> problems;
  if (text.empty() || text.back() != '\n') problems.push_back("no line end at the end");
  if (text.find('\0') != std::string::npos) problems.push_back("a NUL byte");
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  const auto at = [&](std::size_t k) { return k < lines.size() ? lines[k] : std::string(); };
  std::size_t reportend = 0;  // past the closing rule of the last set report
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string where = "line " + std::to_string(i + 1) + ": ";
    if (lines[i] == asterisks) {
      if (!at(i + 1).ends_with("\" created by \"Pelantor\"") || at(i + 2) != asterisks) {
        problems.push_back(where + "a cut banner");
      }
      i += 2;  // past the name line, which holds a file name
      continue;
    }
    if (lines[i] == setrule && i >= reportend) {
      if (at(i + 24) != setrule) problems.push_back(where + "a cut set report");
      reportend = i + 25;
    }
    std::istringstream words(lines[i]);
    for (std::string word; words >> word;) {
      if (notanumber(word)) problems.push_back(where + "no number: " + word);
    }
  }
  for (std::size_t k = 0; k < problems.size() && k < 20; ++k)
    std::printf("%s\n", problems[k].c_str());
  std::printf("%s: %zu lines, %zu problems\n", name, lines.size(), problems.size());
  return problems.empty() ? 0 : 1;
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
