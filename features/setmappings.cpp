#include "features/setmappings.h"

#include "console/funnel.h"
#include "console/setwriters.h"
#include "core/intervals.h"
#include "core/settable.h"

namespace {

// Each operator name starts the field of its 12 marks, from column 17.
constexpr const char* chartheading =
    "                T           TnI         TnM5        TnM7        \n";

void writetranspositions() {
  spaces(16);
  for (int op = opT; op <= opMI; ++op) {
    for (int t = 0; t < 12; ++t) writehex(t);
  }
  mwrite("\n");
}

// x under an operator that maps the prime form onto itself or onto a set
// sharing no pitch class with it; a blank otherwise.
void writerow(bitvec prime) {
  const int n = bitcount(prime);
  writeset(pelantor::PcSet::from_bits(prime), setstyle::brackets);
  spaces(14 - n);
  for (int op = opT; op <= opMI; ++op) {
    for (int t = 0; t < 12; ++t) {
      const int u = bitcount(combine(prime, calc(prime, op, t)));
      mwrite(u == n || u == 2 * n ? "x" : " ");
    }
  }
  mwrite("\n");
}

}  // namespace

// The rows are the prime forms of the table; the empty set is left out.
void showmappings() {
  mwrite(chartheading);
  writetranspositions();
  for (int row = sendlocinfo(1, 0); row <= sendlocinfo(12, 1); ++row) writerow(sendset(row));
}
