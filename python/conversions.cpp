// Python values into the engine's: sets, lists of sets, algorithms and
// measures; and the record types results are returned in.
#include <algorithm>
#include <climits>
#include <span>
#include <string>

#include "binding.h"
#include "pelantor/error.h"
#include "pelantor/notation.h"

namespace pelantor::python {

namespace {

// Anything with __index__: int, bool, numpy's integers; never a float.
bool is_integer(py::handle value) {
  return PyIndex_Check(value.ptr()) != 0;
}

std::string type_name(py::handle value) {
  return py::str(py::type::handle_of(value).attr("__name__"));
}

bool holds_integers(const py::array& array) {
  const char kind = array.dtype().kind();
  return kind == 'i' || kind == 'u';
}

bool is_bit_array(py::handle values) {
  return py::isinstance<py::array>(values) &&
         py::reinterpret_borrow<py::array>(values).ndim() == 1 &&
         holds_integers(py::reinterpret_borrow<py::array>(values));
}

std::vector<PcSet> sets_of_bits(py::handle values) {
  const BitArray bits = bit_values(values);
  std::vector<PcSet> sets;
  sets.reserve(static_cast<std::size_t>(bits.size()));
  for (std::int64_t value : std::span(bits.data(), static_cast<std::size_t>(bits.size())))
    sets.push_back(from_bit_value(value));
  return sets;
}

// Held for the life of the process, as the record types it holds are.
py::handle records_module;

}  // namespace

PcSet to_pcset(py::handle value) {
  if (py::isinstance<PcSet>(value)) return value.cast<PcSet>();
  if (py::isinstance<py::str>(value)) return parse_pcset(value.cast<std::string_view>());
  if (!py::isinstance<py::iterable>(value)) {
    throw py::type_error(
        "a set is a PcSet, a string such as '047' or an iterable of pitch classes, not " +
        (is_integer(value) ? "an int (for a bit value use PcSet.from_bits)" : type_name(value)));
  }
  PcSet set;
  for (py::handle member : value)
    set = set | PcSet{to_int(member, "a pitch class is an int from 0 to 11")};
  return set;
}

std::vector<PcSet> to_pcsets(py::handle values) {
  if (py::isinstance<PcSet>(values) || py::isinstance<py::str>(values)) return {to_pcset(values)};
  if (is_bit_array(values)) return sets_of_bits(values);
  if (!py::isinstance<py::iterable>(values)) {
    throw py::type_error("expected a list of sets, not " + type_name(values));
  }
  std::vector<PcSet> sets;
  for (py::handle value : values) sets.push_back(to_pcset(value));
  return sets;
}

int to_int(py::handle value, std::string_view expected) {
  if (!is_integer(value)) throw py::type_error(std::string(expected) + ", not " + type_name(value));
  const auto index = py::reinterpret_steal<py::object>(PyNumber_Index(value.ptr()));
  if (!index) throw py::error_already_set();
  int overflow = 0;
  const long number = PyLong_AsLongAndOverflow(index.ptr(), &overflow);
  if (overflow != 0) return overflow > 0 ? INT_MAX : INT_MIN;
  return static_cast<int>(std::clamp<long>(number, INT_MIN, INT_MAX));
}

BitArray bit_values(py::handle values) {
  const auto array =
      py::reinterpret_borrow<py::array>(py::module_::import("numpy").attr("asarray")(values));
  if (!holds_integers(array))
    throw py::type_error("bit values are integers, not " +
                         py::str(array.dtype()).cast<std::string>());
  return BitArray::ensure(array);
}

PcSet from_bit_value(long long bits) {
  if (bits < 0) throw error("not a pitch-class set: a negative bit value");
  return PcSet::from_bits(static_cast<unsigned>(std::min<long long>(bits, UINT_MAX)));
}

Algorithm to_algorithm(std::string_view name) {
  std::string key(name);
  for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (key == "rahn") return Algorithm::rahn;
  if (key == "forte") return Algorithm::forte;
  throw py::value_error("the prime-form algorithms are 'rahn' and 'forte', not '" +
                        std::string(name) + "'");
}

const MeasureInfo& to_measure(py::handle name_or_number) {
  if (is_integer(name_or_number))
    return find_measure(std::to_string(to_int(name_or_number, "a measure number is an int")));
  if (py::isinstance<py::str>(name_or_number))
    return find_measure(name_or_number.cast<std::string_view>());
  throw py::type_error("a measure is given by its name or its number, not " +
                       type_name(name_or_number));
}

void load_records() {
  records_module = py::module_::import("pelantor._records").release();
}

py::object record_type(const char* type) {
  return records_module.attr(type);
}

}  // namespace pelantor::python
