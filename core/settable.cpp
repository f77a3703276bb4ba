#include "core/settable.h"

#include <bit>

#include "core/primeform.h"
#include "core/settable_data.h"

namespace {

struct rowrange {
  int first;
  int last;
};

// The first and last settable row of each cardinality 0..12.
constexpr rowrange locinfo[13] = {
    {0, 0},     {1, 1},     {2, 7},     {8, 19},    {20, 48},   {49, 86},   {87, 136},
    {137, 174}, {175, 203}, {204, 215}, {216, 221}, {222, 222}, {223, 223},
};

// Fewest and most occurrences of each interval class (columns 1..6) in a
// set of each cardinality (rows 0..12).
constexpr int icmin[13][7] = {
    {0, 0, 0, 0, 0, 0, 0},       // 0
    {0, 0, 0, 0, 0, 0, 0},       // 1
    {0, 0, 0, 0, 0, 0, 0},       // 2
    {0, 0, 0, 0, 0, 0, 0},       // 3
    {0, 0, 0, 0, 0, 0, 0},       // 4
    {0, 0, 0, 0, 1, 0, 0},       // 5
    {0, 0, 0, 0, 2, 0, 0},       // 6
    {0, 2, 2, 2, 3, 2, 1},       // 7
    {0, 4, 4, 4, 4, 4, 2},       // 8
    {0, 6, 6, 6, 6, 6, 3},       // 9
    {0, 8, 8, 8, 8, 8, 4},       // 10
    {0, 10, 10, 10, 10, 10, 5},  // 11
    {0, 12, 12, 12, 12, 12, 6},  // 12
};
constexpr int icmax[13][7] = {
    {0, 0, 0, 0, 0, 0, 0},       // 0
    {0, 0, 0, 0, 0, 0, 0},       // 1
    {0, 1, 1, 1, 1, 1, 1},       // 2
    {0, 2, 2, 2, 3, 2, 1},       // 3
    {0, 3, 3, 4, 3, 3, 2},       // 4
    {0, 4, 4, 4, 4, 4, 2},       // 5
    {0, 5, 6, 5, 6, 5, 3},       // 6
    {0, 6, 6, 6, 6, 6, 3},       // 7
    {0, 7, 7, 8, 7, 7, 4},       // 8
    {0, 8, 8, 8, 9, 8, 4},       // 9
    {0, 9, 9, 9, 9, 9, 5},       // 10
    {0, 10, 10, 10, 10, 10, 5},  // 11
    {0, 12, 12, 12, 12, 12, 6},  // 12
};

constexpr bool rowsagreewithlocinfo() {
  if (locinfo[0].first != 0 || locinfo[12].last != settablesize - 1) return false;
  for (int c = 1; c <= 12; ++c) {
    if (locinfo[c].first != locinfo[c - 1].last + 1) return false;
    for (int row = locinfo[c].first; row < locinfo[c].last; ++row) {
      if (settable[row].prime >= settable[row + 1].prime) return false;
    }
    for (int row = locinfo[c].first; row <= locinfo[c].last; ++row) {
      if (std::popcount(settable[row].prime) != c) return false;
    }
  }
  return true;
}
static_assert(rowsagreewithlocinfo(), "settable rows must match locinfo, sorted by prime");

}  // namespace

int binsearch(int first, int last, bitvec prime) {
  int lo = first;
  int hi = last;
  while (hi >= lo) {
    const int mid = (lo + hi) / 2;
    if (settable[mid].prime == prime) return mid;
    if (prime < settable[mid].prime) {
      hi = mid - 1;
    } else {
      lo = mid + 1;
    }
  }
  return 0;
}

bitvec linsearch(int first, int last, int ordinal) {
  for (int row = first; row <= last; ++row) {
    if (settable[row].ordinal == static_cast<std::uint32_t>(ordinal)) return settable[row].prime;
  }
  return 0;
}

bitvec getbitvec(int row) {
  return settable[row].prime;
}
bitvec sendset(int row) {
  return settable[row].prime;
}
const setentry& sendentry(int row) {
  return settable[row];
}

int sendlocinfo(int c, int which) {
  return which == 0 ? locinfo[c].first : locinfo[c].last;
}
int sendicmin(int c, int i) {
  return icmin[c][i];
}
int sendicmax(int c, int i) {
  return icmax[c][i];
}

int classrow(bitvec set) {
  const bitvec plain = set & aggregate;
  const int c = bitcount(plain);
  return binsearch(locinfo[c].first, locinfo[c].last, primeform(plain, rahn));
}
