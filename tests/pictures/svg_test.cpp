// The SVG text's building blocks and the colour scale.
#include "pictures/svg.h"

#include <gtest/gtest.h>

#include "pictures/colourscale.h"

namespace {

using namespace pelantor::pictures;

TEST(SvgText, EscapesTheFiveMarkupCharacters) {
  EXPECT_EQ(svg::escaped("Scott & Isaacson's <ANGLE> \"16\""),
            "Scott &amp; Isaacson&apos;s &lt;ANGLE&gt; &quot;16&quot;");
  EXPECT_EQ(svg::escaped("{047} 3-11"), "{047} 3-11");
  std::string out;
  svg::attribute(out, "id", "a\"b");
  EXPECT_EQ(out, " id=\"a&quot;b\"");
}

TEST(SvgText, NumbersShortAndValuesWithThreeDecimals) {
  EXPECT_EQ(svg::number(12), "12");
  EXPECT_EQ(svg::number(2.5), "2.5");
  EXPECT_EQ(svg::number(1.006), "1.01");
  EXPECT_EQ(svg::number(-3.25), "-3.25");
  EXPECT_EQ(svg::number(-0.004), "0");
  EXPECT_EQ(svg::fixed3(2.0 / 3), "0.667");
  EXPECT_EQ(svg::fixed3(24), "24.000");
  EXPECT_EQ(svg::fixed3(1e20), "100000000000000000000.000");
}

TEST(ColourScale, ViridisFromDarkPurpleToYellow) {
  EXPECT_EQ(colours::at(0), "#440154");
  EXPECT_EQ(colours::at(0.5), "#21908c");
  EXPECT_EQ(colours::at(1), "#fde725");
  // Halfway between the first two stops.
  EXPECT_EQ(colours::at(0.05), "#461365");
  EXPECT_EQ(colours::at(-3), colours::at(0));
  EXPECT_EQ(colours::at(7), colours::at(1));
  EXPECT_EQ(colours::stop_colour(0), colours::at(0));
  EXPECT_EQ(colours::stop_colour(colours::stops - 1), colours::at(1));
  EXPECT_TRUE(colours::is_dark(0));
  EXPECT_FALSE(colours::is_dark(1));
}

}  // namespace
