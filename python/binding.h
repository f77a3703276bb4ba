#pragma once
// What the files of the Python binding share: how Python values become the
// engine's values, and the record types (named tuples) of pelantor._records
// that results come back in.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pelantor/pcset.h"
#include "pelantor/primeform.h"
#include "pelantor/similarity.h"

namespace pelantor::python {

namespace py = pybind11;

// A set as Python gives one: a PcSet, a string in the program's set syntax
// ("047", "0 4 7") or an iterable of pitch classes 0..11.  Throws
// py::type_error for anything else (an int among them: bit values go
// through PcSet.from_bits) and error for a bad character or number.
PcSet to_pcset(py::handle value);

// A list of sets: a PcSet or a string alone is one set; a one-dimensional
// numpy array of integers holds bit values; any other iterable holds sets
// as to_pcset takes them.
std::vector<PcSet> to_pcsets(py::handle values);

// An int (or anything with __index__, numpy's integers among them, but not
// a float) as an int, values beyond int's range pinned to its ends: they lie
// outside every range the engine takes.  Throws py::type_error
// "<expected>, not <type>" for anything else.
int to_int(py::handle value, std::string_view expected);

// Bit values (pitch class k counting 2^k) as contiguous int64s, from any
// array-like of integers: a numpy array of any integer type and shape, a
// list.  Throws py::type_error for other element types.
using BitArray = py::array_t<std::int64_t, py::array::c_style | py::array::forcecast>;
BitArray bit_values(py::handle values);

// The set of a bit value 0..4095; error otherwise.
PcSet from_bit_value(long long bits);

// "rahn" or "forte", in any case.  Throws py::value_error otherwise.
Algorithm to_algorithm(std::string_view name);

// A measure by its short name (any case, blanks anywhere) or its number
// 1..16, given as a str or an int.
const MeasureInfo& to_measure(py::handle name_or_number);

// Loads pelantor._records, the named tuples results come back in; called
// once as the module loads.
void load_records();
// One of those types by name.
py::object record_type(const char* type);

// A new instance of the named record type.
template <typename... Args>
py::object make_record(const char* type, Args&&... fields) {
  return record_type(type)(std::forward<Args>(fields)...);
}

// A fixed-length vector as a tuple, each entry converted by convert.
template <typename T, std::size_t N, typename Convert>
py::tuple to_tuple(const std::array<T, N>& entries, Convert convert) {
  py::tuple tuple(N);
  for (std::size_t i = 0; i < N; ++i) tuple[i] = convert(entries[i]);
  return tuple;
}
template <typename T, std::size_t N>
py::tuple to_tuple(const std::array<T, N>& entries) {
  return to_tuple(entries, [](const T& entry) { return py::cast(entry); });
}

// The parts of the module, each adding its classes and functions.
void bind_sets(py::module_& module);
void bind_searches(py::module_& module);
void bind_similarity(py::module_& module);
void bind_arrays(py::module_& module);

}  // namespace pelantor::python
