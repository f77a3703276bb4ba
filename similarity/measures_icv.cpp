// The measures that compare two sets through their interval-class vectors
// alone.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/intervals.h"
#include "similarity/measures.h"

namespace {

// Radians to degrees, as the ANGLE measure has always converted them (a hair
// below 180 / pi, so that a right angle shows as 89.99999998824843).
constexpr double degrees = 57.29577950560105;

// Square roots of the counts 1..12 to the few digits the weights carry.
constexpr double weights[13] = {0.0,    1.0,    1.4142, 1.732,  2.0,    2.236, 2.4494,
                                2.6457, 2.8284, 3.0,    3.1623, 3.3166, 3.4641};

// The population standard deviation of six differences (slots 1..6).
double deviation(const double d[7]) {
  double total = 0.0;
  for (int i = 1; i <= 6; ++i) total += d[i];
  const double mean = total / 6.0;
  double squares = 0.0;
  for (int i = 1; i <= 6; ++i) squares += (d[i] - mean) * (d[i] - mean);
  return std::sqrt(squares / 6.0);
}

}  // namespace

double iweight(int count) {
  return count >= 1 && count <= 12 ? weights[count] : 0.0;
}

double asim(bitvec set1, bitvec set2) {
  int a[7], b[7];
  icvector(set1, a);
  icvector(set2, b);
  double difference = 0.0, sum = 0.0;
  for (int i = 1; i <= 6; ++i) {
    difference += std::abs(a[i] - b[i]);
    sum += a[i] + b[i];
  }
  return difference / sum;
}

double icvsim(bitvec set1, bitvec set2) {
  int a[7], b[7];
  icvector(set1, a);
  icvector(set2, b);
  double d[7] = {};
  for (int i = 1; i <= 6; ++i) d[i] = a[i] - b[i];
  return deviation(d);
}

double isim(bitvec set1, bitvec set2) {
  int a[7], b[7];
  icvector(set1, a);
  icvector(set2, b);
  double d[7] = {};
  for (int i = 1; i <= 6; ++i) d[i] = iweight(a[i]) - iweight(b[i]);
  return deviation(d);
}

double angle(bitvec set1, bitvec set2) {
  int a[7], b[7];
  icvector(set1, a);
  icvector(set2, b);
  int dot = 0, norma = 0, normb = 0;
  for (int i = 1; i <= 6; ++i) {
    dot += a[i] * b[i];
    norma += a[i] * a[i];
    normb += b[i] * b[i];
  }
  // Proportional vectors (equal ones included) lie at no angle at all;
  // decided in integers, since rounding can push their cosine past 1.
  if (dot * dot == norma * normb) return 0.0;
  const double cosine = dot / (std::sqrt(double(norma)) * std::sqrt(double(normb)));
  return std::acos(std::clamp(cosine, -1.0, 1.0)) * degrees;
}
