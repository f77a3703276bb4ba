#pragma once
// The 48 twelve-tone operators TnMm: pitch class k goes to (m * k + n) mod 12
// for a transposition n of 0..11 and a multiplier m of 1 (T), 11 (I),
// 5 (M) or 7 (MI).

#include <array>
#include <string>

#include "pelantor/pcset.h"

namespace pelantor {

// In this order wherever operators are listed.
enum class Operation { T, I, M, MI };

struct Transform {
  Operation operation = Operation::T;
  int n = 0;  // 0..11

  // 1, 11, 5 or 7.
  constexpr int multiplier() const {
    constexpr int by_operation[] = {1, 11, 5, 7};
    return by_operation[static_cast<int>(operation)];
  }
  // The image of the set.
  constexpr PcSet apply(PcSet set) const { return set.multiplied(multiplier()).transposed(n); }
  friend constexpr bool operator==(Transform, Transform) = default;
};

// The operator that undoes t: the same operation (each multiplier is its own
// inverse mod 12) with n carried back, -m * n mod 12.  Tn gives T(12 - n),
// TnI itself, TnM T(7n)M and TnMI T(5n)MI.
constexpr Transform inverse(Transform t) {
  return {t.operation, ((-t.multiplier() * t.n) % 12 + 12) % 12};
}

// The name as the program writes it: "T7", "T7I", "TaM", "TbMI" (n as one
// hexadecimal digit).
std::string to_string(Transform t);

// All 48 operators: T0..Tb, then T0I..TbI, T0M..TbM, T0MI..TbMI.
constexpr std::array<Transform, 48> all_transforms = [] {
  std::array<Transform, 48> all{};
  for (int i = 0; i < 48; ++i) all[i] = {static_cast<Operation>(i / 12), i % 12};
  return all;
}();

}  // namespace pelantor
