#include "app/RecentFiles.h"

#include "app/Registry.h"

namespace tesmor {


QStringList RecentFiles::entries() const {
  QSettings settings = ProgramRegistry();
  QStringList list;
  settings.beginGroup(QStringLiteral("Recent File List"));
  for (int i = 1; i <= kMaxEntries; ++i) {
    const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
    if (!path.isEmpty()) list << path;
  }
  return list;
}

void RecentFiles::add(const QString& path) {
  QStringList list = entries();
  list.removeAll(path);
  list.prepend(path);
  while (list.size() > kMaxEntries) list.removeLast();
  store(list);
}

void RecentFiles::remove(const QString& path) {
  QStringList list = entries();
  list.removeAll(path);
  store(list);
}

void RecentFiles::store(const QStringList& list) {
  QSettings settings = ProgramRegistry();
  settings.beginGroup(QStringLiteral("Recent File List"));
  for (int i = 1; i <= kMaxEntries; ++i) {
    const QString key = QStringLiteral("File%1").arg(i);
    if (i <= list.size()) settings.setValue(key, list.at(i - 1));
    else settings.remove(key);
  }
}

}  // namespace tesmor
