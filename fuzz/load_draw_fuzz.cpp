// libFuzzer harness of the whole road from bytes to a drawn sheet: the input's first
// section is a data file, loaded as the File menu's Open command loads it; the next
// six are SysTesmor.ndx and Font1.ndx to Font5.ndx, so that odd settings meet odd
// data; an eighth may give the depth scale, the horizontal scale and the print start
// depth ("200 100 -5"), each brought into the range its dialog allows. The first pages
// of the boring are then drawn on both forms through a recording surface.
//
// Beyond "no crash, no undefined behaviour": the page count stays within what a
// usable depth allows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "draw/Canvas.h"
#include "draw/RecordingSurface.h"
#include "forms/PageModel.h"
#include "forms/Sheet.h"
#include "readers/DataLoader.h"
#include "record/FormKind.h"
#include "record/TextCodec.h"
#include "record/TextUtil.h"
#include "settings/SettingRanges.h"

namespace {

using namespace tesmor;

constexpr int kPagesDrawn = 5;

void Require(bool condition) {
  if (!condition) std::abort();
}

void TakeControls(Settings& settings, const std::vector<std::string_view>& sections) {
  if (sections.size() < 8) return;
  std::string_view rest = sections[7];
  int* const scales[] = {&settings.depthScale, &settings.horizontalScale};
  for (int* scale : scales) {
    rest = TrimBlanks(rest);
    if (rest.empty()) return;
    *scale = kScaleRange.Clamp(TextToInt(rest));
    const std::size_t blank = rest.find(' ');
    rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank);
  }
  settings.printStartDepth = kPrintStartDepthRange.Clamp(TextToDouble(TrimBlanks(rest)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string_view> sections =
      fuzz::SplitSections(std::string_view(reinterpret_cast<const char*>(data), size));
  SettingsStore store;
  fuzz::LoadSettingsFrom(store, sections, 1);
  Settings& settings = store.settings;
  TakeControls(settings, sections);

  BoringRecord record;
  ShellState shell;
  const LoadResult result =
      LoadBoringText(DecodeFileText(sections[0]), OpenPath::FileMenu, record, shell, &store.geology);
  if (!result.loaded()) return 0;

  for (const int form : {kSoilForm, kRockForm}) {
    PageModel page;
    page.DepthPerPage = settings.depthPerPage;
    page.OverlapDepth = settings.pageOverlapDepth;
    page.PrintStartDepth = settings.printStartDepth;
    UseDefaultPaper(page);
    FillUnsetDepthPerPage(page, settings.depthScale);
    page.TotalDepth = TotalDepth(record);
    const int pages = DataPageCount(page);
    Require(pages >= 1 && pages <= static_cast<int>(kDeepestUsableDepth) + 12);
    for (int n = 1; n <= pages && n <= kPagesDrawn; ++n) {
      RecordingSurface surface(300, 300);
      PageTransform transform;
      SharedTextFont font;
      Canvas dc{surface, transform, font};
      page.Printing = true;
      page.PageNumber = n;
      SheetContext sheet{record, form, settings, store.patternColours, page};
      DrawPage(dc, sheet);
    }
  }
  return 0;
}
