#include "forms/LayerRows.h"

#include <algorithm>

#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr double kTiny = 0.0001;

}  // namespace

bool IsLayerRow(const TextTable& t, int row) {
  return (TextToInt(t.get(row, layer::kPresence)) & layer::bit::kOwnLayer) != 0 ||
         t.get(row, layer::kNameJoiner) == "・" || !TrimBlanks(t.get(row, layer::kGeologyName1)).empty() ||
         StartsLikeNumber(t.get(row, layer::kPatternCode1)) > 0;
}

std::vector<Layer> LayersOf(const TextTable& t) {
  std::vector<Layer> layers;
  double top = 0.0;
  double layerTop = 0.0;
  for (int row = 1; row <= t.RowCount(); ++row) {
    Layer l;
    l.row = row;
    l.top = top;
    l.bottom = TextToDouble(t.get(row, layer::kBottomDepth));
    l.boundary = IsLayerRow(t, row);
    l.layerTop = layerTop;
    if (l.boundary) layerTop = l.bottom;
    top = l.bottom;
    layers.push_back(l);
  }
  return layers;
}

std::string LayerNameText(const TextTable& t, int row, const Settings& s) {
  std::string name = t.get(row, layer::kGeologyName1);
  if (!TrimBlanks(t.get(row, layer::kGeologyName2)).empty()) {
    name += t.get(row, layer::kNameJoiner) + t.get(row, layer::kGeologyName2);
  }
  const std::string_view symbol = TrimBlanks(t.get(row, layer::kSymbol));
  if (s.attachGeologySymbol != 0 && !symbol.empty()) name += " (" + std::string(symbol) + ")";
  return name;
}

bool BoundaryInPage(const SheetPass& pass, double y) {
  return y > pass.pageTop + kTiny && y <= pass.pageBottom + kTiny;
}

std::vector<double> BoundaryLabelBaselines(const SheetPass& pass, std::span<const double> depths) {
  const double h = pass.charHeight;
  std::vector<double> base(depths.size());
  for (std::size_t i = depths.size(); i-- > 0;) {
    base[i] = depths[i];
    if (i + 1 < depths.size()) base[i] = std::min(base[i], base[i + 1] - h);
  }
  for (std::size_t i = 0; i < depths.size(); ++i) {
    const double floor = i == 0 ? pass.pageTop + h : base[i - 1] + h;
    // A boundary too close to the page top for its label to stand above it has the
    // label under its line.
    if (base[i] < floor) base[i] = depths[i] >= floor ? floor : depths[i] + h;
  }
  return base;
}

}  // namespace tesmor
