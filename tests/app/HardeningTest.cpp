// The program under hostile conditions: depths that cannot be real, and a file-size
// limit on the writes of the command line.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <chrono>
#include <filesystem>

#include "AppTestSupport.h"
#include "app/CommandLine.h"
#include "app/ExportCommand.h"
#include "app/Workspace.h"
#include "readers/DataLoader.h"
#include "settings/SettingsStore.h"
#include "support/TestSupport.h"

namespace tesmor {
namespace {

std::string DeepBoring(const std::string& bottom) {
  std::string text = test::ReadAll(test::FixturePath("xml/layers_300.xml"));
  const std::size_t at = text.find("10.02");
  text.replace(at, 5, bottom);
  return text;
}

TEST(Hardening, ABoringOfImpossibleDepthExportsItsRealPagesAtOnce) {
  test::EnsureGuiApplication();
  for (const std::string bottom : {"1e9", "1e308", "+inf"}) {
    SCOPED_TRACE(bottom);
    Workspace ws;
    UseInstallFolder(ws.settingsStore, test::MakeTempFolder());
    LoadSettings(ws.settingsStore, false);
    const LoadResult result = LoadBoringText(DeepBoring(bottom), OpenPath::FileMenu, ws.record, ws.shell);
    ASSERT_TRUE(result.loaded());
    CommandLine cl;
    cl.output = test::MakeTempFolder() + "/deep.pdf";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ExportPages(cl, ws), 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // The boring ends at 2.90 m: one page of 25 m, not 100,001 of them.
    QFile pdf(QString::fromStdString(cl.output));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(pdf.readAll()).count(QRegularExpression("/Type /Page(?!s)")), 1);
    EXPECT_LT(seconds, 10.0);  // a second or less in the release build
  }
}

TEST(Hardening, ExportsStopAtTheLastPageThatDrawsData) {
  test::EnsureGuiApplication();
  Workspace ws;
  UseInstallFolder(ws.settingsStore, test::MakeTempFolder());
  LoadSettings(ws.settingsStore, false);
  ASSERT_TRUE(LoadBoringText(DeepBoring("50.00"), OpenPath::FileMenu, ws.record, ws.shell).loaded());
  CommandLine cl;
  cl.output = test::MakeTempFolder() + "/two.pdf";
  EXPECT_EQ(ExportPages(cl, ws), 0);
  QFile pdf(QString::fromStdString(cl.output));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  // 0-25 and 25-50 m; the page from 50 m would hold nothing.
  EXPECT_EQ(QString::fromLatin1(pdf.readAll()).count(QRegularExpression("/Type /Page(?!s)")), 2);
}

struct ChildRun {
  bool exited = false;
  int status = -1;
  std::string errors;
};

// Runs the program with a file-size limit of limitBytes, stderr caught.
ChildRun RunWithFileSizeLimit(std::vector<std::string> args, rlim_t limitBytes) {
  const std::string errors = test::MakeTempFolder() + "/stderr.txt";
  const std::string home = test::MakeTempFolder();
  const pid_t child = ::fork();
  if (child == 0) {
    const int fd = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(fd, 2);
    ::setenv("TESMOR_HOME", home.c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const rlimit limit{limitBytes, limitBytes};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    args.insert(args.begin(), TESMOR_EXECUTABLE);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    ::execv(TESMOR_EXECUTABLE, argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ChildRun run;
  run.exited = WIFEXITED(status);
  run.status = run.exited ? WEXITSTATUS(status) : -WTERMSIG(status);
  run.errors = test::ReadAll(errors);
  return run;
}

TEST(Hardening, AFileSizeLimitGivesAMessageAndLeavesNoFileBehind) {
  const std::string real = test::FixturePath("real/BOREHOLE_FUKUI_18000230901901300-BED0001.utf8.xml");
  struct Case {
    const char* name;
    std::vector<std::string> args;  // "OUT" stands for the output file
  };
  const Case cases[] = {
      {"export", {"-o", "OUT/sheet.pdf", real}},
      {"png pages", {"-o", "OUT/sheet.png", real}},
      {"reformat", {"--reformat", real, "-o", "OUT/copy.xml"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string out = test::MakeTempFolder();
    std::vector<std::string> args = c.args;
    for (std::string& arg : args) {
      if (arg.starts_with("OUT/")) arg = out + arg.substr(3);
    }
    const ChildRun run = RunWithFileSizeLimit(args, 4096);
    EXPECT_TRUE(run.exited) << "ended by signal " << -run.status;
    EXPECT_EQ(run.status, 1) << run.errors;
    EXPECT_FALSE(run.errors.empty());
    EXPECT_TRUE(std::filesystem::is_empty(out)) << std::filesystem::directory_iterator(out)->path();
  }
}

}  // namespace
}  // namespace tesmor
