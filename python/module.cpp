// pelantor._engine: the engine for Python.  The package pelantor re-exports
// it beside the record types of pelantor._records.
#include "binding.h"
#include "pelantor/error.h"
#include "pelantor/transform.h"

namespace {

// The names of the 48 operators in the order of their codes in classify's
// results: T0..Tb, T0I..TbI, T0M..TbM, T0MI..TbMI.
pybind11::tuple operator_names() {
  pybind11::tuple names(pelantor::all_transforms.size());
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = to_string(pelantor::all_transforms[i]);
  return names;
}

}  // namespace

PYBIND11_MODULE(_engine, module) {
  namespace py = pybind11;
  module.doc() = "The Pelantor engine: pitch-class sets, set classes, vectors and measures.";
  // The engine refuses bad input with a message a user can read as it is.
  py::register_exception_translator([](std::exception_ptr thrown) {
    try {
      if (thrown) std::rethrow_exception(thrown);
    } catch (const pelantor::error& e) {
      PyErr_SetString(PyExc_ValueError, e.what());
    }
  });
  pelantor::python::load_records();
  pelantor::python::bind_sets(module);
  pelantor::python::bind_searches(module);
  pelantor::python::bind_similarity(module);
  pelantor::python::bind_arrays(module);
  module.attr("OPERATORS") = operator_names();
  module.attr("__version__") = PELANTOR_VERSION;
}
