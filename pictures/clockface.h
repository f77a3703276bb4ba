#pragma once
// The clock face of a pitch-class set as an SVG document: twelve positions
// round a circle, pitch class 0 at the top and rising clockwise, the members
// filled and joined by a polygon, the axes of the set's inversional
// symmetries, and a title with the set, its prime form, the operator between
// them and its Forte label.

#include <string>

#include "pelantor/pcset.h"
#include "pelantor/primeform.h"

namespace pelantor::pictures {

// How the positions are labelled: 0 to 11, or note names with sharps
// (C, C#, D ...) or with flats (C, Db, D ...), in ASCII so that every font
// has them.
enum class PitchNames { numbers, sharps, flats };

// The label of pitch class pc in the names given: "4", "E", "C#", "Db".
// Throws error unless pc is 0 to 11.
std::string pitch_label(int pc, PitchNames names);

struct ClockOptions {
  PitchNames names = PitchNames::numbers;
  // The width in pixels at which the picture opens; the height follows in
  // proportion, and the drawing scales to any size (it has a viewBox).
  int size = 320;
};

// The SVG text of the clock face of any set, the empty set and the
// aggregate included, with the prime form and operator of the algorithm.
// Position k is the element with id "pc-k" (class "member" or
// "other"), holding its circle and its label; the polygon has id "polygon"
// (left out for the empty set); an axis of symmetry is a line with id
// "axis-" and the operator that mirrors the set in it ("axis-T4I").  Throws
// error unless options.size is at least 1.
std::string clock_face(PcSet set, Algorithm algorithm, const ClockOptions& options = {});

}  // namespace pelantor::pictures
