#include "core/intervals.h"

namespace {

constexpr int multipliers[4] = {1, 11, 5, 7};

// How many transpositions map b onto itself: every distinct form of b is
// visited that many times when all twelve transpositions are visited.
int transpositionalsymmetry(bitvec b) {
  if (b == 0 || b == aggregate) return 12;
  if (b == transpose(b, 2)) return 6;
  if (b == transpose(b, 3)) return 4;
  if (b == transpose(b, 4)) return 3;
  if (b == transpose(b, 6)) return 2;
  return 1;
}

// The number of n for which TnI maps the set onto itself.
int symmetrical(bitvec set) {
  int count = 0;
  for (int n = 0; n < 12; ++n) {
    if (inverse(transpose(set, n)) == set) ++count;
  }
  return count;
}

// Counts the forms f of b (T n of b, and T n of its inverse unless b is
// inversionally symmetric) passing the test, once per distinct form.
template <typename Test>
int countforms(bitvec b, Test test) {
  int count = 0;
  for (int n = 0; n < 12; ++n) {
    if (test(transpose(b, n))) ++count;
  }
  if (symmetrical(b) == 0) {
    const bitvec inverted = inverse(b);
    for (int n = 0; n < 12; ++n) {
      if (test(transpose(inverted, n))) ++count;
    }
  }
  return count / transpositionalsymmetry(b);
}

}  // namespace

int decodeTTO(int index) {
  return multipliers[index];
}

bitvec calc(bitvec set, int index, int n) {
  const int multiplier = decodeTTO(index);
  bitvec image = 0;
  for (int k = 0; k < 12; ++k) {
    if (set & (bitvec{1} << k)) image |= bitvec{1} << ((k * multiplier + n) % 12);
  }
  return image;
}

void icvector(bitvec set, int vec[7]) {
  int members[13];
  const int m = settoarray(set, members);
  for (int i = 1; i <= 6; ++i) vec[i] = 0;
  for (int i = 1; i <= m; ++i) {
    for (int j = i + 1; j <= m; ++j) ++vec[ic(members[j] - members[i])];
  }
}

void invarvec(bitvec set, int vec[8]) {
  const int size = bitcount(set);
  for (int i = 0; i < 8; ++i) vec[i] = 0;
  for (int n = 0; n < 12; ++n) {
    for (int index = 0; index < 4; ++index) {
      const bitvec common = set & calc(set, index, n);
      if (bitcount(common) == size) {
        ++vec[index];
      } else if (common == 0) {
        ++vec[index + 4];
      }
    }
  }
}

void vtics(bitvec set, int vec[13]) {
  for (int n = 0; n < 12; ++n) vec[n] = bitcount(set & calc(set, opI, n));
  vec[12] = 0;
}

int setinclude(bitvec a, bitvec b) {
  return countforms(b, [a](bitvec form) { return included(a, form); });
}
