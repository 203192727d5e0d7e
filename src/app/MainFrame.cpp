#include "app/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "app/AppMessages.h"
#include "app/DataDialogs.h"
#include "app/HelpDialogs.h"
#include "app/PrintController.h"
#include "app/MenuLayout.h"
#include "app/TesmorDoc.h"
#include "app/TesmorView.h"
#include "app/WindowState.h"
#include "readers/ShellState.h"
#include "record/Messages.h"

namespace tesmor {

namespace {
QIcon IconFor(int id, QStyle* style) {
  switch (id) {
    case cmd::kFileNew: return style->standardIcon(QStyle::SP_FileIcon);
    case cmd::kFileOpen: return style->standardIcon(QStyle::SP_DialogOpenButton);
    case cmd::kFormatAndSaveAs: return style->standardIcon(QStyle::SP_DialogSaveButton);
    case cmd::kPrint: return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    case cmd::kAbout: return style->standardIcon(QStyle::SP_MessageBoxInformation);
    case cmd::kPreviousPage: return style->standardIcon(QStyle::SP_ArrowUp);
    case cmd::kNextPage: return style->standardIcon(QStyle::SP_ArrowDown);
    default: return {};
  }
}
}  // namespace

CMainFrame::CMainFrame(Workspace& workspace, QWidget* parent) : QMainWindow(parent), workspace_(workspace) {
  setWindowTitle(QStringLiteral("Tesmorビューア"));
  setAcceptDrops(true);

  doc_ = new CTesmorDoc(workspace_, this);
  doc_->setParent(this);
  view_ = new CTesmorView(workspace_, this);
  setCentralWidget(view_);
  print_ = new PrintController(workspace_, this);
  print_->setParent(this);
  connect(print_, &PrintController::printingEnded, view_->viewport(), qOverload<>(&QWidget::update));

  CreateActions();
  CreateMenus();
  CreateToolBar();
  CreateStatusBar();

  connect(doc_, &CTesmorDoc::documentLoaded, this, &CMainFrame::OnDocumentLoaded);
  connect(doc_, &CTesmorDoc::recentFilesChanged, this, &CMainFrame::RebuildRecentFiles);
  connect(doc_, &CTesmorDoc::documentClosed, this, &CMainFrame::OnDocumentClosed);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    resize(area.width() * 86 / 100, area.height() * 80 / 100);
  }
  if (RestoreWindowState(*this)) {
    actions_.value(cmd::kToolBar)->setChecked(!toolBar_->isHidden());
    actions_.value(cmd::kStatusBar)->setChecked(!statusBar()->isHidden());
  }
  view_->OnInitialUpdate();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::CreateActions() {
  auto make = [this](int id, const QString& text) {
    auto* act = new QAction(text, this);
    act->setData(id);
    act->setEnabled(false);
    actions_.insert(id, act);
    return act;
  };
  for (const MenuEntry& e : kMenuEntries) {
    if (e.id != 0 && e.id != cmd::kRecentFiles) make(e.id, ToQString(std::string(e.text)));
  }
  for (const ToolCommand& t : kToolOnlyCommands) {
    const QString prompt = ToQString(std::string(t.prompt));
    QAction* act = make(t.id, prompt.section('\n', 1, 1));
    act->setStatusTip(prompt.section('\n', 0, 0));
    act->setToolTip(prompt.section('\n', 1, 1));
  }

  auto enable = [this](int id, auto slot) {
    QAction* act = actions_.value(id);
    act->setEnabled(true);
    connect(act, &QAction::triggered, this, slot);
  };
  enable(cmd::kFileOpen, [this] { doc_->OnFileOpen(); });
  enable(cmd::kFormatAndOpen, [this] { doc_->OnFormatAndOpen(); });
  enable(cmd::kFormatAndSaveAs, [this] { doc_->OnFormatAndSaveAs(); });
  actions_.value(cmd::kFormatAndOpen)->setStatusTip(QStringLiteral("非改行のXMLファイルを整形して開く"));
  actions_.value(cmd::kFormatAndSaveAs)->setStatusTip(QStringLiteral("XMLファイルを整形して新しい名前で保存"));
  actions_.value(cmd::kFormatAndSaveAs)->setToolTip(QStringLiteral("整形し名前をつけて保存"));
  enable(cmd::kExit, [this] { close(); });
  enable(cmd::kFileNew, [this] { view_->OnUpdate(); });
  enable(cmd::kPreviousPage, [this] { view_->PreviousPage(); });
  enable(cmd::kNextPage, [this] { view_->NextPage(); });
  enable(cmd::kSoilForm, [this] { SwitchForm(kSoilForm); });
  enable(cmd::kRockForm, [this] { SwitchForm(kRockForm); });
  enable(cmd::kPrint, [this] { print_->Print(); });
  enable(cmd::kPrintPreview, [this] { print_->Preview(); });
  enable(cmd::kPrintSetup, [this] { print_->Setup(); });
  enable(cmd::kHeadingData, [this] { RunDataDialog(new HeadingDataDialog(workspace_, this)); });
  enable(cmd::kDataList, [this] { RunDataDialog(new DataListDialog(workspace_.record, this)); });
  enable(cmd::kPageNumber, [this] { RunDataDialog(new PageNumberDialog(workspace_, this)); });
  enable(cmd::kHelpGuide, [this] {
    GuideDialog(workspace_.installFolder(), this).exec();
    view_->viewport()->update();
  });
  enable(cmd::kAbout, [this] { AboutDialog(this).exec(); });
  enable(cmd::kFileClose, [this] { doc_->CloseBoring(); });
  addAction(actions_.value(cmd::kFileClose));  // keyboard only: Ctrl+W

  actions_.value(cmd::kFileOpen)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  actions_.value(cmd::kFileNew)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  actions_.value(cmd::kPrint)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  actions_.value(cmd::kFileClose)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
  actions_.value(cmd::kExit)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  actions_.value(cmd::kHelpGuide)->setShortcut(QKeySequence(Qt::Key_F1));
  actions_.value(cmd::kSoilForm)->setCheckable(true);
  actions_.value(cmd::kRockForm)->setCheckable(true);
}

void CMainFrame::CreateMenus() {
  QList<QMenu*> menus;
  for (const std::string_view title : kMenuTitles) menus << menuBar()->addMenu(ToQString(std::string(title)));
  fileMenu_ = menus.front();
  for (const MenuEntry& e : kMenuEntries) {
    QMenu* menu = menus.at(e.menu);
    if (e.id == 0) {
      menu->addSeparator();
    } else if (e.id == cmd::kRecentFiles) {
      recentAnchor_ = menu->addSeparator();
      recentAnchor_->setVisible(false);
    } else {
      menu->addAction(actions_.value(e.id));
    }
  }
  RebuildRecentFiles();
  UpdateFormChecks();
}

void CMainFrame::CreateToolBar() {
  toolBar_ = addToolBar(QStringLiteral("ﾂｰﾙ ﾊﾞｰ"));
  toolBar_->setObjectName(QStringLiteral("toolBar"));
  toolBar_->setIconSize(QSize(16, 15));
  toolBar_->setMovable(true);
  for (const int id : kToolBarOrder) {
    if (id == 0) {
      toolBar_->addSeparator();
      continue;
    }
    QAction* act = actions_.value(id);
    act->setIcon(IconFor(id, style()));
    toolBar_->addAction(act);
  }
  QAction* toggleToolBar = actions_.value(cmd::kToolBar);
  toggleToolBar->setCheckable(true);
  toggleToolBar->setChecked(true);
  toggleToolBar->setEnabled(true);
  connect(toggleToolBar, &QAction::toggled, toolBar_, &QToolBar::setVisible);
  connect(toolBar_, &QToolBar::visibilityChanged, toggleToolBar, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  const QString idle = ToQString(std::string(MessageText(msg::kIdleStatus)));
  auto* idleLabel = new QLabel(idle, bar);
  bar->addWidget(idleLabel, 1);
  for (const char* indicator : {"ｶﾅ", "CAP", "NUM", "SCRL"}) {
    auto* label = new QLabel(QString::fromUtf8(indicator), bar);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setEnabled(false);
    bar->addPermanentWidget(label);
  }
  QAction* toggleStatus = actions_.value(cmd::kStatusBar);
  toggleStatus->setCheckable(true);
  toggleStatus->setChecked(true);
  toggleStatus->setEnabled(true);
  connect(toggleStatus, &QAction::toggled, bar, &QStatusBar::setVisible);
}

void CMainFrame::RebuildRecentFiles() {
  for (QAction* act : recentActions_) {
    fileMenu_->removeAction(act);
    act->deleteLater();
  }
  recentActions_.clear();
  const QStringList entries = doc_->recentFiles().entries();
  QAction* before = nullptr;
  const QList<QAction*> all = fileMenu_->actions();
  const int anchorAt = static_cast<int>(all.indexOf(recentAnchor_));
  if (anchorAt >= 0 && anchorAt + 1 < all.size()) before = all.at(anchorAt + 1);
  for (int i = 0; i < entries.size(); ++i) {
    const QString path = entries.at(i);
    auto* act = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), fileMenu_);
    act->setStatusTip(path);
    act->setData(cmd::kRecentFiles + i);
    connect(act, &QAction::triggered, this, [this, path] { doc_->OpenThroughFramework(path); });
    fileMenu_->insertAction(before, act);
    recentActions_ << act;
  }
  if (entries.isEmpty()) {
    auto* act = new QAction(QStringLiteral("最近使ったﾌｧｲﾙ"), fileMenu_);
    act->setEnabled(false);
    fileMenu_->insertAction(before, act);
    recentActions_ << act;
  }
  recentAnchor_->setVisible(true);
}

void CMainFrame::SwitchForm(int form) {
  if (workspace_.shell.FormSelector != form) {
    if (ShowMessage(this, msg::kFormForced, {}, MessageButtons::OkCancel)) workspace_.shell.FormSelector = form;
  }
  UpdateFormChecks();
  view_->viewport()->update();
}

void CMainFrame::UpdateFormChecks() {
  actions_.value(cmd::kSoilForm)->setChecked(workspace_.shell.FormSelector == kSoilForm);
  actions_.value(cmd::kRockForm)->setChecked(workspace_.shell.FormSelector == kRockForm);
}

void CMainFrame::OnDocumentLoaded(const QString& path) {
  setWindowTitle(QStringLiteral("%1 - Tesmorビューア").arg(QFileInfo(path).fileName()));
  UpdateFormChecks();
  view_->OnUpdate();
}

void CMainFrame::OnDocumentClosed() {
  setWindowTitle(QStringLiteral("Tesmorビューア"));
  UpdateFormChecks();
  view_->OnUpdate();
}

void CMainFrame::RunDataDialog(QDialog* dialog) {
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->exec();
  UpdateFormChecks();
  view_->viewport()->update();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  SaveWindowState(*this);
  QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  for (const QUrl& url : urls) {
    if (url.isLocalFile()) {
      event->acceptProposedAction();
      doc_->OpenThroughFramework(url.toLocalFile());
      return;
    }
  }
}

}  // namespace tesmor
