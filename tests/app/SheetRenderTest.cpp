// Both forms' frames drawn through the Qt surface into PNG pages, measured in pixels.
// With TESMOR_SHEET_PNG_DIR set, the pages and close-ups of their title block and
// heading band are kept there for a look.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "AppTestSupport.h"
#include "app/PageOutput.h"
#include "app/PageRenderer.h"
#include "app/Workspace.h"
#include "forms/SheetLayout.h"
#include "settings/Settings.h"
#include "support/TestSupport.h"

namespace tesmor {
namespace {

constexpr int kDpi = 300;

int Px(double mm) { return static_cast<int>(mm * kDpi / 25.4); }

// Heading texts as the XML reader leaves them for a small slope survey (soil form)
// and a deep observation well (rock form).
void FillSoilHeading(BoringRecord& r) {
  r.setHeading(1, "平成30年度　第80-2号　菅浦地区補助急傾斜地崩壊対策（総流防）地質調査業務委託");
  r.setHeading(2, "道路災害復旧工事　地質調査業務委託");
  r.setHeading(3, "滋賀県長浜市西浅井町菅浦");
  r.setHeading(4, "滋賀県長浜土木事務所　木之本支所");
  r.setHeading(5, "Br7");
  r.setHeading(6, "2018");
  r.setHeading(7, "11");
  r.setHeading(8, "16");
  r.setHeading(9, "2018");
  r.setHeading(10, "11");
  r.setHeading(11, "17");
  r.setHeading(12, "T.P.");
  r.setHeading(13, "96.54");
  r.setHeading(16, "前田　宏");
  r.setHeading(17, "渡辺真司");
  r.setHeading(18, "前田　宏");
  r.setHeading(19, "上田　健");
  r.setHeading(20, "YBM-05DA2");
  r.setHeading(21, "半自動落下装置");
  r.setHeading(22, "NFAD-8");
  r.setHeading(23, "MG-15");
  r.setHeading(24, "0.00");
  r.setHeading(25, "");
  r.setHeading(26, "46.00");
  r.setHeading(27, "533611510007");
  r.setHeading(28, "1/1");
  r.setHeading(37, "4.00");
  r.setHeading(39, "正和設計株式会社");
  r.setHeading(40, "0749-62-1234");
  r.setHeading(41, "主任技師");
  r.setHeading(42, "現　場代理人");
  r.setHeading(43, "コ　ア鑑定者");
  r.setHeading(44, "ボーリング責任者");
  r.setHeading(51, "35");
  r.setHeading(52, "27");
  r.setHeading(53, "32.9800");
  r.setHeading(54, "136");
  r.setHeading(55, "08");
  r.setHeading(56, "24.6000");
  r.setHeading(61, "- ");
  r.setHeading(62, "1");
  r.setHeading(63, " -");
  r.setHeading(64, "1");
  r.setHeading(66, "8");
  r.setHeading(67, "1");
  r.setHeading(69, "140");
}

void FillRockHeading(BoringRecord& r) {
  r.setHeading(1, "防災科学技術研究所 高感度地震観測井掘削工事");
  r.setHeading(3, "岐阜県高山市荘川町岩瀬字高野49-4");
  r.setHeading(5, "GIFH05");
  r.setHeading(6, "1996");
  r.setHeading(7, "08");
  r.setHeading(8, "20");
  r.setHeading(9, "1996");
  r.setHeading(10, "10");
  r.setHeading(11, "25");
  r.setHeading(13, "839.00");
  r.setHeading(16, "中島　三春");
  r.setHeading(17, "碓井　等");
  r.setHeading(18, "中島　三春");
  r.setHeading(19, "橋本　利勝");
  r.setHeading(20, "TBM-70株式会社利根");
  r.setHeading(22, "TF-0株式会社日立、モーター1");
  r.setHeading(23, "NP4001株式会社利根");
  r.setHeading(24, "30.0");
  r.setHeading(25, "135.0");
  r.setHeading(26, "12.5");
  r.setHeading(37, "103.20");
  r.setHeading(39, "株式会社東建ジオテック");
  r.setHeading(41, "主任技術者");
  r.setHeading(42, "現　場代理人");
  r.setHeading(43, "コ　ア鑑定者");
  r.setHeading(44, "ボーリング責任者");
  r.setHeading(51, "36");
  r.setHeading(52, "03");
  r.setHeading(53, "43.9920");
  r.setHeading(54, "136");
  r.setHeading(55, "57");
  r.setHeading(56, "2.9880");
  r.GraphCaptions[1] = "Ｎ";
  r.GraphCaptions[2] = "標準貫入 ";
  r.GraphCaptions[3] = "Ｎ値－深度 ";
}

class SheetRender : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureGuiApplication();
    ApplyDefaultSettings(ws.settingsStore.settings);
    LoadFonts(ws.settingsStore.settings.fonts, test::MakeTempFolder());  // no font files: the default fonts
    dir = test::KeepFolder("TESMOR_SHEET_PNG_DIR");
  }

  QImage Render(int form, const QString& name) {
    const QString path = dir + "/" + name + ".png";
    PageOutputOptions options;
    options.dpi = kDpi;
    QString error;
    ws.shell.FormSelector = form;
    const auto draw = [&](Surface& surface, int pageNumber) {
      EXPECT_TRUE(RenderPage(surface, ws, true, pageNumber).empty());
    };
    EXPECT_TRUE(WritePngPages(path, {1}, draw, options, &error)) << error.toStdString();
    QImage image(path);
    if (!qgetenv("TESMOR_SHEET_PNG_DIR").isEmpty()) {
      // Close-ups: the title and title block, the heading band, in two halves each.
      const int half = Px(145.0);
      image.copy(0, 0, half, Px(125.0)).save(dir + "/" + name + "-left.png");
      image.copy(half - Px(5.0), 0, Px(150.0), Px(125.0)).save(dir + "/" + name + "-right.png");
    }
    return image;
  }

  // Length in millimetres of the longest ink run along the paper line at y mm.
  static double RunAlongMm(const QImage& image, double yMm) {
    const QRect band(0, Px(yMm) - 4, image.width(), 9);
    return test::LongestInkRun(image, band, false) * 25.4 / kDpi;
  }

  Workspace ws;
  QString dir;
};

// World y of the heading system on paper: margin 5 mm + 115 mm + 10 mm per unit.
double HeadingYMm(double y) { return 5.0 + 115.0 + 10.0 * y; }

TEST_F(SheetRender, BothFormsSpanTheirWidthAtTrueSize) {
  FillSoilHeading(ws.record);
  const QImage soil = Render(kSoilForm, "soil-frame");
  ASSERT_FALSE(soil.isNull());
  // Title block and heading band: from x 5 to 273.8 of the form.
  EXPECT_NEAR(RunAlongMm(soil, HeadingYMm(kTitleBlockTop)), 268.8, 0.5);
  EXPECT_NEAR(RunAlongMm(soil, HeadingYMm(kHeadingBandTop)), 268.8, 0.5);

  ws.record = BoringRecord{};
  FillRockHeading(ws.record);
  const QImage rock = Render(kRockForm, "rock-frame");
  ASSERT_FALSE(rock.isNull());
  EXPECT_NEAR(RunAlongMm(rock, HeadingYMm(kHeadingBandTop)), 268.7, 0.5);
  // The body's bottom line: 25 m at 1/100 below the heading band.
  EXPECT_NEAR(RunAlongMm(rock, HeadingYMm(0.0) + 250.0), 268.7, 0.5);
}

}  // namespace
}  // namespace tesmor
