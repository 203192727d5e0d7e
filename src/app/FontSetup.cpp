#include "app/FontSetup.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace tesmor {

void InstallJapaneseFontSubstitutes() {
  struct Substitute {
    const char* face;
    const char* ipa;
  };
  static const Substitute kSubstitutes[] = {
      {"ＭＳ 明朝", "IPAMincho"},     {"ＭＳ ゴシック", "IPAGothic"},
      {"ＭＳ Ｐ明朝", "IPAPMincho"},  {"ＭＳ Ｐゴシック", "IPAPGothic"},
      {"MS Mincho", "IPAMincho"},     {"MS Gothic", "IPAGothic"},
      {"MS PMincho", "IPAPMincho"},   {"MS PGothic", "IPAPGothic"},
  };
  for (const Substitute& s : kSubstitutes) {
    const QString face = QString::fromUtf8(s.face);
    const QString ipa = QString::fromUtf8(s.ipa);
    if (!QFont::substitutes(face).contains(ipa)) QFont::insertSubstitution(face, ipa);
  }
}

}  // namespace tesmor
