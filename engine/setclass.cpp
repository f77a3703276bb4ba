#include "pelantor/setclass.h"

#include <array>
#include <charconv>
#include <cstdint>

#include "pelantor/error.h"
#include "pelantor/intervals.h"
#include "rules.h"
#include "setclass_tables.h"

namespace pelantor {

namespace {

using tables::class_count;
using tables::class_of_set;
using tables::first_of;
using tables::set_classes;

constexpr std::array<int, 13> classes_per_cardinality = {1,  1,  6,  12, 29, 38, 50,
                                                         38, 29, 12, 6,  1,  1};

constexpr int ordinal_row(int cardinality, int ordinal) {
  for (int i = first_of[cardinality]; i < first_of[cardinality + 1]; ++i) {
    if (set_classes[i].ordinal == ordinal) return i;
  }
  return -1;
}

// Grouped by cardinality, ascending primes within each, the counts per
// cardinality, and each prime the least of its forms.
constexpr bool rows_in_order() {
  for (int c = 0; c <= 12; ++c) {
    if (first_of[c + 1] - first_of[c] != classes_per_cardinality[c]) return false;
  }
  for (int i = 0; i < class_count; ++i) {
    const SetClass& sc = set_classes[i];
    if (rule::rahn_prime_form(sc.rahn_prime).prime != sc.rahn_prime) return false;
    if (i > 0 && sc.cardinality == set_classes[i - 1].cardinality &&
        !(set_classes[i - 1].rahn_prime < sc.rahn_prime)) {
      return false;
    }
  }
  return first_of[13] == class_count;
}
static_assert(rows_in_order(), "class rows: by cardinality, then by ascending Rahn prime");

constexpr bool every_set_has_a_class() {
  for (std::uint8_t index : class_of_set) {
    if (index == 255) return false;
  }
  return true;
}
static_assert(every_set_has_a_class(), "the forms of the classes cover all 4096 sets");

// Ordinals 1..N once each; a Z-correspondent names a class with the same
// interval content that names this one back; the M-partner is the class of
// the prime under M.
constexpr bool partners_agree() {
  for (int i = 1; i < class_count; ++i) {
    const SetClass& sc = set_classes[i];
    const int c = sc.cardinality;
    if (sc.ordinal < 1 || sc.ordinal > classes_per_cardinality[c]) return false;
    if (ordinal_row(c, sc.ordinal) != i) return false;
    if (class_of_set[sc.rahn_prime.multiplied(5).bits()] != ordinal_row(c, sc.m_partner)) {
      return false;
    }
    if (sc.z_partner == 0) continue;
    const int z = ordinal_row(c, sc.z_partner);
    if (z < 0 || set_classes[z].z_partner != sc.ordinal) return false;
    if (rule::interval_content(set_classes[z].rahn_prime) !=
        rule::interval_content(sc.rahn_prime)) {
      return false;
    }
  }
  return true;
}
static_assert(partners_agree(), "ordinals, Z- and M-partners must agree with the primes");

[[noreturn]] void no_such_class(std::string_view label) {
  throw error("there is no set class " + std::string(label));
}

// Reads a whole decimal number from the front of text, moving text past it.
int read_number(std::string_view& text, std::string_view label) {
  int value = 0;
  const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (status != std::errc() || end == text.data()) {
    throw error("'" + std::string(label) + "' is not a Forte label");
  }
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return value;
}

}  // namespace

std::span<const SetClass> all_classes() {
  return set_classes;
}

std::span<const SetClass> classes(int cardinality) {
  rule::require_cardinality(cardinality);
  return all_classes().subspan(first_of[cardinality],
                               first_of[cardinality + 1] - first_of[cardinality]);
}

const SetClass& set_class_of(PcSet set) {
  return set_classes[class_of_set[set.bits()]];
}

std::string forte_label(const SetClass& set_class) {
  return std::to_string(set_class.cardinality) + (set_class.is_z() ? "-z" : "-") +
         std::to_string(set_class.ordinal);
}

const SetClass& find_class(std::string_view label) {
  std::string_view rest = label;
  const int cardinality = read_number(rest, label);
  if (rest.empty() || rest.front() != '-')
    throw error("'" + std::string(label) + "' is not a Forte label");
  rest.remove_prefix(1);
  const bool z = !rest.empty() && (rest.front() == 'z' || rest.front() == 'Z');
  if (z) rest.remove_prefix(1);
  const int ordinal = read_number(rest, label);
  if (!rest.empty()) throw error("'" + std::string(label) + "' is not a Forte label");
  if (cardinality < 0 || cardinality > 12) no_such_class(label);
  const int row = ordinal_row(cardinality, ordinal);
  if (row < 0 || (z && !set_classes[row].is_z())) no_such_class(label);
  return set_classes[row];
}

TnType tn_type(PcSet set) {
  if (inversional_symmetries(set) > 0) return TnType::symmetric;
  return rule::rahn_prime_form(set).op.operation == Operation::I ? TnType::b : TnType::a;
}

std::string tn_label(PcSet set) {
  constexpr std::string_view letters[] = {"", "A", "B"};
  return forte_label(set_class_of(set)) + std::string(letters[static_cast<int>(tn_type(set))]);
}

PcSet tn_prime(PcSet set, Algorithm algorithm) {
  const PcSet prime = set_class_of(set).prime(algorithm);
  if (tn_type(set) != TnType::b) return prime;
  int last = 0;
  for (int pc : prime) last = pc;
  return Transform{Operation::I, last}.apply(prime);
}

const SetClass* z_partner_of(const SetClass& set_class) {
  if (!set_class.is_z()) return nullptr;
  return &set_classes[ordinal_row(set_class.cardinality, set_class.z_partner)];
}

const SetClass& m_partner_of(const SetClass& set_class) {
  return set_classes[ordinal_row(set_class.cardinality, set_class.m_partner)];
}

const SetClass& complement_of(const SetClass& set_class) {
  return set_class_of(set_class.rahn_prime.complement());
}

}  // namespace pelantor
