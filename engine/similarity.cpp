#include "pelantor/similarity.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "embedding_tables.h"
#include "pelantor/error.h"
#include "pelantor/intervals.h"
#include "pelantor/notation.h"
#include "pelantor/setclass.h"
#include "pelantor/vectors.h"

namespace pelantor {

namespace {

using tables::first_of;

// Radians to degrees, as ANGLE has always converted them (a hair below
// 180 / pi, so that a right angle comes out as 89.99999998824843).
constexpr double degrees = 57.29577950560105;

// ISIM2's weights: the square roots of the counts 1..12 to the few digits
// the measure has always used (2.4494, not 2.4495).
constexpr std::array<double, 13> weights = {0.0,    1.0,    1.4142, 1.732,  2.0,    2.236, 2.4494,
                                            2.6457, 2.8284, 3.0,    3.1623, 3.3166, 3.4641};

double weight(int count) {
  return count >= 1 && count <= 12 ? weights[count] : 0.0;
}

// The signed entry of a saturation: d >= 0 for max-d, e < 0 for min+(-e - 1).
int signed_entry(Saturation s) {
  return s.bound == Bound::max ? s.distance : -(s.distance + 1);
}
// The same for hundredths, in units.
double signed_units(Saturation s) {
  return s.bound == Bound::max ? s.distance / 100.0 : -(s.distance / 100.0 + 1.0);
}

template <typename T, typename Entry, typename Convert>
std::array<T, 6> signed_vector(const std::array<Entry, 6>& vector, Convert convert) {
  std::array<T, 6> out{};
  for (int k = 0; k < 6; ++k) out[k] = convert(vector[k]);
  return out;
}

// One side of the two-sided saturation comparison at one slot: mine is the
// entry of one set's form a; its sign picks which of the other set's forms,
// othera or otherb, is measured from the same bound, and the distance
// between the two is returned.
template <typename T>
T satdistance(T mine, T othera, T otherb) {
  const T other =
      mine < T(0) ? (othera < T(0) ? othera : otherb) : (othera > T(-1) ? othera : otherb);
  const T difference = mine < T(0) ? (-other - T(1)) - (-mine - T(1)) : other - mine;
  return difference < T(0) ? -difference : difference;
}

double apart(double x, double y) {
  return x > y ? x - y : y - x;
}

// The sum over the six slots of |p[k] - q[k]|.
double percent_distance(const std::array<double, 6>& p, const std::array<double, 6>& q) {
  double total = 0.0;
  for (int k = 0; k < 6; ++k) total += apart(p[k], q[k]);
  return total;
}

// The population standard deviation of six differences.
double deviation(const std::array<double, 6>& d) {
  double total = 0.0;
  for (double x : d) total += x;
  const double mean = total / 6.0;
  double squares = 0.0;
  for (double x : d) squares += (x - mean) * (x - mean);
  return std::sqrt(squares / 6.0);
}

// The subset cardinalities 2..m that TSATSIM and AvgSATSIMn compare: all but
// the smaller set's own, yet never fewer than the dyads.
int largest_subset(int size1, int size2) {
  return std::max(2, std::min(size1, size2) - 1);
}

void require_comparable(PcSet set) {
  if (!comparable(set)) {
    throw error("only sets of 2 to 10 pitch classes can be compared, not {" + to_string(set) + "}");
  }
}

}  // namespace

SetProfile::SetProfile(PcSet set)
    : set_(set), size_(set.size()), class_index_(set_class_of(set).index), icv_(ic_vector(set)) {
  require_comparable(set);
  static_assert(classes == tables::class_count);

  ic_a_ = signed_vector<int>(ic_saturation_a(set), signed_entry);
  ic_b_ = signed_vector<int>(ic_saturation_b(set), signed_entry);
  const Bounds ic = ic_bounds(size_);
  ic_range_sum_ = 0;
  for (int k = 0; k < 6; ++k) ic_range_sum_ += ic.most[k] - ic.least[k];
  proportional_ = proportional_icsatv(set);
  scaled_ = picsat_percent(set);

  cycle_a_ = signed_vector<double>(cycle_saturation_a(set), signed_units);
  cycle_b_ = signed_vector<double>(cycle_saturation_b(set), signed_units);
  cycle_proportional_ = proportional_cycsatv(set);
  const Bounds cycle = cycle_bounds(size_);
  int hundredths = 0;
  for (int k = 0; k < 6; ++k) hundredths += cycle.most[k] - cycle.least[k];
  cycle_range_sum_ = hundredths / 100.0;

  const tables::ClassCounts inside = tables::subset_class_counts(set);
  const tables::ClassCounts around = tables::superset_class_counts(set);
  subsets_ = {};
  supersets_ = {};
  subset_a_ = {};
  subset_b_ = {};
  for (int i = 0; i < classes; ++i) {
    subsets_[i] = static_cast<std::int16_t>(inside[i]);
    supersets_[i] = static_cast<std::int16_t>(around[i]);
  }
  // Here an entry d >= 0 is the distance above the fewest forms any class of
  // the set's cardinality holds, an entry e < 0 the distance -e - 1 below
  // the most; form a holds the nearer (the most on a tie).
  for (int i = first_of[2]; i < first_of[size_ + 1]; ++i) {
    const EmbeddingRange range = tables::embedding_ranges[size_][i];
    const int above = inside[i] - range.least;
    const int below = range.most - inside[i];
    const bool nearer_least = below > above;
    subset_a_[i] = static_cast<std::int16_t>(nearer_least ? above : -below - 1);
    subset_b_[i] = static_cast<std::int16_t>(nearer_least ? -below - 1 : above);
  }
}

// The measures, each on two profiles.  Every sum runs in the order and in
// the types the program has always used, so that values agree to the last
// bit wherever they were shown before.
struct MeasureKernels {
  static double satsim(const SetProfile& p, const SetProfile& q) {
    int total = 0;
    // Each side lets one set's nearer bound decide which of the other set's
    // forms is measured from that same bound.
    for (int k = 0; k < 6; ++k) {
      total += satdistance(p.ic_a_[k], q.ic_a_[k], q.ic_b_[k]);
      total += satdistance(q.ic_a_[k], p.ic_a_[k], p.ic_b_[k]);
    }
    return double(total) / double(p.ic_range_sum_ + q.ic_range_sum_);
  }

  static double csatsim(const SetProfile& p, const SetProfile& q) {
    double total = 0.0;
    for (int k = 0; k < 6; ++k) {
      total += satdistance(p.cycle_a_[k], q.cycle_a_[k], q.cycle_b_[k]);
      total += satdistance(q.cycle_a_[k], p.cycle_a_[k], p.cycle_b_[k]);
    }
    return total / (p.cycle_range_sum_ + q.cycle_range_sum_);
  }

  static double sat_percent_sim(const SetProfile& p, const SetProfile& q) {
    return percent_distance(p.proportional_, q.proportional_) / 6.0;
  }

  static double percent_sat_percent_sim(const SetProfile& p, const SetProfile& q) {
    return percent_distance(p.scaled_, q.scaled_) / 2.0;
  }

  // The %SAT%SIM sum over 6 instead of 2, in the form it has always had.
  static double adjusted_percent_sat_percent_sim(const SetProfile& p, const SetProfile& q) {
    double total = 0.0;
    for (int k = 0; k < 6; ++k) total += 1.0 - apart(p.scaled_[k], q.scaled_[k]);
    return 1.0 - total / 6.0;
  }

  static double pcycsatsim(const SetProfile& p, const SetProfile& q) {
    return percent_distance(p.cycle_proportional_, q.cycle_proportional_) / 6.0;
  }

  // The saturation comparison of one subset class, the row of class i.
  static int row_difference(const SetProfile& p, const SetProfile& q, int i) {
    return satdistance<int>(p.subset_a_[i], q.subset_a_[i], q.subset_b_[i]) +
           satdistance<int>(q.subset_a_[i], p.subset_a_[i], p.subset_b_[i]);
  }

  static int row_differences(const SetProfile& p, const SetProfile& q, int from, int to) {
    int total = 0;
    for (int i = first_of[from]; i < first_of[to + 1]; ++i) total += row_difference(p, q, i);
    return total;
  }

  static int range_sum(const SetProfile& p, const SetProfile& q, int k) {
    return tables::range_sums[k][p.size_] + tables::range_sums[k][q.size_];
  }

  static double tsatsim(const SetProfile& p, const SetProfile& q) {
    const int m = largest_subset(p.size_, q.size_);
    int divisor = 0;
    for (int k = 2; k <= m; ++k) divisor += range_sum(p, q, k);
    return double(row_differences(p, q, 2, m)) / double(divisor);
  }

  // Each subset cardinality counts equally, however many classes it has.
  static double avgsatsimn(const SetProfile& p, const SetProfile& q) {
    const int m = largest_subset(p.size_, q.size_);
    double total = 0.0;
    int cardinalities = 0;
    for (int k = 2; k <= m; ++k) {
      total += double(row_differences(p, q, k, k)) / double(range_sum(p, q, k));
      ++cardinalities;
    }
    return total / cardinalities;
  }

  static double asim(const SetProfile& p, const SetProfile& q) {
    double difference = 0.0, sum = 0.0;
    for (int k = 0; k < 6; ++k) {
      difference += std::abs(p.icv_[k] - q.icv_[k]);
      sum += p.icv_[k] + q.icv_[k];
    }
    return difference / sum;
  }

  static double icvsim(const SetProfile& p, const SetProfile& q) {
    std::array<double, 6> d{};
    for (int k = 0; k < 6; ++k) d[k] = p.icv_[k] - q.icv_[k];
    return deviation(d);
  }

  static double isim2(const SetProfile& p, const SetProfile& q) {
    std::array<double, 6> d{};
    for (int k = 0; k < 6; ++k) d[k] = weight(p.icv_[k]) - weight(q.icv_[k]);
    return deviation(d);
  }

  static double angle(const SetProfile& p, const SetProfile& q) {
    int dot = 0, norm_p = 0, norm_q = 0;
    for (int k = 0; k < 6; ++k) {
      dot += p.icv_[k] * q.icv_[k];
      norm_p += p.icv_[k] * p.icv_[k];
      norm_q += q.icv_[k] * q.icv_[k];
    }
    // Proportional vectors (equal ones included) lie at no angle at all;
    // decided in integers, since rounding can push their cosine past 1.
    if (dot * dot == norm_p * norm_q) return 0.0;
    const double cosine = dot / (std::sqrt(double(norm_p)) * std::sqrt(double(norm_q)));
    return std::acos(std::clamp(cosine, -1.0, 1.0)) * degrees;
  }

  // The classes of 2 up to the smaller cardinality take part.
  static double atmemb(const SetProfile& p, const SetProfile& q) {
    const int m = std::min(p.size_, q.size_);
    double total = 0.0;
    for (int i = first_of[2]; i < first_of[m + 1]; ++i) {
      if (p.subsets_[i] != 0 && q.subsets_[i] != 0) total += p.subsets_[i] + q.subsets_[i];
    }
    // The subsets of two or more pitch classes of both sets.
    const double subsets =
        std::pow(2.0, p.size_) + std::pow(2.0, q.size_) - double(p.size_ + q.size_ + 2);
    return total / subsets;
  }

  static double rel(const SetProfile& p, const SetProfile& q) {
    const int m = std::min(p.size_, q.size_);
    double roots = 0.0, total_p = 0.0, total_q = 0.0;
    for (int i = first_of[2]; i < first_of[m + 1]; ++i) {
      if (p.subsets_[i] != 0 && q.subsets_[i] != 0) {
        roots += std::sqrt(double(p.subsets_[i] * q.subsets_[i]));
      }
      total_p += p.subsets_[i];
      total_q += q.subsets_[i];
    }
    return roots / std::sqrt(total_p * total_q);
  }

  static double emb(const SetProfile& p, const SetProfile& q) { return p.subsets_[q.class_index_]; }

  static double cov(const SetProfile& p, const SetProfile& q) {
    return p.supersets_[q.class_index_];
  }
};

namespace {

constexpr double unbounded = std::numeric_limits<double>::infinity();
using K = MeasureKernels;

// clang-format off
constexpr std::array<MeasureInfo, 16> measure_table = {{
    // measure, number, name, menu label,
    //   kind, least, most, symmetric, function
    {Measure::satsim, 1, "SATSIM", "SATSIM(2) (Interval Class Saturation Similarity)",
        Kind::dissimilarity, 0.0, unbounded, true, K::satsim},
    {Measure::tsatsim, 2, "TSATSIM", "TSATSIM   (Total SATV Similarity--all subset classess)",
        Kind::dissimilarity, 0.0, unbounded, true, K::tsatsim},
    {Measure::sat_percent_sim, 3, "SAT%SIM",
        "PSATSIM   (Proportioanl IC Saturation Vec. Similarity)",
        Kind::dissimilarity, 0.0, 1.0, true, K::sat_percent_sim},
    {Measure::csatsim, 4, "CSATSIM", "CycSATSIM   (Cyclic Saturation Similarity)",
        Kind::dissimilarity, 0.0, unbounded, false, K::csatsim},
    {Measure::percent_sat_percent_sim, 5, "%SAT%SIM", "PSAT%SIM  ",
        Kind::dissimilarity, 0.0, 1.0, true, K::percent_sat_percent_sim},
    {Measure::adjusted_percent_sat_percent_sim, 6, "Adjusted %SAT%SIM", "Adusted %SAT%SIM  ",
        Kind::dissimilarity, 0.0, 1.0 / 3.0, true, K::adjusted_percent_sat_percent_sim},
    {Measure::avgsatsimn, 7, "AvgSATSIMn", "AvgSATSIMn ",
        Kind::dissimilarity, 0.0, unbounded, true, K::avgsatsimn},
    {Measure::asim, 8, "ASIM", "Morris's ASIM ",
        Kind::dissimilarity, 0.0, 1.0, true, K::asim},
    {Measure::icvsim, 9, "IcVSIM", "Isaacson's IcVSIM ",
        Kind::dissimilarity, 0.0, unbounded, true, K::icvsim},
    {Measure::isim2, 10, "ISIM2", "Isaacson's ISIM2 ",
        Kind::dissimilarity, 0.0, unbounded, true, K::isim2},
    {Measure::atmemb, 11, "ATMEMB", "Rahn's ATMEMB ",
        Kind::similarity, 0.0, 1.0, true, K::atmemb},
    {Measure::rel, 12, "REL", "Lewin's REL ",
        Kind::similarity, 0.0, 1.0, true, K::rel},
    {Measure::emb, 13, "EMB", "Lewin's EMB ",
        Kind::count, 0.0, 24.0, false, K::emb},
    {Measure::cov, 14, "COV", "Lewin's COV ",
        Kind::count, 0.0, 24.0, false, K::cov},
    {Measure::pcycsatsim, 15, "PCycSATSIM", "PCycSATSIM ",
        Kind::dissimilarity, 0.0, 1.0, true, K::pcycsatsim},
    {Measure::angle, 16, "ANGLE", "Scott & Isaacson's ANGLE ",
        Kind::dissimilarity, 0.0, 90.0, true, K::angle},
}};
// clang-format on

constexpr bool numbered_in_order() {
  for (std::size_t i = 0; i < measure_table.size(); ++i) {
    const MeasureInfo& m = measure_table[i];
    if (m.number != int(i) + 1 || static_cast<int>(m.measure) != m.number) return false;
    if (m.name.empty() || m.menu_label.empty() || m.least >= m.most) return false;
  }
  return true;
}
static_assert(numbered_in_order(), "all sixteen measures, in menu order, numbered 1..16");

// Lower case without blanks: how names are matched.
std::string folded(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (std::isspace(static_cast<unsigned char>(c)) == 0) {
      out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  return out;
}

std::vector<SetProfile> profiles_of(std::span<const PcSet> sets) {
  return {sets.begin(), sets.end()};
}

}  // namespace

std::span<const MeasureInfo> measures() {
  return measure_table;
}

const MeasureInfo& info(Measure measure) {
  const int number = static_cast<int>(measure);
  if (number < 1 || number > int(measure_table.size())) throw error("no such similarity measure");
  return measure_table[number - 1];
}

const MeasureInfo& find_measure(std::string_view name_or_number) {
  const std::string key = folded(name_or_number);
  for (const MeasureInfo& m : measure_table) {
    if (key == folded(m.name) || key == std::to_string(m.number)) return m;
  }
  throw error("'" + std::string(name_or_number) +
              "' is not a similarity measure: give its number, 1 to 16, or its name, such as "
              "SATSIM or ANGLE");
}

double similarity(Measure measure, const SetProfile& a, const SetProfile& b) {
  return info(measure).compare(a, b);
}

double similarity(Measure measure, PcSet a, PcSet b) {
  return similarity(measure, SetProfile(a), SetProfile(b));
}

std::vector<double> matrix(Measure measure, std::span<const PcSet> rows,
                           std::span<const PcSet> columns) {
  const auto compare = info(measure).compare;
  const std::vector<SetProfile> p = profiles_of(rows);
  const std::vector<SetProfile> q = profiles_of(columns);
  std::vector<double> values;
  values.reserve(p.size() * q.size());
  for (const SetProfile& row : p) {
    for (const SetProfile& column : q) values.push_back(compare(row, column));
  }
  return values;
}

std::vector<double> matrix(Measure measure, std::span<const PcSet> sets) {
  const MeasureInfo& m = info(measure);
  if (!m.symmetric) return matrix(measure, sets, sets);
  // A symmetric measure is worked out once per pair.
  const std::vector<SetProfile> p = profiles_of(sets);
  const std::size_t n = p.size();
  std::vector<double> values(n * n);
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i; j < n; ++j)
      values[i * n + j] = values[j * n + i] = m.compare(p[i], p[j]);
  }
  return values;
}

}  // namespace pelantor
