#pragma once
// The heatmap of a similarity matrix as an SVG document: one coloured cell
// per pair of sets, rows and columns labelled with the sets and their Forte
// labels, a legend that names the measure and says which end of the colour
// scale means alike, and on request rows and columns ordered by clustering
// with the dendrogram drawn beside them.

#include <span>
#include <string>

#include "pelantor/pcset.h"
#include "pelantor/similarity.h"

namespace pelantor::pictures {

struct HeatmapOptions {
  // Rows and columns in the order of cluster_average_linkage() (see
  // clustering.h), its dendrogram at the right of the cells.  Only for a
  // list of sets against itself.
  bool cluster = false;
  // The values in the cells with three decimals, where the cells are wide
  // enough for every value to fit.
  bool show_values = true;
  // Each cell's sets and value in a <title>, the tooltip of a browser or
  // viewer.  The titles double the elements to lay out (80,000 for 200
  // sets); a page that shows its own tooltips from data-row and data-col
  // draws faster without them.
  bool tooltips = true;
  // The cells of one colour as one <path>, each run of them along a row one
  // rectangle of it: an element per colour instead of one per cell, which a
  // browser draws many times faster (200 sets under ASIM: some 70 paths
  // against 40,000 rects).  The cells then carry no place and no tooltip:
  // the group "cells" holds data-left, data-top and data-cell, where the
  // cells begin and the side of one, and data-rows and data-cols, the places
  // of the sets in the drawing order, so that a page finds the cell under a
  // point.
  bool merged_cells = false;
};

// The SVG text of the heatmap of values, rows.size() x columns.size()
// numbers row by row, as matrix() and compare_lists() of the engine give
// them; the row set is the first set of each value.
//
// Colours run from dark purple (least alike) to yellow (most alike) on a
// viridis scale, the same way round for every measure: for a dissimilarity
// its least value is the alike end, for a similarity or a count its top.
// The scale spans the measure's range; where that is open at the top, and
// for a count, it ends at the largest value drawn (at least least + 1).
// Clustering measures how far a value lies from the alike end: the value
// itself for a dissimilarity (its least is 0), top - value for a similarity
// or a count (1 - REL; the largest EMB drawn - EMB).
//
// Cell (i, j) is a <rect> with data-row="i" and data-col="j", the places of
// its sets in rows and columns whatever the drawing order, and its sets and
// value in a <title> ("{047} 3-11, {0148} 4-19: 0.748"); the labels have
// ids "row-i" and "col-j"; the legend is the group "legend", the dendrogram
// the group "dendrogram" with one <path> per merge ("merge-0" ...).  Throws
// error unless there is at least one row and one column, values holds one
// finite number per cell, and, for cluster, rows and columns are the same
// sets in the same order.
std::string heatmap(Measure measure, std::span<const PcSet> rows, std::span<const PcSet> columns,
                    std::span<const double> values, const HeatmapOptions& options = {});

// The heatmap of the sets against each other, matrix(measure, sets).
// Throws error unless every set is comparable (2 to 10 pitch classes), and
// as above.
std::string heatmap(Measure measure, std::span<const PcSet> sets,
                    const HeatmapOptions& options = {});

}  // namespace pelantor::pictures
