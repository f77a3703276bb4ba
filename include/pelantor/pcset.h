#pragma once
// PcSet: a pitch-class set as a value.  Bit k of a 12-bit mask is pitch
// class k (0 = C ... 11 = B).  Cheap to copy, constexpr throughout, ordered
// and hashed by its mask, so sets sort and serve as keys.

#include <bit>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <string_view>

#include "pelantor/error.h"

namespace pelantor {

class PcSet {
 public:
  // Iterates the members in increasing order.
  class iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = int;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = int;

    constexpr iterator() = default;
    constexpr explicit iterator(std::uint16_t rest) : rest_(rest) {}
    constexpr int operator*() const { return std::countr_zero(rest_); }
    constexpr iterator& operator++() {
      rest_ &= static_cast<std::uint16_t>(rest_ - 1);  // drop the lowest member
      return *this;
    }
    constexpr iterator operator++(int) {
      iterator before = *this;
      ++*this;
      return before;
    }
    constexpr bool operator==(const iterator&) const = default;

   private:
    std::uint16_t rest_ = 0;
  };

  static constexpr unsigned all_bits = 0xFFF;

  // The empty set.
  constexpr PcSet() = default;
  // The set of the given pitch classes, each 0..11 (repeats change nothing);
  // throws error on any other number.
  constexpr PcSet(std::initializer_list<int> pitch_classes) {
    for (int pc : pitch_classes) bits_ |= single(pc);
  }
  // The set whose bit k is pitch class k; throws error when a bit above 11 is set.
  static constexpr PcSet from_bits(unsigned bits) {
    if (bits > all_bits) throw error("not a pitch-class set: bits above pitch class 11");
    return PcSet(static_cast<std::uint16_t>(bits), 0);
  }
  // All twelve pitch classes.
  static constexpr PcSet aggregate() { return PcSet(all_bits, 0); }

  constexpr std::uint16_t bits() const { return bits_; }
  constexpr int size() const { return std::popcount(bits_); }
  constexpr bool empty() const { return bits_ == 0; }
  // False for any number outside 0..11.
  constexpr bool contains(int pc) const { return pc >= 0 && pc < 12 && (bits_ >> pc & 1) != 0; }
  constexpr bool is_subset_of(PcSet other) const { return (bits_ & other.bits_) == bits_; }

  // Tn: every member k goes to (k + n) mod 12; n may be any integer.
  constexpr PcSet transposed(int n) const {
    const int shift = mod12(n);
    const unsigned wide = static_cast<unsigned>(bits_) << shift;
    return PcSet(static_cast<std::uint16_t>((wide | wide >> 12) & all_bits), 0);
  }
  // T0I: every member k goes to (12 - k) mod 12.
  constexpr PcSet inverted() const { return multiplied(11); }
  // Every member k goes to (k * m) mod 12; m may be any integer.
  constexpr PcSet multiplied(int m) const {
    std::uint16_t image = 0;
    for (int k : *this) image |= static_cast<std::uint16_t>(1u << mod12(k * mod12(m)));
    return PcSet(image, 0);
  }
  // The literal complement: the pitch classes not in the set.
  constexpr PcSet complement() const {
    return PcSet(static_cast<std::uint16_t>(~bits_ & all_bits), 0);
  }

  constexpr iterator begin() const { return iterator(bits_); }
  constexpr iterator end() const { return iterator(); }

  friend constexpr PcSet operator|(PcSet a, PcSet b) {
    return PcSet(static_cast<std::uint16_t>(a.bits_ | b.bits_), 0);
  }
  friend constexpr PcSet operator&(PcSet a, PcSet b) {
    return PcSet(static_cast<std::uint16_t>(a.bits_ & b.bits_), 0);
  }
  // The members of a that are not in b.
  friend constexpr PcSet operator-(PcSet a, PcSet b) {
    return PcSet(static_cast<std::uint16_t>(a.bits_ & ~b.bits_), 0);
  }
  friend constexpr bool operator==(PcSet, PcSet) = default;
  // By mask: the order in which prime forms are chosen as least.
  friend constexpr std::strong_ordering operator<=>(PcSet a, PcSet b) {
    return a.bits_ <=> b.bits_;
  }

 private:
  constexpr PcSet(std::uint16_t bits, int /*trusted*/) : bits_(bits) {}
  static constexpr int mod12(int n) { return (n % 12 + 12) % 12; }
  static constexpr std::uint16_t single(int pc) {
    if (pc < 0 || pc > 11) throw error("not a pitch class: numbers run from 0 to 11");
    return static_cast<std::uint16_t>(1u << pc);
  }

  std::uint16_t bits_ = 0;
};

// A set written as lower-case hexadecimal digits, checked at compile time:
// pcs("047"), pcs("02468a").  Any other character does not compile.
consteval PcSet pcs(std::string_view digits) {
  unsigned bits = 0;
  for (char c : digits) {
    const bool digit = c >= '0' && c <= '9';
    if (!digit && c != 'a' && c != 'b') throw error("pcs() takes 0-9, a and b");
    bits |= 1u << (digit ? c - '0' : c - 'a' + 10);
  }
  return PcSet::from_bits(bits);
}

}  // namespace pelantor

template <>
struct std::hash<pelantor::PcSet> {
  std::size_t operator()(pelantor::PcSet set) const noexcept { return set.bits(); }
};
