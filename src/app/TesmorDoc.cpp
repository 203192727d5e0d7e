#include "app/TesmorDoc.h"


#include "app/AppMessages.h"
#include "app/FormatSaveDialog.h"
#include "readers/LastFolderFile.h"
#include "readers/ReformattedLoad.h"
#include "readers/XmlReformatter.h"
#include "record/Messages.h"
#include "record/TextCodec.h"
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

CTesmorDoc::CTesmorDoc(Workspace& workspace, QWidget* window)
    : workspace_(workspace), window_(window), chooser_(PlatformFileChooser()) {}

std::string CTesmorDoc::lastFolderFilePath() const { return installFile("FileV.ndx"); }

std::string CTesmorDoc::installFile(const char* name) const { return JoinPath(workspace_.installFolder(), name); }

void CTesmorDoc::OnFileOpen() {
  const LastFolder last = ReadLastFolderFile(lastFolderFilePath());
  const QString chosen =
      chooser_.openFile(window_, QStringLiteral("開く"), ToQString(last.folder), OpenDialogFilter());
  if (chosen.isEmpty()) return;
  const std::string path = ToStdString(chosen);
  if (!LoadFile(path, OpenPath::FileMenu)) return;
  EnsureFolder(workspace_.installFolder());
  WriteLastFolderFile(lastFolderFilePath(), LastFolder{FolderOf(path), path});
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
  AcceptLoad(path);
  if (ShowNotices(result)) FormatAndOpenFile(path);
  return true;
}

void CTesmorDoc::CloseBoring() {
  ClearBoringData(workspace_.record);
  workspace_.shell = ShellState{};
  workspace_.currentPath.clear();
  emit documentClosed();
}

void CTesmorDoc::AcceptLoad(const std::string& path) {
  workspace_.currentPath = path;
  recent_.add(ToQString(path));
  emit recentFilesChanged();
  emit documentLoaded(ToQString(path));
}

bool CTesmorDoc::ShowNotices(const LoadResult& result) {
  bool reformat = false;
  for (const int id : result.notices) {
    if (id != msg::kTryFormatAndOpen) {
      ShowMessageText(window_, ToQString(result.noticeText(id)));
      continue;
    }
    const std::string offer =
        std::string(MessageText(id)) + "\n\n" + std::string(MessageText(msg::kOfferFormatAndOpen));
    reformat = ShowMessageText(window_, ToQString(offer), MessageButtons::OkCancel) || reformat;
  }
  return reformat;
}

void CTesmorDoc::OnFormatAndOpen() {
  const std::string folderFile = installFile("FileF.ndx");
  const LastFolder last = ReadLastFolderFile(folderFile, kReformatFolderWidth);
  const QString chosen =
      chooser_.openFile(window_, QStringLiteral("整形して開く"), ToQString(last.folder), XmlOpenFilter());
  if (chosen.isEmpty()) return;
  const std::string path = ToStdString(chosen);
  if (!FormatAndOpenFile(path)) return;
  WriteLastFolderFile(folderFile, LastFolder{FolderOf(path), std::string()});
}

bool CTesmorDoc::FormatAndOpenFile(const std::string& path) {
  if (!EnsureFolder(workspace_.installFolder())) {
    ShowMessage(window_, msg::kCannotRun);
    return false;
  }
  const ReformattedXml reformatted = FormatXmlToTemp(path, workspace_.installFolder());
  if (!reformatted.ok()) {
    ShowMessage(window_, reformatted.errorMessageId(), path);
    return false;
  }
  // The working file is loaded as written, under the source's name.
  std::string bytes;
  if (ReadFileBytes(TempXmlPath(workspace_.installFolder()), bytes) != ReadStatus::Ok) {
    ShowMessage(window_, msg::kNotBoringExchangeFile);
    return false;
  }
  const LoadResult result = LoadReformattedText(DecodeFileText(bytes), reformatted.report, workspace_.record,
                                                workspace_.shell, &workspace_.geology);
  if (!result.loaded()) {
    ShowMessage(window_, result.errorMessageId(), path);
    return false;
  }
  AcceptLoad(path);
  ShowNotices(result);
  if (reformatted.report.hasProblems()) ShowMessageText(window_, ToQString(reformatted.report.problemText()));
  return true;
}

void CTesmorDoc::OnFormatAndSaveAs() {
  FormatSaveDialog dialog(workspace_.installFolder(), chooser_, window_);
  dialog.exec();
}

}  // namespace tesmor
