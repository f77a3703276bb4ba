#pragma once
// The heatmap's colour scale: viridis, a sequential scale whose lightness
// rises evenly from dark purple to yellow, so that it reads the same on
// screen, in grey print and for the common kinds of colour blindness.

#include <string>

namespace pelantor::pictures::colours {

// The colour at t of 0 (dark purple) to 1 (yellow), "#rrggbb"; t outside
// is taken as the nearer end.
std::string at(double t);
// True where text on the colour at t reads better in white than in black.
bool is_dark(double t);

// The colour at each of the scale's stops, evenly spaced from 0 to 1, for
// a gradient: stop_colour(0) is at(0), stop_colour(stops - 1) is at(1).
inline constexpr int stops = 11;
std::string stop_colour(int stop);

}  // namespace pelantor::pictures::colours
