// The rows of LayerTable as the layer columns of both forms read them: which rows
// are layers of their own, the range of each row and of its layer, the name text
// of a layer, and where the labels of the layer boundaries stand.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "forms/SheetPass.h"
#include "record/TextTable.h"
#include "settings/Settings.h"

namespace tesmor {

struct Layer {
  int row = 0;
  double top = 0.0;       // the previous row's bottom (0 for the first row)
  double bottom = 0.0;
  bool boundary = false;  // a layer of its own: its bottom is a layer boundary
  double layerTop = 0.0;  // top of the layer the row belongs to
};

// A row is a layer of its own (not only a change of colour merged into the table)
// when the reader marked it present, split its name at "・", or gave it a geology
// name or a pattern.
bool IsLayerRow(const TextTable& layers, int row);

// The rows of the table from row 1, in table order.
std::vector<Layer> LayersOf(const TextTable& layers);

// The name text of a layer: name 1, then the separator and name 2, then the symbol
// in brackets when attachGeologySymbol is set.
std::string LayerNameText(const TextTable& layers, int row, const Settings& settings);

// Whether a boundary at depth y belongs to the page (below its top, down to its bottom).
bool BoundaryInPage(const SheetPass& pass, double y);

// Baselines of the labels that stand above the boundaries at `depths` (in depth
// order, all inside the page): each at its boundary, moved up when it would meet the
// next one, and down again from the page top when it would leave the page (under
// its line when the boundary lies too close to the top), so that no two overlap and
// none rises above the body.
std::vector<double> BoundaryLabelBaselines(const SheetPass& pass, std::span<const double> depths);

}  // namespace tesmor
