// The heatmap: its cells and labels, the colours and legend of every kind
// of measure, values in the cells, the clustered order, and refusals.
#include "pictures/heatmap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "pelantor/error.h"
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
  const std::vector<std::string> cells = lines_with(svg, "data-row=");
  EXPECT_EQ(cells.size(), 6u);
  std::set<std::pair<std::string, std::string>> places;
  for (const std::string& line : cells) {
    places.insert({attribute(line, "data-row"), attribute(line, "data-col")});
  }
  EXPECT_EQ(places.size(), 6u);
  EXPECT_NE(cell(svg, 0, 1).find("<title>{0147} 4-18, {048} 3-12: 0.250</title>"),
            std::string::npos);
  EXPECT_EQ(content(line_with(svg, "id=\"row-1\"")), "{014} 3-3");
  EXPECT_EQ(content(line_with(svg, "id=\"col-2\"")), "{0147} 4-18");
  // Row by row, column by column, cells side by side.
  EXPECT_EQ(number(cell(svg, 0, 1), "x") - number(cell(svg, 0, 0), "x"),
            number(cell(svg, 0, 0), "width"));
  EXPECT_EQ(number(cell(svg, 1, 0), "y") - number(cell(svg, 0, 0), "y"),
            number(cell(svg, 0, 0), "height"));
  EXPECT_NE(content(line_with(svg, "<title id=\"heatmap-title\"")).find("2 sets (rows) against 3"),
            std::string::npos);
  // Without tooltips a cell is a bare <rect> that still knows its place.
  const std::string bare = heatmap(Measure::rel, rows, columns, values, {false, true, false});
  EXPECT_EQ(cell(bare, 0, 1).find("<title>"), std::string::npos);
  EXPECT_EQ(lines_with(bare, "data-row=").size(), 6u);
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

// The fill of every cell drawn by merged paths, by the cell's place in the
// drawing order: each path's "Mx yhwvsh-wz" rectangles cut into cells.
std::map<std::pair<int, int>, std::string> merged_fills(const std::string& svg) {
  const std::string group = line_with(svg, "<g id=\"cells\"");
  const double left = number(group, "data-left"), top = number(group, "data-top");
  const double side = number(group, "data-cell");
  std::map<std::pair<int, int>, std::string> fills;
  for (const std::string& path : lines_with(svg, "<path fill=")) {
    std::istringstream outline(attribute(path, "d"));
    char m, h, v, h_back, z;
    double x, y, width, height, back;
    while (outline >> m >> x >> y >> h >> width >> v >> height >> h_back >> back >> z) {
      EXPECT_EQ(std::string({m, h, v, h_back, z}), "Mhvhz");
      EXPECT_EQ(height, side);
      EXPECT_EQ(back, -width);
      const int row = static_cast<int>(std::lround((y - top) / side));
      const int first = static_cast<int>(std::lround((x - left) / side));
      for (int c = first; c < first + static_cast<int>(std::lround(width / side)); ++c) {
        EXPECT_TRUE(fills.emplace(std::pair{row, c}, attribute(path, "fill")).second)
            << "cell drawn twice: " << row << ", " << c;
      }
    }
  }
  return fills;
}

std::vector<std::string> words(const std::string& text) {
  std::istringstream in(text);
  return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

TEST(Heatmap, MergedCellsDrawEveryCellInItsColourOnce) {
  std::vector<PcSet> sets;
  for (unsigned bits = 5; sets.size() < 30; bits += 37) {
    if (comparable(PcSet::from_bits(bits))) sets.push_back(PcSet::from_bits(bits));
  }
  HeatmapOptions options{.cluster = true, .show_values = false};
  const std::string rects = heatmap(Measure::asim, sets, options);
  options.merged_cells = true;
  const std::string merged = heatmap(Measure::asim, sets, options);
  EXPECT_TRUE(lines_with(merged, "data-row=").empty());
  EXPECT_LT(lines_with(merged, "<path fill=").size(), 900u);
  const std::string group = line_with(merged, "<g id=\"cells\"");
  const std::vector<std::string> rows = words(attribute(group, "data-rows"));
  EXPECT_EQ(rows, words(attribute(group, "data-cols")));
  const std::map<std::pair<int, int>, std::string> fills = merged_fills(merged);
  ASSERT_EQ(fills.size(), 900u);
  // Each cell in the colour of the rect of the same pair in the plain
  // drawing, whose order is the same.
  for (const auto& [place, fill] : fills) {
    const std::string row = rows.at(static_cast<std::size_t>(place.first));
    const std::string column = rows.at(static_cast<std::size_t>(place.second));
    EXPECT_EQ(
        attribute(line_with(rects, "data-row=\"" + row + "\" data-col=\"" + column + "\""), "fill"),
        fill)
        << row << ", " << column;
  }
  // The labels, legend and dendrogram are those of the plain drawing.
  EXPECT_EQ(lines_with(merged, "<text").size(), lines_with(rects, "<text").size());
  EXPECT_EQ(lines_with(merged, "id=\"merge-").size(), 29u);
}

TEST(Heatmap, RefusesWhatItCannotDraw) {
  const std::vector<PcSet> sets = {pcs("047"), pcs("0148")};
  const std::vector<PcSet> other = {pcs("047"), pcs("014")};
  const std::vector<double> four = {0, 1, 1, 0};
  const std::vector<double> three = {0, 1, 1};
  const std::vector<double> gap = {0, std::numeric_limits<double>::quiet_NaN(), 1, 0};
  EXPECT_THROW(heatmap(Measure::asim, sets, sets, three), error);
  EXPECT_THROW(heatmap(Measure::asim, sets, sets, gap), error);
  EXPECT_THROW(heatmap(Measure::asim, sets, other, four, {true, true}), error);
  EXPECT_THROW(heatmap(Measure::asim, {}, sets, {}), error);
  const std::vector<PcSet> single = {pcs("047"), pcs("5")};
  EXPECT_THROW(heatmap(Measure::asim, single), error);
}

}  // namespace
