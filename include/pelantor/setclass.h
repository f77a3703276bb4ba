#pragma once
// The 224 set classes (the empty set and 1 to 12 pitch classes) with their
// Forte labels, Z-correspondents and M-partners, and their look-ups.

#include <span>
#include <string>
#include <string_view>

#include "pelantor/pcset.h"
#include "pelantor/primeform.h"

namespace pelantor {

struct SetClass {
  int index;        // position in all_classes(), 0..223
  int cardinality;  // 0..12
  int ordinal;      // Forte's number within the cardinality; 0 for the empty set
  int z_partner;    // ordinal of the Z-correspondent, 0 for none
  int m_partner;    // ordinal of the class of the set under M (T0M)
  PcSet rahn_prime;
  PcSet forte_prime;

  constexpr bool is_z() const { return z_partner != 0; }
  constexpr PcSet prime(Algorithm algorithm) const {
    return algorithm == Algorithm::rahn ? rahn_prime : forte_prime;
  }
};

// Every class, by cardinality and within it by Rahn prime form (by mask).
std::span<const SetClass> all_classes();
// The classes of one cardinality, in the same order; throws error outside 0..12.
std::span<const SetClass> classes(int cardinality);
// The class of any set (the same whichever algorithm is in force).
const SetClass& set_class_of(PcSet set);

// The Forte label: "3-11", "4-z15"; the empty set's class is "0-0".
std::string forte_label(const SetClass& set_class);
// The class of a Forte label, "4-z15", "4-Z15" or "4-15" (the z may be left
// out, not added to a class without Z-correspondent).  Throws error for
// anything else, with the label in the message.
const SetClass& find_class(std::string_view label);

// The Tn classes: the forms of a class that are transpositions of its prime
// form (A) and those that are transpositions of its inversion (B).  An
// inversionally symmetric class is a single Tn class.  Rahn's and Forte's
// prime forms agree on which forms are A.
enum class TnType { symmetric, a, b };
TnType tn_type(PcSet set);
// The label of the set's Tn class: "3-11A", "3-11B", "4-z15A"; the plain
// label for a symmetric class.
std::string tn_label(PcSet set);
// The form standing for the set's Tn class: the prime form under the
// algorithm for A and symmetric classes; for B the prime form's inversion
// that carries its last member to 0 (3-11B is [047]).
PcSet tn_prime(PcSet set, Algorithm algorithm);

// The Z-correspondent, or nullptr when the class has none.
const SetClass* z_partner_of(const SetClass& set_class);
// The class of the sets' images under M (and MI).
const SetClass& m_partner_of(const SetClass& set_class);
// The class of the sets' literal complements (the abstract complement).
const SetClass& complement_of(const SetClass& set_class);

}  // namespace pelantor
