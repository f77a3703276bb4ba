#include "pelantor/primeform.h"

#include "pelantor/notation.h"
#include "rules.h"

namespace pelantor {

PrimeForm prime_form(PcSet set, Algorithm algorithm) {
  const PrimeForm rahn = rule::rahn_prime_form(set);
  return algorithm == Algorithm::rahn ? rahn : rule::forte_from_rahn(rahn);
}

std::string to_string_ordered(const PrimeForm& form) {
  std::string text;
  for (int pc : form.prime) text += to_string(form.op.apply(PcSet{pc}));
  return text;
}

}  // namespace pelantor
