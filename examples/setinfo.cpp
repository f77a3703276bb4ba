// setinfo: the prime form, Forte label and interval-class vector of each
// set given as an argument, written the way the program writes them, then
// Lewin's REL of the first two sets.
//
//   $ setinfo 0146 0137
//   {0146} = T0 of [0146]  4-z15  <111111>
//   {0137} = T0 of [0137]  4-z29  <111111>
//   REL({0146}, {0137}) = 0.727
//
// --forte switches to Forte's prime forms.  A set that is not one is
// reported on standard error and ends the run with status 1.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "pelantor/intervals.h"
#include "pelantor/notation.h"
#include "pelantor/primeform.h"
#include "pelantor/setclass.h"
#include "pelantor/similarity.h"

namespace {

std::string digits(const std::array<int, 6>& vector) {
  std::string text;
  for (int entry : vector) text += "0123456789abc"[entry];
  return text;
}

void describe(pelantor::PcSet set, pelantor::Algorithm algorithm) {
  const pelantor::PrimeForm form = pelantor::prime_form(set, algorithm);
  std::printf("{%s} = %s of [%s]  %s  <%s>\n", pelantor::to_string_ordered(form).c_str(),
              pelantor::to_string(form.op).c_str(), pelantor::to_string(form.prime).c_str(),
              pelantor::forte_label(pelantor::set_class_of(set)).c_str(),
              digits(pelantor::ic_vector(set)).c_str());
}

}  // namespace

int main(int argc, char** argv) {
  pelantor::Algorithm algorithm = pelantor::Algorithm::rahn;
  std::vector<pelantor::PcSet> sets;
  try {
    for (int i = 1; i < argc; ++i) {
      const std::string_view argument = argv[i];
      if (argument == "--forte") {
        algorithm = pelantor::Algorithm::forte;
        continue;
      }
      sets.push_back(pelantor::parse_pcset(argument));
      describe(sets.back(), algorithm);
    }
    // REL takes sets of 2 to 10 pitch classes; the engine refuses others.
    if (sets.size() >= 2) {
      const double rel = pelantor::similarity(pelantor::Measure::rel, sets[0], sets[1]);
      std::printf("REL({%s}, {%s}) = %.3f\n", pelantor::to_string(sets[0]).c_str(),
                  pelantor::to_string(sets[1]).c_str(), rel);
    }
  } catch (const pelantor::error& e) {
    std::fprintf(stderr, "setinfo: %s\n", e.what());
    return 1;
  }
  return 0;
}
