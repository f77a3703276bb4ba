#include "features/satvectors.h"

#include "core/settable.h"

namespace {

// Weight of a chain of n links, in hundredths: 1.2 + 1.2^2 + ... + 1.2^n
// rounded to two decimals.  These rounded values are the ones used.
constexpr int pyramidtable[13] = {0,    120,  264,  437,  644,  893, 1192,
                                  1550, 1980, 2496, 3115, 3858, 4750};

consteval bool pyramidrounded() {
  double power = 1.0;
  double sum = 0.0;
  for (int n = 1; n <= 12; ++n) {
    power *= 1.2;
    sum += power;
    if (static_cast<int>(sum * 100.0 + 0.5) != pyramidtable[n]) return false;
  }
  return pyramidtable[0] == 0;
}
static_assert(pyramidrounded(), "chain weights are the rounded sums of powers of 1.2");

// Smallest and largest Weighted IC Cyc Vec entry over the set classes of each
// cardinality, in hundredths; column 0 is unused.  These are the program's
// reference bounds: the ic4 maxima of 9 to 12 notes lie 0.01 below the
// largest weights the rounded chain weights produce.
// clang-format off
constexpr int partmin[13][7] = {
    //    ic1   ic2   ic3   ic4   ic5  ic6
    {0,     0,    0,    0,    0,    0,   0},  // 0
    {0,     0,    0,    0,    0,    0,   0},  // 1
    {0,     0,    0,    0,    0,    0,   0},  // 2
    {0,     0,    0,    0,    0,    0,   0},  // 3
    {0,     0,    0,    0,    0,    0,   0},  // 4
    {0,     0,    0,    0,  120,    0,   0},  // 5
    {0,     0,    0,    0,  240,    0,   0},  // 6
    {0,   240,  240,  264,  360,  240, 120},  // 7
    {0,   480,  480,  528,  480,  480, 240},  // 8
    {0,   792,  884,  792,  797,  792, 360},  // 9
    {0,  1288, 1288, 1172, 1114, 1288, 480},  // 10
    {0,  3115, 1836, 1552, 1430, 3115, 600},  // 11
    {0,  4750, 2384, 1932, 1747, 4750, 720},  // 12
};
constexpr int partmax[13][7] = {
    //    ic1   ic2   ic3   ic4   ic5  ic6
    {0,     0,    0,    0,    0,    0,   0},  // 0
    {0,     0,    0,    0,    0,    0,   0},  // 1
    {0,   120,  120,  120,  120,  120, 120},  // 2
    {0,   264,  264,  264,  437,  264, 120},  // 3
    {0,   437,  437,  644,  437,  437, 240},  // 4
    {0,   644,  644,  644,  557,  644, 240},  // 5
    {0,   893, 1192,  764,  874,  893, 360},  // 6
    {0,  1192, 1192,  908,  874, 1192, 360},  // 7
    {0,  1550, 1312, 1288,  994, 1550, 480},  // 8
    {0,  1980, 1456, 1288, 1310, 1980, 480},  // 9
    {0,  2496, 1629, 1408, 1310, 2496, 600},  // 10
    {0,  3115, 1836, 1552, 1430, 3115, 600},  // 11
    {0,  4750, 2384, 1932, 1747, 4750, 720},  // 12
};
// clang-format on

// Sum over the six interval classes of icmax - icmin, by cardinality.
constexpr int altcard[13] = {0, 0, 6, 12, 18, 21, 28, 21, 18, 12, 6, 0, 0};
// Sum over the six interval classes of partmax - partmin, in hundredths.
constexpr int partcard[13] = {0, 0, 720, 1613, 2632, 3253, 4736, 4254, 4486, 4077, 3309, 0, 0};

consteval bool partcardagrees() {
  for (int c = 0; c <= 12; ++c) {
    int sum = 0;
    for (int k = 1; k <= 6; ++k) {
      if (partmax[c][k] < partmin[c][k]) return false;
      sum += partmax[c][k] - partmin[c][k];
    }
    if (sum != partcard[c]) return false;
  }
  return true;
}
static_assert(partcardagrees(), "partcard must be the sum of the weight ranges");

// The signed saturation entry of one interval class from its distances up to
// the maximum and down to the minimum: the nearer bound for form a (which 1,
// ties to the maximum), the farther for form b (which 0, ties to the minimum).
constexpr bool usemax(int up, int down, int which) {
  return which != 0 ? up <= down : up > down;
}

constexpr bool member(bitvec set, int p) {
  return (set >> p & 1) != 0;
}

// The cycles of each interval k: one (from, to, offset) triple per cycle.
struct cyclecall {
  int from, to, offset;
};
constexpr cyclecall wholecycle[] = {{0, 11, 0}};
constexpr cyclecall calls2[] = {{0, 5, 0}, {6, 11, 1}};
constexpr cyclecall calls3[] = {{0, 3, 0}, {4, 7, 1}, {8, 11, 2}};
constexpr cyclecall calls4[] = {{0, 2, 0}, {3, 5, 1}, {6, 8, 2}, {9, 11, 3}};
constexpr cyclecall calls6[] = {{0, 1, 0}, {2, 3, 1}, {4, 5, 2}, {6, 7, 3}, {8, 9, 4}, {10, 11, 5}};

// Walks one cycle of interval k: position i (from..to) is pitch class
// (i * k + offset) mod 12.  Stores the link counts of its chains in
// row[from..to] (and clears row[to + 1]).
void fragmentation(bitvec set, int k, int row[13], int from, int to, int offset) {
  for (int i = from; i <= to + 1; ++i) row[i] = 0;
  int slot = from;
  for (int i = from; i <= to; ++i) {
    const int p = (i * k + offset) % 12;
    if (!member(set, p) || !member(set, (p + k) % 12)) {
      ++slot;  // no member here, or the chain ends here
      continue;
    }
    ++row[slot];  // one more link of the current chain
    if (i == to) {
      // The last member links back to the first pitch class of the cycle.
      if (k == 6) {
        --row[slot];  // a tritone pair has one link, not two
      } else if (slot != from && row[from] > 0) {
        // The chain running over the end joins the chain at the start.
        row[from] += row[slot];
        row[slot] = 0;
      }
    }
  }
  if (row[slot] != 0) ++slot;
  for (int i = slot; i <= to; ++i) row[i] = 0;
}

void walkcycles(bitvec set, int k, const cyclecall* calls, int count, int row[13]) {
  for (int i = 0; i < count; ++i) {
    fragmentation(set, k, row, calls[i].from, calls[i].to, calls[i].offset);
  }
}

// rows[k] (k = 1..6): the numbers of links of the maximal chains of members
// along the cycles of interval k, longest first, 0 after the last.
void getcyclerows(bitvec set, int rows[7][13]) {
  set &= aggregate;
  walkcycles(set, 1, wholecycle, 1, rows[1]);
  walkcycles(set, 2, calls2, 2, rows[2]);
  walkcycles(set, 3, calls3, 3, rows[3]);
  walkcycles(set, 4, calls4, 4, rows[4]);
  walkcycles(set, 5, wholecycle, 1, rows[5]);
  walkcycles(set, 6, calls6, 6, rows[6]);
  for (int k = 1; k <= 6; ++k) arraysort(rows[k], 12);
}

}  // namespace

void getcompactvector(bitvec set, int weighted[7]) {
  int rows[7][13];
  getcyclerows(set, rows);
  weighted[0] = 0;
  for (int k = 1; k <= 6; ++k) {
    weighted[k] = 0;
    for (int j = 0; j < 6; ++j) weighted[k] += pyramidtable[rows[k][j]];
  }
}

void getaltvec(const int icv[7], int c, int which, int out[7]) {
  out[0] = 0;
  for (int k = 1; k <= 6; ++k) {
    const int up = sendicmax(c, k) - icv[k];
    const int down = icv[k] - sendicmin(c, k);
    out[k] = usemax(up, down, which) ? up : -(down + 1);
  }
}

void getadjustedvec(const int icv[7], int c, int out[7]) {
  out[0] = 0;
  for (int k = 1; k <= 6; ++k) out[k] = icv[k] - sendicmin(c, k);
}

void getpercentvec(const int adjusted[7], int c, double out[7]) {
  out[0] = 0.0;
  for (int k = 1; k <= 6; ++k) {
    // 11 and 12 notes leave no room between the bounds: the entry is 0.
    const int range = sendicmax(c, k) - sendicmin(c, k);
    out[k] = range > 0 ? static_cast<double>(adjusted[k]) / range : 0.0;
  }
}

void getnewpercentvec(const double proportional[7], double out[7]) {
  double sum = 0.0;
  for (int k = 1; k <= 6; ++k) sum += proportional[k];
  out[0] = 0.0;
  for (int k = 1; k <= 6; ++k) out[k] = sum > 0.0 ? proportional[k] / sum : 0.0;
}

void getCycSATV(const int weighted[7], int c, int which, double out[7]) {
  out[0] = 0.0;
  for (int k = 1; k <= 6; ++k) {
    // A weight past a bound (the ic4 maxima of 9 to 12 notes lie 0.01 below
    // what some sets reach) counts as lying on it.
    int up = partmax[c][k] - weighted[k];
    int down = weighted[k] - partmin[c][k];
    if (up < 0) up = 0;
    if (down < 0) down = 0;
    out[k] = usemax(up, down, which) ? up / 100.0 : -(down / 100.0 + 1.0);
  }
}

void getPCycSATV(const int weighted[7], int c, double out[7]) {
  out[0] = 0.0;
  for (int k = 1; k <= 6; ++k) {
    const int range = partmax[c][k] - partmin[c][k];
    const int above = weighted[k] - partmin[c][k];
    if (range <= 0 || above <= 0) {
      out[k] = 0.0;
    } else if (above >= range) {
      out[k] = 1.0;
    } else {
      out[k] = static_cast<double>(above) / range;
    }
  }
}

int sendaltcard(int c) {
  return altcard[c];
}
double sendpartcard(int c) {
  return partcard[c] / 100.0;
}
