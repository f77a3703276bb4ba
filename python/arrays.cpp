// Whole arrays of sets at once: the class, prime form and operator of every
// bit value by one table look-up each (without the GIL), and the counts of
// the classes in a list.
#include <cstdint>
#include <string>

#include "binding.h"
#include "pelantor/setclass.h"

namespace pelantor::python {

namespace {

using namespace pybind11::literals;

struct Classified {
  std::int16_t class_index;
  std::uint16_t prime;
  std::int8_t op;  // the operator's place in all_transforms (and OPERATORS)
};
using ClassifiedSets = std::array<Classified, 4096>;

ClassifiedSets classified_sets(Algorithm algorithm) {
  ClassifiedSets table{};
  for (unsigned bits = 0; bits < table.size(); ++bits) {
    const PcSet set = PcSet::from_bits(bits);
    const PrimeForm form = prime_form(set, algorithm);
    table[bits] = {static_cast<std::int16_t>(set_class_of(set).index), form.prime.bits(),
                   static_cast<std::int8_t>(static_cast<int>(form.op.operation) * 12 + form.op.n)};
  }
  return table;
}

// Worked out once per algorithm, at the first call.
const ClassifiedSets& classified(Algorithm algorithm) {
  static const ClassifiedSets rahn = classified_sets(Algorithm::rahn);
  static const ClassifiedSets forte = classified_sets(Algorithm::forte);
  return algorithm == Algorithm::rahn ? rahn : forte;
}

py::object classify(py::handle values, std::string_view algorithm) {
  const ClassifiedSets& table = classified(to_algorithm(algorithm));
  const BitArray bits = bit_values(values);
  const std::vector<py::ssize_t> shape(bits.shape(), bits.shape() + bits.ndim());
  py::array_t<std::int16_t> class_index(shape);
  py::array_t<std::uint16_t> prime(shape);
  py::array_t<std::int8_t> op(shape);
  const std::int64_t* in = bits.data();
  std::int16_t* class_out = class_index.mutable_data();
  std::uint16_t* prime_out = prime.mutable_data();
  std::int8_t* op_out = op.mutable_data();
  const py::ssize_t n = bits.size();
  py::ssize_t i = 0;
  {
    py::gil_scoped_release unlocked;
    for (; i < n && in[i] >= 0 && in[i] < std::int64_t(table.size()); ++i) {
      const Classified& c = table[static_cast<std::size_t>(in[i])];
      class_out[i] = c.class_index;
      prime_out[i] = c.prime;
      op_out[i] = c.op;
    }
  }
  if (i < n) from_bit_value(in[i]);  // refuses it with the engine's message
  return make_record("Classification", class_index, prime, op);
}

// Tn classes are counted in two slots per class: 2i for the class's
// transpositions (and all of a symmetric class), 2i + 1 for its inversions.
std::size_t tn_slot(PcSet set) {
  const Classified& c = classified(Algorithm::rahn)[set.bits()];
  return 2 * static_cast<std::size_t>(c.class_index) + (c.op >= 12 ? 1 : 0);
}

py::dict count(py::handle values, bool tn_classes) {
  const std::vector<PcSet> sets = to_pcsets(values);
  const auto classes = all_classes();
  std::vector<std::int64_t> tallies(classes.size() * (tn_classes ? 2 : 1));
  for (PcSet set : sets) ++tallies[tn_classes ? tn_slot(set) : set_class_of(set).index];
  py::dict counts;
  for (std::size_t slot = 0; slot < tallies.size(); ++slot) {
    if (tallies[slot] == 0) continue;
    const SetClass& sc = classes[tn_classes ? slot / 2 : slot];
    const PcSet form = slot % 2 == 1 && tn_classes ? sc.rahn_prime.inverted() : sc.rahn_prime;
    counts[py::str(tn_classes ? tn_label(form) : forte_label(sc))] = tallies[slot];
  }
  return counts;
}

}  // namespace

void bind_arrays(py::module_& module) {
  module.def("classify", &classify, "bits"_a, "algorithm"_a = "rahn",
             "Classification(class_index, prime, operator) of an array of bit values 0..4095: "
             "arrays of its shape holding the class's place in classes() (int16), the prime "
             "form's bit value (uint16) and the operator's place in OPERATORS (int8).");
  module.def("count", &count, "sets"_a, "tn_classes"_a = false,
             "How many sets of the list fall in each class, {Forte label: count} in the order "
             "of classes(), classes with no set left out; with tn_classes, by Tn class ('3-11A', "
             "'3-11B').");
}

}  // namespace pelantor::python
