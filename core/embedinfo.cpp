#include "core/embedinfo.h"

#include "core/embtables.h"

namespace {

// Table k by its number; null outside 1..12.
const embrow* embtable(int k) {
  static constexpr const embrow* tables[13] = {
      nullptr,   embtable1, embtable2, embtable3,  embtable4,  embtable5, embtable6,
      embtable7, embtable8, embtable9, embtable10, embtable11, embtable12};
  return k >= 1 && k <= 12 ? tables[k] : nullptr;
}

}  // namespace

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
