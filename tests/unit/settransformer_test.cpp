#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "console/charsource.h"
#include "core/intervals.h"
#include "core/settable.h"
#include "features/setmappings.h"
#include "features/ttocodes.h"
#include "tests/unit/consoletest.h"

namespace {

constexpr int allpartitions[7] = {1, 1, 1, 1, 1, 1, 1};
constexpr canon defaultcanon = {1, 0, 0};
constexpr int multiplier[4] = {1, 11, 5, 7};
constexpr const char* suffix[4] = {"", "I", "M", "MI"};

// The image under multiplier m and transposition t, computed member by
// member without the program's operator code.
bitvec image(bitvec set, int m, int t) {
  bitvec result = 0;
  for (int k = 0; k < 12; ++k) {
    if ((set >> k) & 1) result |= bitvec{1} << ((m * k + t) % 12);
  }
  return result;
}

std::string braces(bitvec set) {
  std::string text = "{";
  for (int k = 0; k < 12; ++k) {
    if ((set >> k) & 1) text += "0123456789ab"[k];
  }
  return text + "}";
}

std::string half(int op, int t, bitvec from, bitvec to) {
  return std::string(1, "0123456789ab"[t]) + suffix[op] + braces(from) + " --> " + braces(to);
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) result.push_back(line);
  return result;
}

// What writemappings wrote, line by line, and the count it returned.
std::vector<std::string> mappings(bitvec set1, bitvec set2, const int partitions[7], canon ops,
                                  int showall, int* count) {
  return lines(written([&] { *count = writemappings(set1, set2, partitions, ops, showall); }));
}

bool incanon(int op, canon ops) {
  const int flags[4] = {1, ops.includeI, ops.includeM, ops.includeMI};
  return flags[op] != 0;
}

// The lines expected with every mapping shown, derived from the definition
// of a split: an unordered cut of set1 into two parts, each carried by one
// operator of the canon onto a part of set2, the two images disjoint and
// together set2.  The half of the larger part is written first; on equal
// sizes the half of the part without set1's largest member.
std::vector<std::string> expectedlines(bitvec set1, bitvec set2, const int partitions[7],
                                       canon ops) {
  std::vector<std::string> result;
  if (partitions[0] != 0) {
    for (int op = 0; op < 4; ++op) {
      if (!incanon(op, ops)) continue;
      for (int t = 0; t < 12; ++t) {
        if (image(set1, multiplier[op], t) == set2) {
          result.push_back("   T" + half(op, t, set1, set2));
        }
      }
    }
  }
  if (!result.empty()) return result;
  const int n = __builtin_popcount(set1);
  const int largest = 31 - __builtin_clz(set1);
  for (bitvec sub = 1; sub < set1; ++sub) {
    if ((sub & set1) != sub || ((sub >> largest) & 1) != 0) continue;
    const bitvec rest = set1 & ~sub;
    const int a = __builtin_popcount(sub);
    if (partitions[std::min(a, n - a)] == 0) continue;
    for (int op1 = 0; op1 < 4; ++op1) {
      for (int t1 = 0; t1 < 12; ++t1) {
        const bitvec sub2 = image(sub, multiplier[op1], t1);
        if (!incanon(op1, ops) || (sub2 & set2) != sub2) continue;
        for (int op2 = 0; op2 < 4; ++op2) {
          for (int t2 = 0; t2 < 12; ++t2) {
            if (!incanon(op2, ops) || image(rest, multiplier[op2], t2) != (set2 & ~sub2)) continue;
            const std::string subhalf = half(op1, t1, sub, sub2);
            const std::string resthalf = half(op2, t2, rest, set2 & ~sub2);
            result.push_back("   T" + (a < n - a ? resthalf : subhalf) + " and  T" +
                             (a < n - a ? subhalf : resthalf));
          }
        }
      }
    }
  }
  return result;
}

// Checks one printed half "T<t><suffix>{from} --> {to}" under calc.
void checkhalf(const std::string& text, bitvec* from, bitvec* to) {
  ASSERT_GE(text.size(), 2u);
  ASSERT_EQ(text[0], 'T') << text;
  const int t = std::stoi(text.substr(1, 1), nullptr, 16);
  const std::size_t open = text.find('{');
  const std::string name = text.substr(2, open - 2);
  const int op = static_cast<int>(std::find(suffix, suffix + 4, name) - suffix);
  ASSERT_LT(op, 4) << text;
  bitvec sets[2] = {0, 0};
  std::size_t at = open;
  for (bitvec& set : sets) {
    ASSERT_NE(at, std::string::npos) << text;
    for (++at; text[at] != '}'; ++at)
      set |= bitvec{1} << std::stoi(text.substr(at, 1), nullptr, 16);
    at = text.find('{', at);
  }
  *from = sets[0];
  *to = sets[1];
  EXPECT_EQ(calc(*from, op, t), *to) << text;
}

TEST(InverseOp, UndoesEveryOperatorOnEverySet) {
  EXPECT_EQ(inverseop(3), 9);
  EXPECT_EQ(inverseop(105), 105);
  EXPECT_EQ(inverseop(201), 207);
  EXPECT_EQ(inverseop(301), 305);
  for (int op = 0; op < 4; ++op) {
    for (int t = 0; t < 12; ++t) {
      const int code = 100 * op + t;
      int iop = 0, it = 0;
      converttni(inverseop(code), &iop, &it);
      EXPECT_EQ(iop, op) << "code " << code;
      EXPECT_EQ(inverseop(inverseop(code)), code);
      for (bitvec s = 0; s <= aggregate; ++s) {
        ASSERT_EQ(calc(calc(s, op, t), iop, it), s) << "set " << s << " code " << code;
        ASSERT_EQ(calc(inversecalc(s, code), op, t), s) << "set " << s << " code " << code;
      }
    }
  }
}

TEST(TransformSet, AugmentedTriadOntoItself) {
  int list[codelistsize];
  const bitvec triad = pcs("048");
  transformset(1, list, triad, triad, 1, 0, 0);
  const int expected[codelistsize] = {-1, 0, 4, 8, 100, 104, 108};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(list[i], expected[i]) << "entry " << i;
  for (int i = 7; i < codelistsize; ++i) EXPECT_EQ(list[i], -1) << "entry " << i;

  transformset(0, list, triad, triad, 1, 0, 0);
  EXPECT_EQ(list[0], -1);
  EXPECT_EQ(list[1], 0);
  EXPECT_EQ(list[2], -1);
}

TEST(TransformSet, AggregateFillsTheList) {
  int list[codelistsize];
  // The aggregate is mapped onto itself by all 48 operators.
  transformset(1, list, aggregate, aggregate, 1, 1, 1);
  for (int i = 1; i < codelistsize; ++i) EXPECT_EQ(list[i], 100 * ((i - 1) / 12) + (i - 1) % 12);
}

TEST(WriteMappings, AggregateListsAll48WithoutReadingPastTheList) {
  int count = 0;
  const canon everyoperator = {1, 1, 1};
  const auto single = mappings(aggregate, aggregate, allpartitions, everyoperator, 1, &count);
  EXPECT_EQ(count, 48);
  ASSERT_EQ(single.size(), 48u);
  EXPECT_EQ(single[0], "   T0{0123456789ab} --> {0123456789ab}");
  EXPECT_EQ(single[47], "   T7MI{0123456789ab} --> {0123456789ab}");
}

TEST(WriteMappings, ShowAllZeroKeepsFirstOfEachCut) {
  int count = 0;
  // {014} onto {237}: of the two cuts that work, only the first line each.
  const auto split = mappings(pcs("014"), pcs("237"), allpartitions, defaultcanon, 0, &count);
  EXPECT_EQ(split, (std::vector<std::string>{"   T3{04} --> {37} and  T1{1} --> {2}",
                                             "   T2{01} --> {23} and  T3{4} --> {7}"}));
}

// Random pairs of every size, half of them related by some operator, under
// random canons and partition filters: every line printed maps its sets
// under calc, the halves of a split cut both sets cleanly, and the lines
// are exactly those the definition of a mapping gives.
TEST(WriteMappings, RandomPairsAgreeWithDefinition) {
  std::mt19937 random(20240611);
  for (int trial = 0; trial < 400; ++trial) {
    const int n = 1 + static_cast<int>(random() % 11);
    std::vector<int> pcsorder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    std::shuffle(pcsorder.begin(), pcsorder.end(), random);
    bitvec set1 = 0;
    for (int i = 0; i < n; ++i) set1 |= bitvec{1} << pcsorder[i];
    bitvec set2 = 0;
    if (trial % 2 == 0) {
      set2 = calc(set1, static_cast<int>(random() % 4), static_cast<int>(random() % 12));
    } else {
      std::shuffle(pcsorder.begin(), pcsorder.end(), random);
      for (int i = 0; i < n; ++i) set2 |= bitvec{1} << pcsorder[i];
    }
    const canon ops = {static_cast<int>(random() % 2), static_cast<int>(random() % 2),
                       static_cast<int>(random() % 2)};
    int partitions[7] = {1, 1, 1, 1, 1, 1, 1};
    if (trial % 3 == 0) {
      for (int& flag : partitions) flag = static_cast<int>(random() % 2);
    }
    SCOPED_TRACE("set1 " + braces(set1) + " set2 " + braces(set2) + " trial " +
                 std::to_string(trial));

    int count = 0;
    const auto printed = mappings(set1, set2, partitions, ops, 1, &count);
    EXPECT_EQ(static_cast<int>(printed.size()), count);
    for (const std::string& line : printed) {
      ASSERT_EQ(line.substr(0, 3), "   ");
      const std::size_t andat = line.find(" and  ");
      bitvec from = 0, to = 0;
      checkhalf(line.substr(3, andat == std::string::npos ? std::string::npos : andat - 3), &from,
                &to);
      if (andat == std::string::npos) {
        EXPECT_EQ(from, set1) << line;
        EXPECT_EQ(to, set2) << line;
      } else {
        bitvec from2 = 0, to2 = 0;
        checkhalf(line.substr(andat + 6), &from2, &to2);
        EXPECT_EQ(from | from2, set1) << line;
        EXPECT_EQ(from & from2, 0u) << line;
        EXPECT_EQ(to | to2, set2) << line;
        EXPECT_EQ(to & to2, 0u) << line;
        EXPECT_GE(bitcount(from), bitcount(from2)) << line;
      }
    }

    auto expected = expectedlines(set1, set2, partitions, ops);
    auto sorted = printed;
    std::sort(sorted.begin(), sorted.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(sorted, expected);

    // Sets related by an operator of the canon always get single lines.
    bool related = false;
    for (int op = 0; op < 4; ++op) {
      for (int t = 0; t < 12; ++t) related |= incanon(op, ops) && calc(set1, op, t) == set2;
    }
    if (related && partitions[0] != 0) {
      ASSERT_FALSE(printed.empty());
      EXPECT_EQ(printed[0].find(" and "), std::string::npos) << printed[0];
    }
  }
}

// The chart, checked row by row against a mark recomputed from the rule.
TEST(ShowMappings, EveryRowFollowsTheRule) {
  const auto chart = lines(written([] { showmappings(); }));
  ASSERT_EQ(chart.size(), 225u);
  EXPECT_EQ(chart[0], "                T           TnI         TnM5        TnM7        ");
  EXPECT_EQ(chart[1], std::string(16, ' ') + "0123456789ab0123456789ab0123456789ab0123456789ab");
  int previous = 0;
  for (std::size_t i = 2; i < chart.size(); ++i) {
    const std::string& row = chart[i];
    ASSERT_EQ(row.size(), 64u) << row;
    const std::size_t close = row.find(']');
    ASSERT_EQ(row[0], '[') << row;
    bitvec prime = 0;
    for (std::size_t k = 1; k < close; ++k)
      prime |= bitvec{1} << std::stoi(row.substr(k, 1), nullptr, 16);
    const int n = bitcount(prime);
    EXPECT_EQ(row.substr(close + 1, 15 - close), std::string(15 - close, ' ')) << row;
    // Rows follow the table: every class once, by size, then by prime form.
    const int rowindex = classrow(prime);
    EXPECT_EQ(getbitvec(rowindex), prime) << row;
    EXPECT_EQ(rowindex, previous + 1) << row;
    previous = rowindex;
    for (int op = 0; op < 4; ++op) {
      for (int t = 0; t < 12; ++t) {
        const bitvec q = image(prime, multiplier[op], t);
        const bool marked = q == prime || (q & prime) == 0;
        EXPECT_EQ(row[16 + 12 * op + t], marked ? 'x' : ' ')
            << row << " op " << op << " t " << t << " size " << n;
      }
    }
  }
  EXPECT_EQ(previous, settablesize - 1);
}

}  // namespace
