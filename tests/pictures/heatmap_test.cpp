// The heatmap: its cells and labels, the colours and legend of every kind
// of measure, values in the cells, and the clustered order.
#include "pictures/heatmap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "svglines.h"

namespace {

using namespace pelantor;
using namespace pelantor::pictures::testing;
using pictures::heatmap;
using pictures::HeatmapOptions;

constexpr const char* purple = "#440154";
constexpr const char* yellow = "#fde725";

std::string cell(const std::string& svg, int row, int column) {
  return line_with(
      svg, "data-row=\"" + std::to_string(row) + "\" data-col=\"" + std::to_string(column) + "\"");
}

std::string legend_end(const std::string& svg, const char* end) {
  return content(line_with(svg, std::string("id=\"legend-") + end + "\""));
}

TEST(Heatmap, OneCellPerPairWithItsPlacesAndValue) {
  // 2 rows against 3 columns of REL: 0147 and 014 share no class with 048.
  const std::vector<PcSet> rows = {pcs("0147"), pcs("014")};
  const std::vector<PcSet> columns = {pcs("014"), pcs("048"), pcs("0147")};
  const std::vector<double> values = {0.5, 0.25, 1, 1, 0, 0.5};
  const std::string svg = heatmap(Measure::rel, rows, columns, values);
  EXPECT_EQ(lines_with(svg, "data-row=").size(), 6u);
  EXPECT_NE(cell(svg, 0, 1).find("<title>{0147} 4-18, {048} 3-12: 0.250</title>"),
            std::string::npos);
  EXPECT_EQ(content(line_with(svg, "id=\"row-1\"")), "{014} 3-3");
  EXPECT_TRUE(content(line_with(svg, "<desc"))
                  .ends_with("Rows: {0147} 4-18; {014} 3-3; columns: {014} 3-3; {048} 3-12; "
                             "{0147} 4-18."));
  // Row by row, column by column, cells side by side.
  EXPECT_EQ(number(cell(svg, 0, 1), "x") - number(cell(svg, 0, 0), "x"),
            number(cell(svg, 0, 0), "width"));
  EXPECT_EQ(number(cell(svg, 1, 0), "y") - number(cell(svg, 0, 0), "y"),
            number(cell(svg, 0, 0), "height"));
}

TEST(Heatmap, AlikeIsYellowWhateverTheKindOfMeasure) {
  // 047 and 037 are one class: ASIM 0 (a dissimilarity), REL 1 (a
  // similarity); both are drawn at the alike end, in yellow.
  const std::vector<PcSet> sets = {pcs("047"), pcs("037"), pcs("0369")};
  const std::string asim = heatmap(Measure::asim, sets);
  const std::string rel = heatmap(Measure::rel, sets);
  for (const std::string* svg : {&asim, &rel}) {
    EXPECT_EQ(attribute(cell(*svg, 0, 1), "fill"), yellow);
    EXPECT_EQ(attribute(cell(*svg, 2, 2), "fill"), yellow);
    EXPECT_NE(attribute(cell(*svg, 0, 2), "fill"), yellow);
    EXPECT_NE(svg->find(">more alike</text>"), std::string::npos);
  }
  // The legend's ends: the unlike end left, the alike end right.
  EXPECT_EQ(legend_end(asim, "unlike"), "1.000");
  EXPECT_EQ(legend_end(asim, "alike"), "0.000");
  EXPECT_EQ(legend_end(rel, "unlike"), "0.000");
  EXPECT_EQ(legend_end(rel, "alike"), "1.000");
  EXPECT_NE(asim.find(">ASIM, a dissimilarity</text>"), std::string::npos);
  EXPECT_NE(asim.find(">smaller values are more alike</text>"), std::string::npos);
  EXPECT_NE(rel.find(">larger values are more alike</text>"), std::string::npos);
}

TEST(Heatmap, OpenRangesAndCountsEndAtTheLargestValueDrawn) {
  // SATSIM has no top: 2.5, the largest, is the unlike end, in purple.
  const std::vector<PcSet> rows = {pcs("014")};
  const std::vector<PcSet> columns = {pcs("014"), pcs("048"), pcs("0369")};
  const std::vector<double> distances = {0, 2.5, 1.25};
  const std::string satsim = heatmap(Measure::satsim, rows, columns, distances);
  EXPECT_EQ(legend_end(satsim, "unlike"), "2.500");
  EXPECT_EQ(attribute(cell(satsim, 0, 1), "fill"), purple);
  EXPECT_EQ(attribute(cell(satsim, 0, 2), "fill"), "#21908c");  // halfway
  // EMB counts forms: the most drawn, 3, is the yellow end.
  const std::vector<double> counts = {3, 0, 1};
  const std::string emb = heatmap(Measure::emb, rows, columns, counts);
  EXPECT_EQ(legend_end(emb, "alike"), "3.000");
  EXPECT_EQ(attribute(cell(emb, 0, 0), "fill"), yellow);
  EXPECT_EQ(attribute(cell(emb, 0, 1), "fill"), purple);
  EXPECT_NE(emb.find(">more forms</text>"), std::string::npos);
  // No forms anywhere: the scale still runs from 0 to 1, all cells purple.
  const std::vector<double> none = {0, 0, 0};
  const std::string empty = heatmap(Measure::emb, rows, columns, none);
  EXPECT_EQ(legend_end(empty, "alike"), "1.000");
  EXPECT_EQ(attribute(cell(empty, 0, 0), "fill"), purple);
}

TEST(Heatmap, ValuesInTheCellsWhenAskedAndWhenTheyFit) {
  const std::vector<PcSet> sets = {pcs("047"), pcs("0369")};
  const std::string shown = heatmap(Measure::rel, sets);
  const std::string values_group = "<g id=\"values\"";
  ASSERT_NE(shown.find(values_group), std::string::npos);
  // Black on the yellow diagonal (1), white on the dark cells between.
  const std::vector<std::string> values = lines_with(shown, "dy=\"0.35em\" fill=");
  ASSERT_EQ(values.size(), 4u);
  for (const std::string& line : values) {
    EXPECT_EQ(attribute(line, "fill"), content(line) == "1.000" ? "#000000" : "#ffffff") << line;
  }
  EXPECT_EQ(heatmap(Measure::rel, sets, {false, false}).find(values_group), std::string::npos);
  // 40 sets leave cells 12 units wide: too narrow for "0.000".
  std::vector<PcSet> many;
  for (unsigned bits = 3; many.size() < 40; bits += 7) {
    if (comparable(PcSet::from_bits(bits))) many.push_back(PcSet::from_bits(bits));
  }
  EXPECT_EQ(heatmap(Measure::rel, many).find(values_group), std::string::npos);
}

TEST(Heatmap, ClusteringPutsAlikeSetsSideBySide) {
  // 047 and 037 are one class (REL 1), as are 048 and 159: each pair ends
  // adjacent, and the places in data-row and the ids stay the input's.
  const std::vector<PcSet> sets = {pcs("047"), pcs("048"), pcs("0369"), pcs("037"), pcs("159")};
  const std::string svg = heatmap(Measure::rel, sets, {true, true});
  const auto row_y = [&svg](int i) {
    return number(line_with(svg, "id=\"row-" + std::to_string(i) + "\""), "y");
  };
  const double step = number(cell(svg, 0, 0), "height");
  EXPECT_DOUBLE_EQ(std::abs(row_y(0) - row_y(3)), step);
  EXPECT_DOUBLE_EQ(std::abs(row_y(1) - row_y(4)), step);
  EXPECT_LT(row_y(0), row_y(1));  // the order starts with the first set
  EXPECT_EQ(lines_with(svg, "id=\"merge-").size(), 4u);
  EXPECT_DOUBLE_EQ(number(cell(svg, 3, 0), "y"), number(cell(svg, 0, 0), "y") + step);
  EXPECT_DOUBLE_EQ(number(cell(svg, 0, 3), "x"), number(cell(svg, 0, 0), "x") + step);
  EXPECT_EQ(heatmap(Measure::rel, sets).find("id=\"dendrogram\""), std::string::npos);
}

}  // namespace
