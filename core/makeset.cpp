#include "core/makeset.h"

#include <bit>

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
