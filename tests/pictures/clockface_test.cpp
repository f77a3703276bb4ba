// The clock face: positions, members, polygon, axes of symmetry, title and
// labels, read back from the SVG text.
#include "pictures/clockface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "pelantor/error.h"
#include "svglines.h"

namespace {

using namespace pelantor;
using namespace pelantor::pictures::testing;
using pictures::clock_face;
using pictures::ClockOptions;
using pictures::PitchNames;

// The centre of the dot of pitch class pc, from its circle's line (the line
// after the position's group).
std::pair<double, double> dot(const std::string& svg, int pc) {
  const std::string id = "id=\"pc-" + std::to_string(pc) + "\"";
  const std::size_t group = svg.find(id);
  const std::size_t start = svg.find('\n', group) + 1;
  const std::string circle = svg.substr(start, svg.find('\n', start) - start);
  return {number(circle, "cx"), number(circle, "cy")};
}

TEST(ClockFace, TwelvePositionsWithTheMembersFilledAndJoined) {
  const std::string svg = clock_face(pcs("740"), Algorithm::rahn);
  for (int pc = 0; pc < 12; ++pc) {
    const std::string group = line_with(svg, "id=\"pc-" + std::to_string(pc) + "\"");
    const bool member = pc == 0 || pc == 4 || pc == 7;
    EXPECT_EQ(attribute(group, "class"), member ? "member" : "other") << pc;
  }
  // The polygon runs through the members' dots, in rising order.
  std::istringstream points(attribute(line_with(svg, "<polygon"), "points"));
  for (const int pc : {0, 4, 7}) {
    double x = 0, y = 0;
    char comma = 0;
    points >> x >> comma >> y;
    const auto [cx, cy] = dot(svg, pc);
    EXPECT_NEAR(x, cx, 0.01) << pc;
    EXPECT_NEAR(y, cy, 0.01) << pc;
  }
  EXPECT_TRUE(points.eof());
  // Pitch class 0 at the top, 3 at the right: clockwise.
  EXPECT_LT(dot(svg, 0).second, dot(svg, 6).second);
  EXPECT_GT(dot(svg, 3).first, dot(svg, 9).first);
  EXPECT_EQ(clock_face(PcSet(), Algorithm::rahn).find("<polygon"), std::string::npos);
}

// The title gives the set, its prime form's operator and its Forte label;
// the labels are numbers or note names.
TEST(ClockFace, TitleAndLabels) {
  EXPECT_EQ(
      content(line_with(clock_face(pcs("047"), Algorithm::rahn), "<title id=\"clock-title\"")),
      "Clock face of {740} = T7I of [037], Forte label 3-11");
  // 5-20, one of the classes whose prime forms differ between the algorithms.
  EXPECT_NE(clock_face(pcs("02378"), Algorithm::forte).find(">{32087} = T3I of [01378]</text>"),
            std::string::npos);
  const std::string flats = clock_face(pcs("0"), Algorithm::rahn, {PitchNames::flats});
  EXPECT_NE(flats.find(">Eb</text>"), std::string::npos);
  EXPECT_NE(content(line_with(flats, "<desc")).find("polygon: C."), std::string::npos);
}

TEST(ClockFace, OneAxisForEachInversionMappingTheSetOntoItself) {
  const std::string diminished = clock_face(pcs("0369"), Algorithm::rahn);
  EXPECT_EQ(lines_with(diminished, "class=\"axis\"").size(), 4u);
  for (const char* op : {"T0I", "T3I", "T6I", "T9I"}) {
    EXPECT_NE(line_with(diminished, std::string("id=\"axis-") + op + "\""), "") << op;
  }
  EXPECT_NE(content(line_with(diminished, "<desc")).find("symmetry: T0I, T3I, T6I, T9I."),
            std::string::npos);
  EXPECT_TRUE(lines_with(clock_face(pcs("047"), Algorithm::rahn), "class=\"axis\"").empty());
  // {0, 1} mirrors in T1I, whose axis runs between 0 and 1 and between 6
  // and 7.
  const std::string step = clock_face(pcs("01"), Algorithm::rahn);
  const std::string axis = line_with(step, "id=\"axis-T1I\"");
  ASSERT_NE(axis, "");
  const double x1 = number(axis, "x1"), y1 = number(axis, "y1");
  const double x2 = number(axis, "x2"), y2 = number(axis, "y2");
  for (const int pc : {0, 6}) {
    const auto [xa, ya] = dot(step, pc);
    const auto [xb, yb] = dot(step, pc + 1);
    const double x = (xa + xb) / 2, y = (ya + yb) / 2;
    // Zero cross product: the midpoint of the two dots lies on the axis.
    EXPECT_NEAR((x2 - x1) * (y - y1) - (y2 - y1) * (x - x1), 0, 1) << pc;
  }
}

TEST(ClockFace, SizeSetsThePixelsNotTheDrawing) {
  const std::string large = clock_face(pcs("047"), Algorithm::rahn, {PitchNames::numbers, 640});
  const std::string root = line_with(large, "<svg ");
  EXPECT_EQ(attribute(root, "width"), "640");
  EXPECT_EQ(attribute(root, "height"), "690");
  EXPECT_EQ(attribute(root, "viewBox"),
            attribute(line_with(clock_face(pcs("047"), Algorithm::rahn), "<svg "), "viewBox"));
  EXPECT_THROW(clock_face(pcs("047"), Algorithm::rahn, {PitchNames::numbers, 0}), error);
}

}  // namespace
