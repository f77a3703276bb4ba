#pragma once
// Pitch-class sets: the bitvec representation and the elementary set
// operations.

#include <cstdint>

// A pitch-class set: bit k (value 2^k) is pitch class k, 0 = C ... 11 = B.
// Bit 12 is the exclusion mark.  Higher bits are always 0.
using bitvec = std::uint32_t;

inline constexpr bitvec pc0 = 1, pc1 = 2, pc2 = 4, pc3 = 8, pc4 = 16, pc5 = 32, pc6 = 64, pc7 = 128,
                        pc8 = 256, pc9 = 512, pcA = 1024, pcB = 2048;
inline constexpr bitvec exclusionmark = 4096;
inline constexpr bitvec aggregate = 4095;

// Turns hexadecimal pitch-class digits ("0148", "02468a") into a set at
// compile time, so tables read like the prime forms they hold.
consteval bitvec pcs(const char* digits) {
  bitvec set = 0;
  for (; *digits != '\0'; ++digits) {
    const char c = *digits;
    set |= bitvec{1} << (c <= '9' ? c - '0' : c - 'a' + 10);
  }
  return set;
}

// True when every pitch class of b is in a (b is a subset of a).
constexpr bool included(bitvec a, bitvec b) {
  return (a & b) == b;
}
// T1 of the low 12 bits; the exclusion mark is dropped.
constexpr bitvec rotate(bitvec x) {
  x &= aggregate;  // the mark must not wrap round into pitch class 1
  return ((x << 1) | (x >> 11)) & aggregate;
}
// Tn: n rotations; n of 0 or less returns x unchanged.
constexpr bitvec transpose(bitvec x, int n) {
  for (int i = 0; i < n; ++i) x = rotate(x);
  return x;
}
// T0I: pitch class k goes to (12 - k) mod 12; the exclusion mark is dropped.
bitvec inverse(bitvec x);
// The literal complement within the twelve pitch classes.
constexpr bitvec compliment(bitvec x) {
  return ~x & aggregate;
}
// The number of 1 bits, the exclusion mark included.
int bitcount(bitvec x);
// The interval class of a difference 0..11.
constexpr int ic(int d) {
  return d < 7 ? d : 12 - d;
}
// arr[1], arr[2], ... = the pitch classes of x in increasing order; returns
// how many were written.  arr needs 13 places.
int settoarray(bitvec x, int arr[]);
// Sorts arr[0..n] (n + 1 entries) into decreasing order.
void arraysort(int arr[], int n);
