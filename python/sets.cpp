// PcSet and SetClass for Python: a set with everything the program reports
// about it as properties, and the set classes with their relations.
#include <pybind11/operators.h>

#include <string>

#include "binding.h"
#include "pelantor/intervals.h"
#include "pelantor/notation.h"
#include "pelantor/setclass.h"
#include "pelantor/transform.h"
#include "pelantor/vectors.h"

namespace pelantor::python {

namespace {

using namespace pybind11::literals;

// ---- Note names and MIDI numbers

// A text of note names, or an iterable of them, each read by the engine's
// note-name syntax (octave numbers and music21's - for flat included).
PcSet from_notes(py::handle notes) {
  if (py::isinstance<py::str>(notes)) return pelantor::parse_notes(notes.cast<std::string_view>());
  PcSet set;
  for (py::handle note : notes) {
    if (!py::isinstance<py::str>(note)) throw py::type_error("a note name is a str");
    const std::string_view name = note.cast<std::string_view>();
    // One name per item: a blank or comma would make it several.
    if (name.find_first_of(" \t\n\r,") != std::string_view::npos || name.empty()) {
      throw py::value_error("'" + std::string(name) + "' is not a note name");
    }
    set = set | pelantor::parse_notes(name);
  }
  return set;
}

PcSet from_midi(py::iterable keys) {
  PcSet set;
  for (py::handle key : keys) {
    const int number = to_int(key, "a MIDI note number is an int");
    set = set | PcSet{(number % 12 + 12) % 12};
  }
  return set;
}

// ---- Operators and labels

// One of the 48 operators by the name the program writes, in any case:
// "T7I", "TaM", "tbmi".
Transform parse_operator(std::string_view name) {
  const auto folded = [](std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
  };
  for (Transform op : all_transforms) {
    if (folded(to_string(op)) == folded(name)) return op;
  }
  throw py::value_error("'" + std::string(name) +
                        "' is not an operator: T, n as one digit 0-9, a or b, then nothing, I, "
                        "M or MI, such as T7I");
}

py::object prime_form_record(PcSet set, std::string_view algorithm) {
  const PrimeForm form = prime_form(set, to_algorithm(algorithm));
  return make_record("PrimeForm", form.prime, to_string(form.op), to_string_ordered(form));
}

// ---- Vectors

py::object saturation_record(Saturation entry, py::object distance) {
  return make_record("Saturation", entry.bound == Bound::min ? "min" : "max", distance);
}

py::tuple ic_saturation(const std::array<Saturation, 6>& vector) {
  return to_tuple(vector, [](Saturation s) { return saturation_record(s, py::int_(s.distance)); });
}

// The cycle vectors' distances and weights are held in hundredths.
py::float_ from_hundredths(int hundredths) {
  return py::float_(hundredths / 100.0);
}

py::tuple cycle_saturation(const std::array<Saturation, 6>& vector) {
  return to_tuple(vector,
                  [](Saturation s) { return saturation_record(s, from_hundredths(s.distance)); });
}

// For each interval 1..6, the chains along its cycles, as many columns as
// any set can fill.
py::tuple chains_by_interval(PcSet set) {
  const IcCycleVector rows = ic_cycle_vector(set);
  py::tuple vector(6);
  for (int k = 0; k < 6; ++k) {
    py::tuple row(most_chains[k]);
    for (int i = 0; i < most_chains[k]; ++i) row[i] = rows[k][i];
    vector[k] = row;
  }
  return vector;
}

// For each interval 1..6, each of its cycles walked from its first pitch
// class, members as hexadecimal digits and the others as '-'.
py::tuple cycle_fragmentation(PcSet set) {
  py::tuple by_interval(6);
  for (int k = 1; k <= 6; ++k) {
    const auto cycles = interval_cycles(k);
    py::tuple walks(cycles.size());
    for (std::size_t c = 0; c < cycles.size(); ++c) {
      std::string walk;
      for (int i = 0; i < cycles[c].length; ++i) {
        const int pc = cycles[c].pitch_class_at(i);
        walk += set.contains(pc) ? "0123456789ab"[pc] : '-';
      }
      walks[c] = walk;
    }
    by_interval[k - 1] = walks;
  }
  return by_interval;
}

// ---- Docstrings

constexpr const char* pcset_doc = R"(A pitch-class set: pitch class k of 0..11 is C, C#, ... B.

PcSet("047"), PcSet("0 4 7") and PcSet([0, 4, 7]) are the set {0, 4, 7}: a
string in the program's set syntax (0-9, a A t T + for ten, b B e E * for
eleven, blanks anywhere) or an iterable of ints.  PcSet() is the empty set.
Sets are immutable, hashable, ordered by their bit value (the order prime
forms are chosen by) and picklable.  Every property below is worked out
when it is read.)";

constexpr const char* setclass_doc =
    R"(A set class (Tn/TnI type), one of 224 including the empty class 0-0.

SetClass("4-z15"), SetClass("4-Z15") and SetClass("4-15") are the same class;
PcSet.set_class gives the class of a set.  Ordered by position in
classes(), hashable, picklable.)";

void bind_pcset(py::module_& module) {
  py::class_<PcSet> cls(module, "PcSet", pcset_doc);
  cls.attr("__module__") = "pelantor";
  cls.def(py::init([](py::handle value) { return to_pcset(value); }), "pitch_classes"_a = "")
      .def_static(
          "from_bits",
          [](py::handle bits) { return from_bit_value(to_int(bits, "a bit value is an int")); },
          "bits"_a, "The set whose bit k is pitch class k: from_bits(145) is {0, 4, 7}.")
      .def_static("from_notes", &from_notes, "notes"_a,
                  "The set of note names: from_notes('C E G'), from_notes(['F#4', 'B-3']).\n\n"
                  "A letter A-G, any sharps (#) and flats (b, or music21's -), then an octave "
                  "number, which is ignored.  A string is split at blanks and commas.")
      .def_static("from_midi", &from_midi, "keys"_a,
                  "The set of MIDI note numbers: from_midi([60, 64, 67]) is {0, 4, 7}.")
      .def_static(
          "from_forte",
          [](std::string_view label, std::string_view algorithm) {
            return find_class(label).prime(to_algorithm(algorithm));
          },
          "label"_a, "algorithm"_a = "rahn",
          "The prime form of a class by its Forte label: from_forte('4-z15') is [0146].");

  cls.def_property_readonly("bits", &PcSet::bits, "The bit value: pitch class k counts 2**k.")
      .def("__len__", &PcSet::size)
      .def("__iter__",
           [](PcSet set) {
             py::list members;
             for (int pc : set) members.append(pc);
             return py::iter(members);
           })
      .def("__contains__", [](PcSet set, py::handle pc) {
        return PyIndex_Check(pc.ptr()) != 0 && set.contains(to_int(pc, "a pitch class is an int"));
      });

  cls.def(py::self == py::self)
      .def(py::self != py::self)
      .def(py::self < py::self)
      .def(py::self <= py::self)
      .def(py::self > py::self)
      .def(py::self >= py::self)
      .def(py::hash(py::self))
      .def(py::self | py::self)
      .def(py::self & py::self)
      .def(py::self - py::self)
      .def("__str__", [](PcSet set) { return to_string(set); })
      .def("__repr__", [](PcSet set) { return "PcSet(\"" + to_string(set) + "\")"; })
      .def(py::pickle([](PcSet set) { return py::make_tuple(set.bits()); },
                      [](const py::tuple& state) {
                        return from_bit_value(to_int(state[0], "a bit value is an int"));
                      }));

  cls.def("issubset", &PcSet::is_subset_of, "other"_a)
      .def(
          "issuperset", [](PcSet set, PcSet other) { return other.is_subset_of(set); }, "other"_a)
      .def("transposed", &PcSet::transposed, "n"_a, "Tn: every member k goes to (k + n) mod 12.")
      .def("inverted", &PcSet::inverted, "T0I: every member k goes to -k mod 12.")
      .def("multiplied", &PcSet::multiplied, "m"_a, "Every member k goes to m * k mod 12.")
      .def(
          "transform", [](PcSet set, std::string_view op) { return parse_operator(op).apply(set); },
          "operator"_a,
          "The image under an operator named as the program writes it: 'T7', 'T7I', 'TaM', "
          "'T0MI'.");

  cls.def_property_readonly(
         "prime_form", [](PcSet set) { return prime_form(set, Algorithm::rahn).prime; },
         "The prime form by Rahn's algorithm.")
      .def_property_readonly(
          "prime_form_forte", [](PcSet set) { return prime_form(set, Algorithm::forte).prime; },
          "The prime form by Forte's algorithm; differs from Rahn's for 5-20, 6-z29, 6-31, 7-18, "
          "7-20 and 8-26.")
      .def_property_readonly(
          "operator", [](PcSet set) { return to_string(prime_form(set, Algorithm::rahn).op); },
          "The operator carrying Rahn's prime form onto the set: 'T0', 'T7I'.")
      .def("prime", &prime_form_record, "algorithm"_a = "rahn",
           "PrimeForm(prime, operator, ordered) under 'rahn' or 'forte'; ordered lists the set "
           "in the order of its prime form's members ('740' for {0, 4, 7}).")
      .def_property_readonly(
          "forte", [](PcSet set) { return forte_label(set_class_of(set)); },
          "The Forte label: '3-11', '4-z15'.")
      .def_property_readonly("tn_class", &tn_label,
                             "The Forte label with A (a transposition of the prime form) or B "
                             "(of its inversion); no letter for a symmetric class: '3-11B'.")
      .def_property_readonly(
          "set_class", [](PcSet set) { return set_class_of(set); }, "The SetClass.");

  cls.def_property_readonly(
         "icv", [](PcSet set) { return to_tuple(ic_vector(set)); },
         "The interval-class vector, ic1 to ic6.")
      .def_property_readonly(
          "invariance", [](PcSet set) { return to_tuple(invariance_vector(set)); },
          "The invariance vector: how many n map the set onto itself under Tn, TnI, TnM, TnMI, "
          "then onto a set disjoint from it.")
      .def_property_readonly(
          "vtics", [](PcSet set) { return to_tuple(vtics(set)); },
          "VTICS: [n] is the number of members the set shares with TnI of itself.")
      .def_property_readonly(
          "adjusted_icv", [](PcSet set) { return to_tuple(adjusted_ic_vector(set)); },
          "Adjusted IC vector: each count above the least of the cardinality.")
      .def_property_readonly(
          "ic_saturation_a", [](PcSet set) { return ic_saturation(ic_saturation_a(set)); },
          "IC saturation vector a: six Saturation(bound, distance), from the nearer bound.")
      .def_property_readonly(
          "ic_saturation_b", [](PcSet set) { return ic_saturation(ic_saturation_b(set)); },
          "IC saturation vector b: from the farther bound.")
      .def_property_readonly(
          "proportional_icsatv", [](PcSet set) { return to_tuple(proportional_icsatv(set)); },
          "Proportional ICSATV: the adjusted counts over the ranges (0 where a range is empty).")
      .def_property_readonly(
          "picsat_percent", [](PcSet set) { return to_tuple(picsat_percent(set)); },
          "PICSAT%V: the proportional entries over their sum.");

  cls.def_property_readonly("cycle_fragmentation", &cycle_fragmentation,
                            "For intervals 1 to 6, each cycle of the interval as a string: "
                            "members as digits, others as '-' ('0---4--7----').")
      .def_property_readonly("ic_cycle_vector", &chains_by_interval,
                             "IC Cycle Vector: for intervals 1 to 6, the links of each chain of "
                             "members along the cycles, longest first.")
      .def_property_readonly(
          "weighted_cycle_vector",
          [](PcSet set) { return to_tuple(weighted_cycle_vector(set), from_hundredths); },
          "Weighted IC Cyc Vec: the summed chain weights per interval.")
      .def_property_readonly(
          "cycle_saturation_a", [](PcSet set) { return cycle_saturation(cycle_saturation_a(set)); },
          "CycSATV a: Saturation entries of the weighted vector, from the nearer bound.")
      .def_property_readonly(
          "cycle_saturation_b", [](PcSet set) { return cycle_saturation(cycle_saturation_b(set)); },
          "CycSATV b: from the farther bound.")
      .def_property_readonly(
          "proportional_cycsatv", [](PcSet set) { return to_tuple(proportional_cycsatv(set)); },
          "Proportional CycSATV: each weight's place between the bounds, 0 to 1.");

  cls.def_property_readonly("complement", &PcSet::complement, "The literal complement.")
      .def_property_readonly(
          "z_partner", [](PcSet set) { return z_partner_of(set_class_of(set)); },
          py::return_value_policy::copy, "The SetClass of the Z-correspondent, or None.")
      .def_property_readonly(
          "m_partner", [](PcSet set) { return m_partner_of(set_class_of(set)); },
          "The SetClass of the set's image under M (and MI).");
}

void bind_setclass(py::module_& module) {
  py::class_<SetClass> cls(module, "SetClass", setclass_doc);
  cls.attr("__module__") = "pelantor";
  cls.def(py::init([](std::string_view label) { return find_class(label); }), "label"_a)
      .def_readonly("index", &SetClass::index, "The position in classes(), 0..223.")
      .def_readonly("cardinality", &SetClass::cardinality)
      .def_readonly("ordinal", &SetClass::ordinal, "Forte's number within the cardinality.")
      .def_property_readonly("forte", &forte_label, "The Forte label: '3-11', '4-z15'.")
      .def_property_readonly("is_z", &SetClass::is_z, "Whether it has a Z-correspondent.")
      .def_readonly("prime_form", &SetClass::rahn_prime, "Rahn's prime form.")
      .def_readonly("prime_form_forte", &SetClass::forte_prime, "Forte's prime form.")
      .def_property_readonly(
          "icv", [](const SetClass& sc) { return to_tuple(ic_vector(sc.rahn_prime)); },
          "The interval-class vector.")
      .def_property_readonly("z_partner", &z_partner_of, py::return_value_policy::copy,
                             "The Z-correspondent, or None.")
      .def_property_readonly("m_partner", &m_partner_of, py::return_value_policy::copy,
                             "The class of its sets' images under M.")
      .def_property_readonly("complement", &complement_of, py::return_value_policy::copy,
                             "The abstract complement.");

  const auto index = [](const SetClass& sc) { return sc.index; };
  cls.def("__eq__", [=](const SetClass& a, const SetClass& b) { return index(a) == index(b); })
      .def("__ne__", [=](const SetClass& a, const SetClass& b) { return index(a) != index(b); })
      .def("__lt__", [=](const SetClass& a, const SetClass& b) { return index(a) < index(b); })
      .def("__le__", [=](const SetClass& a, const SetClass& b) { return index(a) <= index(b); })
      .def("__gt__", [=](const SetClass& a, const SetClass& b) { return index(a) > index(b); })
      .def("__ge__", [=](const SetClass& a, const SetClass& b) { return index(a) >= index(b); })
      .def("__hash__", index)
      .def("__str__", &forte_label)
      .def("__repr__", [](const SetClass& sc) { return "SetClass(\"" + forte_label(sc) + "\")"; })
      .def(py::pickle(
          [](const SetClass& sc) { return py::make_tuple(forte_label(sc)); },
          [](const py::tuple& state) { return find_class(state[0].cast<std::string>()); }));
}

}  // namespace

void bind_sets(py::module_& module) {
  bind_pcset(module);
  bind_setclass(module);
  module.def(
      "classes",
      [](std::optional<int> cardinality) {
        const auto span = cardinality ? classes(*cardinality) : all_classes();
        return std::vector<SetClass>(span.begin(), span.end());
      },
      "card"_a = py::none(),
      "The set classes of one cardinality (0..12), or all 224, by cardinality and within it by "
      "Rahn's prime form; classes()[i].index == i.");
}

}  // namespace pelantor::python
