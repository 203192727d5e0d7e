// Japanese fonts: the faces that settings files and sheets name ("ＭＳ 明朝",
// "ＭＳ ゴシック" and their proportional and English-named forms) are drawn with the
// IPA fonts. Call once at start, before the first text is drawn.
#pragma once

namespace tesmor {

void InstallJapaneseFontSubstitutes();

}  // namespace tesmor
