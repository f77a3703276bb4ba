#include "pelantor/intervals.h"

#include <algorithm>
#include <string>

#include "pelantor/error.h"
#include "pelantor/transform.h"
#include "rules.h"

namespace pelantor {

namespace {

constexpr std::array<Bounds, 13> bounds_by_cardinality =
    rule::bounds_over_all_sets(rule::interval_content);

// The distinct forms Tn and TnI of a set, each once.
struct Forms {
  std::array<PcSet, 24> forms;
  int count = 0;
};

Forms distinct_forms(PcSet set) {
  Forms result;
  for (int i = 0; i < 24; ++i) {
    const Transform t = all_transforms[i];  // T0..Tb, then T0I..TbI
    const PcSet form = t.apply(set);
    const auto known = result.forms.begin() + result.count;
    if (std::find(result.forms.begin(), known, form) == known) result.forms[result.count++] = form;
  }
  return result;
}

template <typename Test>
int count_forms(PcSet b, Test test) {
  const Forms forms = distinct_forms(b);
  return static_cast<int>(
      std::count_if(forms.forms.begin(), forms.forms.begin() + forms.count, test));
}

}  // namespace

std::array<int, 6> ic_vector(PcSet set) {
  return rule::interval_content(set);
}

Bounds ic_bounds(int cardinality) {
  rule::require_cardinality(cardinality);
  return bounds_by_cardinality[cardinality];
}

std::array<int, 8> invariance_vector(PcSet set) {
  std::array<int, 8> vector{};
  for (Transform t : all_transforms) {
    const PcSet common = set & t.apply(set);
    const int slot = static_cast<int>(t.operation);
    if (common == set) {
      ++vector[slot];
    } else if (common.empty()) {
      ++vector[slot + 4];
    }
  }
  return vector;
}

std::array<int, 12> vtics(PcSet set) {
  std::array<int, 12> vector{};
  for (int n = 0; n < 12; ++n) vector[n] = (set & Transform{Operation::I, n}.apply(set)).size();
  return vector;
}

int inversional_symmetries(PcSet set) {
  int count = 0;
  for (int n = 0; n < 12; ++n) {
    if (Transform{Operation::I, n}.apply(set) == set) ++count;
  }
  return count;
}

int embedding_count(PcSet a, PcSet b) {
  return count_forms(b, [a](PcSet form) { return form.is_subset_of(a); });
}

int covering_count(PcSet a, PcSet b) {
  return count_forms(b, [a](PcSet form) { return a.is_subset_of(form); });
}

}  // namespace pelantor
