#pragma once
// The twelve-tone operators that map one literal set onto another of the
// same size: single operators, or, where none does, split operations that
// map two complementary parts of the first set by two operators.

#include <array>
#include <vector>

#include "pelantor/pcset.h"
#include "pelantor/transform.h"

namespace pelantor {

// The operators searched: Tn always, TnI, TnM and TnMI as chosen.  The
// defaults are the program's: transposition and inversion.
struct Canon {
  bool inversion = true;
  bool m = false;
  bool mi = false;

  constexpr bool includes(Operation operation) const {
    switch (operation) {
      case Operation::I:
        return inversion;
      case Operation::M:
        return m;
      case Operation::MI:
        return mi;
      default:
        return true;
    }
  }
};

struct MappingOptions {
  Canon canon;
  // False: only the first single operator, and the first split of each cut.
  bool show_all = true;
  // [k]: whether cuts whose smaller part has k members are searched; [0]
  // stands for the whole set, the single operators.
  std::array<bool, 7> partitions = {true, true, true, true, true, true, true};
};

// The operators of the canon that map from onto to, in the order of the
// search for the operators mapping to onto from (T, I, M, MI, each with
// n = 0..11), each listed as the inverse of the one found.  So {048} onto
// itself gives T0, T8, T4, T0I, T4I, T8I.  With show_all false at most the
// first.  Sets of different sizes give none.
std::vector<Transform> operators_between(PcSet from, PcSet to, Canon canon, bool show_all);

// One half of a split operation: op maps source onto target.
struct SplitHalf {
  Transform op;
  PcSet source;
  PcSet target;
  friend constexpr bool operator==(const SplitHalf&, const SplitHalf&) = default;
};

// A split operation, halves in the order they are written: the half of the
// larger part first; on equal sizes the half of the part cut out (the
// part that never holds the largest member of the first set) first.
struct SplitMapping {
  SplitHalf first;
  SplitHalf second;
  friend constexpr bool operator==(const SplitMapping&, const SplitMapping&) = default;
};

// Every way the options allow of mapping from onto to.
struct Mappings {
  std::vector<Transform> single;  // as operators_between, when partitions[0]
  // Only when single is empty.  Cuts of from into a part and the rest (the
  // rest always keeping from's largest member), in the order of the
  // bit patterns choosing the part among the other members in increasing
  // order; within a cut, for each operator of the canon (in search order)
  // that carries a part of to onto the cut-out part, each operator mapping
  // the rest of from onto the rest of to, as operators_between lists them.
  std::vector<SplitMapping> splits;
};

// Throws error when from and to differ in size.
Mappings mappings_between(PcSet from, PcSet to, const MappingOptions& options);

}  // namespace pelantor
