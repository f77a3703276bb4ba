#pragma once
// Prime forms by Rahn's algorithm ("least packed to the right") and Forte's
// ("most packed to the left"), each with the operator that carries the prime
// form onto the set.

#include <string>

#include "pelantor/pcset.h"
#include "pelantor/transform.h"

namespace pelantor {

enum class Algorithm { rahn, forte };

struct PrimeForm {
  PcSet prime;
  // Tn or TnI with op.apply(prime) == the set.  When some Tn does it, op is
  // the Tn of least n; otherwise the TnI first reached with n = 1, 2, ...
  // 11, 0, so n is 0 only when no other n works.
  Transform op;
  friend constexpr bool operator==(const PrimeForm&, const PrimeForm&) = default;
};

// The prime form of the set under the algorithm.  Rahn's is the least of the
// 24 forms TnI and Tn of the set by mask; Forte's differs from it for six
// classes (5-20, 6-z29, 6-31, 7-18, 7-20, 8-26) and is then a transposition
// of Rahn's.  The empty set gives the empty set under T0.
PrimeForm prime_form(PcSet set, Algorithm algorithm);

// The set's members in the order of its prime form's members: the image
// under op of each member of the prime, lowest member first.  {0,4,7}
// (T7I of [037]) gives "740".
std::string to_string_ordered(const PrimeForm& form);

}  // namespace pelantor
