// The recent-file list (four entries), kept with QSettings under the organisation
// "Local AppWizard-Generated Applications", application "Tesmor".
#pragma once

#include <QStringList>

namespace tesmor {

class RecentFiles {
 public:
  static constexpr int kMaxEntries = 4;

  QStringList entries() const;
  // Puts path at the top (moving it when already listed).
  void add(const QString& path);
  void remove(const QString& path);

 private:
  void store(const QStringList& list);
};

}  // namespace tesmor
