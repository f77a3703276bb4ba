#include "pictures/clockface.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string_view>
#include <vector>

#include "pelantor/error.h"
#include "pelantor/notation.h"
#include "pelantor/setclass.h"
#include "pelantor/transform.h"
#include "pictures/svg.h"

namespace pelantor::pictures {

namespace {

// The drawing in its own units: 320 wide, legible when shown 300 pixels wide.
constexpr double view_width = 320;
constexpr double view_height = 345;
constexpr double centre_x = 160;
constexpr double centre_y = 195;
constexpr double ring_radius = 110;
constexpr double dot_radius = 9;
constexpr double label_radius = 134;
constexpr double axis_radius = 122;  // axes reach past the dots, short of the labels

// Members in dark blue, filled; the others white with a grey ring; axes
// dashed red, so that they still read apart in grey print.
constexpr std::string_view member_colour = "#08519c";
constexpr std::string_view polygon_fill = "#deebf7";
constexpr std::string_view other_stroke = "#636363";
constexpr std::string_view axis_colour = "#d62728";

constexpr std::array<std::string_view, 12> sharp_names = {"C",  "C#", "D",  "D#", "E",  "F",
                                                          "F#", "G",  "G#", "A",  "A#", "B"};
constexpr std::array<std::string_view, 12> flat_names = {"C",  "Db", "D",  "Eb", "E",  "F",
                                                         "Gb", "G",  "Ab", "A",  "Bb", "B"};

struct Point {
  double x, y;
};

// The point at the given distance from the centre toward a position of the
// clock: 0 at the top, one step a twelfth of a turn clockwise; halves lie
// between two pitch classes.
Point toward(double position, double radius) {
  const double angle = position * std::numbers::pi / 6;
  return {centre_x + radius * std::sin(angle), centre_y - radius * std::cos(angle)};
}

// The TnI that map the set onto itself: each mirrors the circle in the axis
// through positions n/2 and n/2 + 6, where k and n - k meet.
std::vector<Transform> symmetries(PcSet set) {
  std::vector<Transform> found;
  for (int n = 0; n < 12; ++n) {
    const Transform t{Operation::I, n};
    if (t.apply(set) == set) found.push_back(t);
  }
  return found;
}

// "{740} = T7I of [037]": the set in its prime form's order.
std::string equation(const PrimeForm& form) {
  return svg::concat("{", to_string_ordered(form), "} = ", to_string(form.op), " of [",
                     to_string(form.prime), "]");
}

std::string list(const std::vector<std::string>& items, std::string_view none) {
  if (items.empty()) return std::string(none);
  std::string text = items.front();
  for (std::size_t i = 1; i < items.size(); ++i) text += ", " + items[i];
  return text;
}

std::string description(PcSet set, PitchNames names) {
  std::vector<std::string> members, axes;
  for (const int pc : set) members.push_back(pitch_label(pc, names));
  for (const Transform t : symmetries(set)) axes.push_back(to_string(t));
  return svg::concat(
      "Twelve positions round a circle, pitch class 0 at the top and rising clockwise. "
      "Members, filled and joined by a polygon: ",
      list(members, "none"), ". Axes of inversional symmetry: ", list(axes, "none"), ".");
}

void draw_title(std::string& out, PcSet set, const PrimeForm& form) {
  svg::text(out, centre_x, 24, " font-size=\"16\" font-weight=\"bold\" text-anchor=\"middle\"",
            equation(form));
  svg::text(out, centre_x, 44, " font-size=\"13\" text-anchor=\"middle\"",
            svg::concat("Forte label ", forte_label(set_class_of(set))));
}

void draw_ring(std::string& out) {
  out += "<circle";
  svg::attribute(out, "cx", centre_x);
  svg::attribute(out, "cy", centre_y);
  svg::attribute(out, "r", ring_radius);
  out += " fill=\"none\" stroke=\"#bdbdbd\" stroke-width=\"1\"/>\n";
}

void draw_polygon(std::string& out, PcSet set) {
  if (set.empty()) return;
  std::string points;
  for (const int pc : set) {
    const Point p = toward(pc, ring_radius);
    if (!points.empty()) points += ' ';
    svg::append(points, svg::number(p.x), ",", svg::number(p.y));
  }
  out += "<polygon id=\"polygon\"";
  svg::attribute(out, "points", points);
  svg::attribute(out, "fill", polygon_fill);
  svg::attribute(out, "stroke", member_colour);
  out += " stroke-width=\"2\" stroke-linejoin=\"round\"/>\n";
}

void draw_axes(std::string& out, PcSet set) {
  for (const Transform t : symmetries(set)) {
    const Point from = toward(t.n / 2.0, axis_radius);
    const Point to = toward(t.n / 2.0 + 6, axis_radius);
    const std::string name = to_string(t);
    out += "<line";
    svg::attribute(out, "id", "axis-" + name);
    out += " class=\"axis\"";
    svg::attribute(out, "x1", from.x);
    svg::attribute(out, "y1", from.y);
    svg::attribute(out, "x2", to.x);
    svg::attribute(out, "y2", to.y);
    svg::attribute(out, "stroke", axis_colour);
    svg::append(out, " stroke-width=\"1.5\" stroke-dasharray=\"6 4\"><title>", name,
                " maps the set onto itself</title></line>\n");
  }
}

void draw_position(std::string& out, int pc, bool member, PitchNames names) {
  out += "<g";
  svg::attribute(out, "id", svg::concat("pc-", std::to_string(pc)));
  svg::attribute(out, "class", member ? "member" : "other");
  out += ">\n<circle";
  const Point dot = toward(pc, ring_radius);
  svg::attribute(out, "cx", dot.x);
  svg::attribute(out, "cy", dot.y);
  svg::attribute(out, "r", dot_radius);
  svg::attribute(out, "fill", member ? member_colour : "#ffffff");
  svg::attribute(out, "stroke", member ? member_colour : other_stroke);
  out += " stroke-width=\"1.5\"/>\n";
  const Point at = toward(pc, label_radius);
  svg::text(out, at.x, at.y,
            member ? " dy=\"0.35em\" font-size=\"15\" font-weight=\"bold\" text-anchor=\"middle\""
                   : " dy=\"0.35em\" font-size=\"15\" text-anchor=\"middle\"",
            pitch_label(pc, names));
  out += "</g>\n";
}

}  // namespace

std::string pitch_label(int pc, PitchNames names) {
  if (pc < 0 || pc > 11) throw error("not a pitch class: numbers run from 0 to 11");
  switch (names) {
    case PitchNames::sharps:
      return std::string(sharp_names[static_cast<std::size_t>(pc)]);
    case PitchNames::flats:
      return std::string(flat_names[static_cast<std::size_t>(pc)]);
    case PitchNames::numbers:
      break;
  }
  return std::to_string(pc);
}

std::string clock_face(PcSet set, Algorithm algorithm, const ClockOptions& options) {
  if (options.size < 1) throw error("a picture's size is a number of pixels, 1 or more");
  const PrimeForm form = prime_form(set, algorithm);
  const std::string title =
      "Clock face of " + equation(form) + ", Forte label " + forte_label(set_class_of(set));
  const std::string desc = description(set, options.names);
  std::string out;
  svg::open_document(out, view_width, view_height, options.size, {"clock", title, desc});
  draw_title(out, set, form);
  draw_ring(out);
  draw_polygon(out, set);
  draw_axes(out, set);
  for (int pc = 0; pc < 12; ++pc) draw_position(out, pc, set.contains(pc), options.names);
  svg::close_document(out);
  return out;
}

}  // namespace pelantor::pictures
