// Every public header of the engine, linked against the engine alone: the
// library stands without the console and the features.
#include "pelantor/chart.h"
#include "pelantor/combinations.h"
#include "pelantor/comparisons.h"
#include "pelantor/embedding.h"
#include "pelantor/error.h"
#include "pelantor/icvsearch.h"
#include "pelantor/intervals.h"
#include "pelantor/notation.h"
#include "pelantor/pcset.h"
#include "pelantor/primeform.h"
#include "pelantor/setclass.h"
#include "pelantor/setlist.h"
#include "pelantor/similarity.h"
#include "pelantor/subsets.h"
#include "pelantor/transform.h"
#include "pelantor/transformations.h"
#include "pelantor/vectors.h"

int main() {
  using namespace pelantor;
  const PcSet set = parse_pcset("0 4 7");
  const PrimeForm form = prime_form(set, Algorithm::rahn);
  const bool sound = forte_label(set_class_of(set)) == "3-11" && to_string(form.op) == "T7I" &&
                     ic_vector(set)[2] == 1 && weighted_cycle_vector(set)[2] == 120 &&
                     similarity(Measure::emb, set, parse_pcset("0 4")) == 1.0 &&
                     read_set_list("145\n").sets.front() == set;
  return sound ? 0 : 1;
}
