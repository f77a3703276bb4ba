#pragma once
// The sixteen similarity measures between two pitch-class sets of 2 to 10
// pitch classes: published ones (ASIM, IcVSIM, ISIM2, ATMEMB, REL, EMB, COV,
// ANGLE) and the program's saturation measures.  One table holds what
// belongs to each measure; the vectors a measure compares are worked out
// once per set (SetProfile), so that many sets compare cheaply.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "pelantor/pcset.h"

namespace pelantor {

// In the order of the measure menu; the value is the menu number.
enum class Measure {
  satsim = 1,
  tsatsim,
  sat_percent_sim,
  csatsim,
  percent_sat_percent_sim,
  adjusted_percent_sat_percent_sim,
  avgsatsimn,
  asim,
  icvsim,
  isim2,
  atmemb,
  rel,
  emb,
  cov,
  pcycsatsim,
  angle,
};

// What a value says: how far apart two sets are (0 for one set class), how
// alike they are (1 for one set class), or how many forms of the second
// set's class lie inside (EMB) or around (COV) the first set.
enum class Kind { dissimilarity, similarity, count };

// Only sets of 2 to 10 pitch classes have values: a smaller set has no
// interval, and a larger one leaves no room between the bounds that the
// saturation measures compare with.
constexpr bool comparable(PcSet set) {
  return set.size() >= 2 && set.size() <= 10;
}

// The vectors of one set that the measures compare: interval-class and
// saturation vectors, cycle vectors and the embedding counts of every set
// class in the set.  Build one per set when a set meets many others.
class SetProfile {
 public:
  // Throws error unless the set is comparable.
  explicit SetProfile(PcSet set);
  PcSet set() const { return set_; }

 private:
  friend struct MeasureKernels;
  static constexpr int classes = 224;
  // Saturation entries are signed: d >= 0 stands for a distance d from one
  // bound, e < 0 for the distance -e - 1 from the other.
  using ClassVector = std::array<std::int16_t, classes>;

  PcSet set_;
  int size_;
  int class_index_;
  std::array<int, 6> icv_;
  std::array<int, 6> ic_a_, ic_b_;  // IC saturation a and b; d >= 0: max-d
  int ic_range_sum_;
  std::array<double, 6> proportional_, scaled_;  // Proportional ICSATV, PICSAT%V
  std::array<double, 6> cycle_a_, cycle_b_;      // CycSATV a and b in units; d >= 0: max-d
  std::array<double, 6> cycle_proportional_;
  double cycle_range_sum_;           // in units
  ClassVector subsets_;              // [i]: the forms of class i inside the set
  ClassVector supersets_;            // [i]: the forms of class i around the set
  ClassVector subset_a_, subset_b_;  // subset saturation a and b; d >= 0: least+d
};

struct MeasureInfo {
  Measure measure;
  int number;                   // 1..16
  std::string_view name;        // as headings and averages print it: "SAT%SIM"
  std::string_view menu_label;  // as the measure menu shows it after "to use "
  Kind kind;
  double least, most;  // the range of the values; most is infinity where open
  // True where (a, b) and (b, a) give the same value to the last bit.
  bool symmetric;
  double (*compare)(const SetProfile& a, const SetProfile& b);
};

// All sixteen, in menu order.
std::span<const MeasureInfo> measures();
const MeasureInfo& info(Measure measure);
// The measure of a short name (any case, blanks anywhere: "adjusted%sat%sim")
// or a menu number "1".."16".  Throws error with the text in the message.
const MeasureInfo& find_measure(std::string_view name_or_number);

// The value of the measure for the ordered pair; the first set is the row
// set of the comparison displays.  Throws error unless both are comparable.
double similarity(Measure measure, PcSet a, PcSet b);
double similarity(Measure measure, const SetProfile& a, const SetProfile& b);

// The values of every row set against every column set, row by row.
// Throws error unless every set is comparable.
std::vector<double> matrix(Measure measure, std::span<const PcSet> rows,
                           std::span<const PcSet> columns);
// The square matrix of the sets against themselves.
std::vector<double> matrix(Measure measure, std::span<const PcSet> sets);

}  // namespace pelantor
