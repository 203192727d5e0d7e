#include "app/Application.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/AppMessages.h"
#include "app/CommandLine.h"
#include "app/DesktopIntegration.h"
#include "app/ExportCommand.h"
#include "app/ProcessSetup.h"
#include "app/MainFrame.h"
#include "app/PatternLegendOutput.h"
#include "app/TesmorDoc.h"
#include "app/Workspace.h"
#include "readers/BoringDump.h"
#include "readers/DataLoader.h"
#include "readers/FileKind.h"
#include "readers/ReformattedLoad.h"
#include "readers/XmlReformatter.h"
#include "record/Messages.h"
#include "settings/SettingsStore.h"

namespace tesmor {

namespace {

// Finds the install folder (or takes --settings-dir) and loads the settings; returns
// the messages of the install-folder search.
std::vector<int> PrepareWorkspace(Workspace& ws, const CommandLine& cl) {
  if (!cl.settingsDir.empty()) UseInstallFolder(ws.settingsStore, cl.settingsDir);
  return LoadSettings(ws.settingsStore, false);
}

// Settings, then the file as the File menu's Open command reads it (through the XML
// reformatter with --reformat). False (with the message on stderr) when the file is
// not loaded.
bool LoadForCommandLine(Workspace& ws, const CommandLine& cl, LoadResult& result) {
  for (const int id : PrepareWorkspace(ws, cl)) PrintMessage(id);
  result = cl.reformat ? LoadBoringFileReformatted(cl.file, ws.record, ws.shell, &ws.geology)
                       : LoadBoringFile(cl.file, OpenPath::FileMenu, ws.record, ws.shell, &ws.geology);
  if (!result.loaded()) {
    std::fprintf(stderr, "%s\n", result.errorMessage(cl.file).c_str());
    return false;
  }
  return true;
}

int RunDump(const CommandLine& cl) {
  Workspace ws;
  LoadResult result;
  if (!LoadForCommandLine(ws, cl, result)) return 1;
  const std::string json = DumpBoringJson(ws.record, ws.shell, result.notices);
  std::fwrite(json.data(), 1, json.size(), stdout);
  return 0;
}

// A Qt application object for work without a window: the offscreen platform unless
// the caller chose one.
std::unique_ptr<QGuiApplication> MakeHeadlessApplication(int& argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  PrepareQtEnvironment();
  auto app = std::make_unique<QGuiApplication>(argc, argv);
  SetUpQtProcess();
  return app;
}

int RunExport(int argc, char** argv, const CommandLine& cl) {
  Workspace ws;
  LoadResult result;
  if (!LoadForCommandLine(ws, cl, result)) return 1;
  for (const int id : result.notices) PrintMessage(id, result.noticeDetails[id]);
  const auto app = MakeHeadlessApplication(argc, argv);
  return ExportPages(cl, ws);
}

// --reformat IN -o OUT: the reformatted XML file, in the source's encoding. A file
// that is not an XML boring file is not written (its copy would hold its first
// lines only).
int RunReformat(const CommandLine& cl) {
  ReformattedXml reformatted = ReformatXmlSource(cl.file);
  if (!reformatted.ok()) {
    std::fprintf(stderr, "%s\n", reformatted.errorMessage(cl.file).c_str());
    return 1;
  }
  if (!IsXmlKind(ReformattedKind(reformatted.text, reformatted.report))) {
    std::fprintf(stderr, "%s\n（%s）\n", std::string(MessageText(msg::kNotBoringExchangeFile)).c_str(), cl.file.c_str());
    return 1;
  }
  WriteReformattedXml(reformatted, cl.output);
  if (!reformatted.ok()) {
    std::fprintf(stderr, "%s\n（%s）\n", reformatted.errorMessage(cl.output).c_str(), cl.output.c_str());
    return 1;
  }
  const std::string problems = reformatted.report.problemText();
  std::fputs(problems.c_str(), stderr);
  return 0;
}

int RunLegend(int argc, char** argv, const CommandLine& cl) {
  Workspace ws;
  for (const int id : PrepareWorkspace(ws, cl)) PrintMessage(id);
  const auto app = MakeHeadlessApplication(argc, argv);
  return RunPatternLegend(cl, ws.settingsStore);
}

bool HasDisplay() {
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

int RunGui(int argc, char** argv, const CommandLine& cl) {
  if (!HasDisplay()) {
    std::fprintf(stderr, "tesmor: no display to open the window on; use -o OUT or --dump (see --help)\n");
    return 2;
  }
  PrepareQtEnvironment();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tesmor"));
  QApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
  SetUpQtProcess();
  SetUpDesktopApplication(app);
  Workspace ws;
  for (const int id : PrepareWorkspace(ws, cl)) ShowMessage(nullptr, id);
  CMainFrame frame(ws);
  frame.show();
  if (!cl.file.empty()) {
    // Once the window is up, so that a file that cannot be opened is reported over it
    // and the window stays open.
    QTimer::singleShot(0, &frame, [&frame, &cl] {
      if (cl.reformat) frame.document().FormatAndOpenFile(cl.file);
      else frame.document().OpenThroughFramework(QString::fromLocal8Bit(cl.file.c_str()));
    });
  }
  return QApplication::exec();
}

}  // namespace

int RunTesmor(int argc, char** argv) {
  IgnoreFileSizeSignal();
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  const CommandLine cl = ParseCommandLine(args);
  if (!cl.error.empty()) {
    std::fprintf(stderr, "tesmor: %s\n\n%s", cl.error.c_str(), UsageText().c_str());
    return 2;
  }
  switch (cl.mode) {
    case RunMode::Help: std::fputs(UsageText().c_str(), stdout); return 0;
    case RunMode::Version: std::printf("tesmor %s\n", TESMOR_VERSION); return 0;
    case RunMode::Dump: return RunDump(cl);
    case RunMode::Export: return RunExport(argc, argv, cl);
    case RunMode::Reformat: return RunReformat(cl);
    case RunMode::PatternLegend: return RunLegend(argc, argv, cl);
    case RunMode::Gui: break;
  }
  return RunGui(argc, argv, cl);
}

}  // namespace tesmor
