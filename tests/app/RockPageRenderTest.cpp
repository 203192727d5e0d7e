// Pages of the real rock borings drawn through the Qt surface into PNG pages. With
// TESMOR_SHEET_PNG_DIR set, the pages are kept there for a look.
#include <gtest/gtest.h>

#include <QImage>

#include "AppTestSupport.h"
#include "app/PageOutput.h"
#include "app/PageRenderer.h"
#include "app/Workspace.h"
#include "readers/DataLoader.h"
#include "support/TestSupport.h"

namespace tesmor {
namespace {

constexpr int kDpi = 150;

int Px(double mm) { return static_cast<int>(mm * kDpi / 25.4); }

// Paper millimetres of the heading system's y: margin 5 mm + 115 mm + 10 mm per unit.
constexpr double kBodyTopMm = 5.0 + 115.0;
constexpr double kBodyBottomMm = kBodyTopMm + 250.0;  // 25 m at 1/100
constexpr double kPaperHeightMm = 420.0;               // A3
// The layer columns 2 to 5 of the rock form (elevation to rock classification),
// from the paper's left edge (5 mm margin).
constexpr double kLayerColumnsLeftMm = 5.0 + 10.8;
constexpr double kLayerColumnsRightMm = 5.0 + 47.4;

class RockPageRender : public ::testing::Test {
 protected:
  void SetUp() override {
    test::UseDefaultSheetSettings(ws);
    dir = test::KeepFolder("TESMOR_SHEET_PNG_DIR");
  }

  bool Load(const std::string& fixture) {
    return LoadBoringFile(test::FixturePath("real/" + fixture), OpenPath::FileMenu, ws.record, ws.shell).loaded() &&
           ws.shell.FormSelector == kRockForm;
  }

  QImage Render(int pageNumber, const QString& name) {
    const QString path = dir + "/" + name + ".png";
    PageOutputOptions options;
    options.dpi = kDpi;
    QString error;
    const auto draw = [&](Surface& surface, int number) { EXPECT_TRUE(RenderPage(surface, ws, true, number).empty()); };
    EXPECT_TRUE(WritePngPages(path, {pageNumber}, draw, options, &error)) << error.toStdString();
    return QImage(path);
  }

  // Whether any pixel of the paper rectangle (mm) is ink.
  static bool HasInk(const QImage& image, double x1, double y1, double x2, double y2) {
    for (int y = Px(y1); y < std::min(Px(y2), image.height()); ++y) {
      for (int x = Px(x1); x < std::min(Px(x2), image.width()); ++x) {
        if (test::IsInk(image, x, y)) return true;
      }
    }
    return false;
  }

  Workspace ws;
  QString dir;
};

TEST_F(RockPageRender, LayersReachingBelowThePageStayInTheBody) {
  // 緑色岩 from 0.65 to 55 m crosses the bottom of pages 1 and 2.
  ASSERT_TRUE(Load("BOREHOLE_FUKUI_18000234650901407-BED0001.sjis.xml"));
  for (const int pageNumber : {1, 2, 3}) {
    SCOPED_TRACE(pageNumber);
    const QImage image = Render(pageNumber, QString("rock-fukui-%1").arg(pageNumber));
    ASSERT_FALSE(image.isNull());
    const double left = kLayerColumnsLeftMm + 0.5;
    const double right = kLayerColumnsRightMm - 0.5;
    EXPECT_TRUE(HasInk(image, left, kBodyTopMm + 1.0, right, kBodyBottomMm - 1.0));
    EXPECT_FALSE(HasInk(image, left, kBodyBottomMm + 1.0, right, kPaperHeightMm));
  }
}

}  // namespace
}  // namespace tesmor
