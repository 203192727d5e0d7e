#include "app/TesmorDoc.h"

#include <QFileDialog>

#include "app/AppMessages.h"
#include "readers/LastFolderFile.h"
#include "record/Messages.h"
#include "record/TextFile.h"
#include "settings/InstallFolder.h"

namespace tesmor {

namespace {
// The Open dialog's filters: all boring files, XML, the legacy soil and rock files,
// everything. File systems here are case-sensitive, so each suffix is listed in
// both cases.
QString OpenDialogFilter() {
  return QStringLiteral(
      "XML JACIC版v5-7 岩盤v5-7 地すべりv1-2 (*.XML *.xml *.jdw *.JDW *.gdw *.GDW *.bdw *.BDW);;"
      "要領XML(.xml)  (*.xml *.XML);;"
      "JACIC版v5-7(.jdw) 岩盤v5-7(.gdw) (*.jdw *.JDW *.gdw *.GDW);;"
      "すべて(*.*) (*)");
}
}  // namespace

CTesmorDoc::CTesmorDoc(Workspace& workspace, QWidget* window) : workspace_(workspace), window_(window) {}

std::string CTesmorDoc::lastFolderFilePath() const { return JoinPath(workspace_.installFolder, "FileV.ndx"); }

void CTesmorDoc::OnFileOpen() {
  const LastFolder last = ReadLastFolderFile(lastFolderFilePath());
  const QString chosen =
      QFileDialog::getOpenFileName(window_, QStringLiteral("開く"), ToQString(last.folder), OpenDialogFilter());
  if (chosen.isEmpty()) return;
  const std::string path = ToStdString(chosen);
  if (!LoadFile(path, OpenPath::FileMenu)) return;
  EnsureFolder(workspace_.installFolder);
  WriteLastFolderFile(lastFolderFilePath(), LastFolder{FolderOfChosenPath(path), path});
}

bool CTesmorDoc::OpenThroughFramework(const QString& path) { return LoadFile(ToStdString(path), OpenPath::Framework); }

bool CTesmorDoc::LoadFile(const std::string& path, OpenPath how) {
  const LoadResult result = LoadBoringFile(path, how, workspace_.record, workspace_.shell, &workspace_.geology);
  if (!result.loaded()) {
    ShowMessage(window_, result.errorMessageId(), path);
    if (result.status == LoadStatus::FileNotFound) {
      recent_.remove(ToQString(path));
      emit recentFilesChanged();
    }
    return false;
  }
  workspace_.currentPath = path;
  recent_.add(ToQString(path));
  emit recentFilesChanged();
  emit documentLoaded(ToQString(path));
  ShowNotices(result);
  return true;
}

void CTesmorDoc::ShowNotices(const LoadResult& result) {
  for (const int id : result.notices) ShowMessage(window_, id);
}

}  // namespace tesmor
