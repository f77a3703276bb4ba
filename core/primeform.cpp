#include "core/primeform.h"

namespace {

// The six classes whose prime forms differ between the two algorithms:
// Forte's form is T(12 - d) of Rahn's.
struct fortecorrection {
  bitvec rahnform;
  bitvec forteform;
  int d;
};

constexpr fortecorrection fortecorrections[] = {
    {pcs("01568"), pcs("01378"), 5},        // 5-20
    {pcs("023679"), pcs("013689"), 6},      // 6-z29
    {pcs("014579"), pcs("013589"), 4},      // 6-31
    {pcs("0145679"), pcs("0123589"), 4},    // 7-18
    {pcs("0125679"), pcs("0124789"), 5},    // 7-20
    {pcs("0134578a"), pcs("0124579a"), 3},  // 8-26
};

}  // namespace

bitvec primeform(bitvec set, int* inversionflag, int* transposition, int alg) {
  const bitvec plain = set & aggregate;
  const bitvec inverted = inverse(plain);
  bitvec best = plain;
  int flag = 0;
  int n = 0;
  // The scan order decides which operator is reported when several map the
  // prime form onto the set: a transposition wins over an inversion, and
  // among inversions the first k reaching the minimum.
  for (int k = 1; k <= 12; ++k) {
    const bitvec a = transpose(inverted, k);
    const bitvec b = transpose(plain, k);
    if (a < best) {
      best = a;
      flag = 1;
      n = k % 12;
    }
    if (b <= best) {
      best = b;
      flag = 0;
      n = (11 * k) % 12;
    }
  }
  if (alg != rahn) {
    for (const fortecorrection& f : fortecorrections) {
      if (best == f.rahnform) {
        best = f.forteform;
        n = flag == 0 ? (n + f.d) % 12 : (n - f.d + 12) % 12;
        break;
      }
    }
  }
  *inversionflag = flag;
  *transposition = n;
  return best;
}

bitvec primeform(bitvec set, int alg) {
  int flag = 0;
  int n = 0;
  return primeform(set, &flag, &n, alg);
}
