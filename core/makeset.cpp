#include "core/makeset.h"

#include <bit>
#include <string_view>

#include "console/charsource.h"
#include "console/funnel.h"

namespace {

// Blanks that may separate pitch classes; the newline ends the set instead.
bool isblankbutnewline(int c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// Reads one line of codes into *set, from the empty set.
void readline(bitvec* set) {
  *set = 0;
  for (int code = getpc(); code != endofline; code = getpc()) {
    makeset(set, code == pctencode ? 10 : code);
  }
}

}  // namespace

void readset(bitvec* set) {
  readline(set);
  while (*set == 0 || *set == exclusionmark) {
    screen("I'm sorry, there's just no point dealing with an empty set.\n");
    screen("  Try again: ");
    readline(set);
  }
}

void readsetII(bitvec* set) {
  readline(set);
}

int getpc() {
  int c = getcharacter(consolein());
  while (isblankbutnewline(c)) c = getcharacter(consolein());
  if (ispc(c)) return toint(c);
  if (c == 'N' || c == 'n') return exclusioncode;
  if (c == '\n') return endofline;
  screen("ERROR -- bad input: %c is not a pitch-class!\n", c);
  return rejected;
}

bool ispc(int c) {
  constexpr std::string_view tenandeleven = "aAtT+bBeE*";
  return (c >= '0' && c <= '9') ||
         (c > 0 && tenandeleven.find(static_cast<char>(c)) != tenandeleven.npos);
}

int toint(int c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c == 'a' || c == 'A' || c == 't' || c == 'T' || c == '+') return pctencode;
  return 11;
}

void makeset(bitvec* set, int code) {
  if (code != rejected) *set |= pctobitvec(code);
}

bitvec pctobitvec(int code) {
  if (code >= 0 && code <= 11) return bitvec{1} << code;
  if (code == exclusioncode) return exclusionmark;
  return 0;
}

bitvec inverse(bitvec x) {
  bitvec result = 0;
  for (int k = 0; k < 12; ++k) {
    if (x & (bitvec{1} << k)) result |= bitvec{1} << ((12 - k) % 12);
  }
  return result;
}

int bitcount(bitvec x) {
  return std::popcount(x);
}

int settoarray(bitvec x, int arr[]) {
  int count = 0;
  for (int k = 0; k < 12; ++k) {
    if (x & (bitvec{1} << k)) arr[++count] = k;
  }
  return count;
}

void arraysort(int arr[], int n) {
  for (int i = 0; i < n; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      if (arr[j] > arr[i]) {
        const int held = arr[i];
        arr[i] = arr[j];
        arr[j] = held;
      }
    }
  }
}
