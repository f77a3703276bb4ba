#include "core/embedinfo.h"

#include "core/embtables.h"
#include "core/settable.h"

namespace {

// Table k by its number; null outside 1..12.
const embrow* embtable(int k) {
  static constexpr const embrow* tables[13] = {
      nullptr,   embtable1, embtable2, embtable3,  embtable4,  embtable5, embtable6,
      embtable7, embtable8, embtable9, embtable10, embtable11, embtable12};
  return k >= 1 && k <= 12 ? tables[k] : nullptr;
}

}  // namespace

int findsubset(int lo, int hi, bitvec prime) {
  if (lo < 0) lo = 0;
  if (hi >= embtablerows[12]) hi = embtablerows[12] - 1;
  for (int r = lo; r <= hi; ++r) {
    if (embtable12[r].prime == prime) return r;
  }
  return -1;
}

std::uint32_t sendembedding(int k, int row, int column) {
  const embrow* table = embtable(k);
  if (table == nullptr || row < 0 || row >= embtablerows[k]) return 0;
  switch (column) {
    case 0:
      return table[row].prime;
    case 1:
      return table[row].ordinal;
    case 2:
      return table[row].minemb;
    case 3:
      return table[row].maxemb;
    default:
      return 0;
  }
}

void sendembinfo(int k, bitvec prime, int* maxemb, int* minemb) {
  int first = 0, last = 0;
  cardinfo(bitcount(prime & aggregate), &first, &last);
  const int row = findsubset(first - 1, last - 1, prime & aggregate);
  *maxemb = static_cast<int>(sendembedding(k, row, 3));
  *minemb = static_cast<int>(sendembedding(k, row, 2));
}
