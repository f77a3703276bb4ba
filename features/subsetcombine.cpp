#include "features/subsetcombine.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

#include "core/intervals.h"
#include "core/primeform.h"
#include "core/settable.h"

std::int64_t combs[230];

std::unique_ptr<subsetgroup> ssalloc() {
  return std::make_unique<subsetgroup>();
}

int omit(const subsetgroup* g, bitvec set) {
  for (int i = 1; i <= g->numomit; ++i) {
    if (setinclude(set, g->omitsets[i]) != 0) return 0;
  }
  return 1;
}

namespace {

constexpr int nosets = 4096;
// Multiplicity of every union at one level of the search.
using unioncounts = std::array<std::int64_t, nosets>;

// The settable row each union is tallied under, looked up once per union in
// a run: 0 for the empty union and for a union holding an excluded class,
// -1 while not yet looked up.
using unionrows = std::array<short, nosets>;

void addtally(const subsetgroup* g, bitvec u, std::int64_t times, unionrows& rows) {
  if (rows[u] < 0) {
    const int m = std::popcount(u);
    rows[u] = static_cast<short>(
        u == 0 || omit(g, u) == 0
            ? 0
            : binsearch(sendlocinfo(m, 0), sendlocinfo(m, 1), primeform(u, rahn)));
  }
  if (rows[u] > 0) combs[rows[u]] += times;
}

// Whether a final union of m members counts under the option.
bool accepted(int option, const subsetgroup* g, int m, int card) {
  switch (option) {
    case nooverlap:
      return m == g->totalcard;
    case overlap:
      return m < std::min(g->totalcard, 12);
    case bothoverlaps:
      return true;
    default:
      return m == card;
  }
}

// The last level of options 5 and 6: every base is filled up with one more
// set class, of the size still missing, in every transposition (and
// inversion, unless it or the base is symmetrical).  When at most one note
// is missing the filler is the single pitch class t.
void placefillers(int option, const subsetgroup* g, const unioncounts& bases, int card,
                  unionrows& rows) {
  // Each class's 24 forms, and whether it is symmetrical, for every size.
  static bitvec forms[settablesize][12][2];
  static bool symmetric[settablesize];
  static bool ready = false;
  if (!ready) {
    for (int row = 1; row < settablesize; ++row) {
      symmetric[row] = symmetrical(getbitvec(row)) != 0;
      for (int t = 0; t < 12; ++t) {
        forms[row][t][0] = transpose(getbitvec(row), t);
        forms[row][t][1] = inverse(forms[row][t][0]);
      }
    }
    ready = true;
  }

  for (bitvec base = 0; base < nosets; ++base) {
    const std::int64_t times = bases[base];
    if (times == 0) continue;
    const int need = card - (option == supersetsnooverlap ? g->totalcard : std::popcount(base));
    if (need <= 1) {
      for (int t = 0; t < 12; ++t) {
        const bitvec u = base | (bitvec{1} << t);
        if (std::popcount(u) == card) addtally(g, u, times, rows);
      }
      continue;
    }
    if (need > 12) continue;
    const bool basesymmetric = symmetrical(base) != 0;
    int first = 0, last = 0;
    cardinfo(need, &first, &last);
    for (int t = 0; t < 12; ++t) {
      for (int row = first; row <= last; ++row) {
        const int tries = basesymmetric || symmetric[row] ? 1 : 2;
        for (int i = 0; i < tries; ++i) {
          const bitvec u = base | forms[row][t][i];
          if (std::popcount(u) == card) addtally(g, u, times, rows);
        }
      }
    }
  }
}

}  // namespace

void createsets(int option, const subsetgroup* g, int level, bitvec base, int card) {
  const bool filled = option == supersetsnooverlap || option == supersetsoverlap;
  const int depth = filled ? g->numsubsets + 1 : g->numsubsets;
  static unionrows rows;
  rows.fill(-1);
  // Two levels' worth of multiplicities, static to keep 64 KB off the stack.
  static unioncounts counts[2];
  unioncounts* current = &counts[0];
  unioncounts* next = &counts[1];
  current->fill(0);
  (*current)[base & aggregate] = 1;

  // What happens below a level depends only on the union built so far, so
  // each level maps every union reached, with the number of placements that
  // reached it, to the unions of the next level.
  for (;; ++level) {
    if (filled && level == depth) {
      placefillers(option, g, *current, card, rows);
      return;
    }
    const bool last = level >= depth;
    const bitvec subset = level <= 12 ? g->subsets[level] : 0;
    const bool subsetsymmetric = symmetrical(subset) != 0;
    bitvec pieces[12][2];
    for (int t = 0; t < 12; ++t) {
      pieces[t][0] = transpose(subset, t);
      pieces[t][1] = inverse(pieces[t][0]);
    }
    next->fill(0);
    for (bitvec b = 0; b < nosets; ++b) {
      const std::int64_t times = (*current)[b];
      if (times == 0) continue;
      const int tries = subsetsymmetric || symmetrical(b) != 0 ? 1 : 2;
      for (int t = 0; t < 12; ++t) {
        for (int i = 0; i < tries; ++i) {
          const bitvec u = b | pieces[t][i];
          if (!last) {
            (*next)[u] += times;
          } else if (accepted(option, g, std::popcount(u), card)) {
            addtally(g, u, times, rows);
          }
        }
      }
    }
    if (last) return;
    std::swap(current, next);
  }
}
