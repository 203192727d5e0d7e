#include "app/FormatSaveDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "app/AppMessages.h"
#include "readers/FileKind.h"
#include "readers/LastFolderFile.h"
#include "readers/ReformattedLoad.h"
#include "readers/XmlReformatter.h"
#include "record/Messages.h"
#include "record/TextCodec.h"
#include "record/TextFile.h"
#include "settings/InstallFolder.h"

namespace tesmor {

namespace {

struct VersionLabel {
  int kind;
  std::string_view label;
};

constexpr std::array kVersionLabels = {
    VersionLabel{kind::kXml110, "H13-08版"}, VersionLabel{kind::kXmlOther, "未対応版"},
    VersionLabel{kind::kXml200, "H14-07版"}, VersionLabel{kind::kXml201, "H15-07版"},
    VersionLabel{kind::kXml210, "H16-06版"}, VersionLabel{kind::kXml300, "H20-12版"},
};

constexpr const char* kExplainWhat =
    "１行が非常に長い、無駄な改行が多い、改行が無い、などのXMLデータファイルを整形して保存できます。";
constexpr const char* kExplainAfter =
    "保存した整形処理後のXMLファイルは\nメニュー「ファイル」「開く」で柱状図表示できる場合があります。";
constexpr const char* kExplainLimits =
    "ただし１行が2000字以上やデータが行中で途切れている場合は整形できません。"
    "エラーメッセージにしたがいメモ帳などで直接修正して下さい。";

QString SaveFilter() { return QStringLiteral("XML (*.xml *.XML);;すべて(*.*) (*)"); }

template <typename Widget>
Widget* Named(Widget* widget, int id) {
  widget->setObjectName(QString::number(id));
  return widget;
}

QLabel* Explanation(const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

std::string_view XmlVersionLabel(int fileKind) {
  for (const VersionLabel& v : kVersionLabels) {
    if (v.kind == fileKind) return v.label;
  }
  return "?";
}

std::string SaveTargetPath(std::string chosen) {
  if (!chosen.empty() && chosen.back() == '.') chosen.pop_back();
  if (FileNameOf(chosen).find('.') == std::string::npos) chosen += ".xml";
  return chosen;
}

FormatSaveDialog::FormatSaveDialog(std::string installFolder, FileChooser chooser, QWidget* parent)
    : QDialog(parent), installFolder_(std::move(installFolder)), chooser_(std::move(chooser)) {
  setWindowTitle(QStringLiteral("XMLデータファイルを整形して保存"));

  openButton_ = Named(new QPushButton(QStringLiteral("開く"), this), kOpenButton);
  sourceEdit_ = Named(new QLineEdit(this), kSourceEdit);
  sourceEdit_->setReadOnly(true);
  versionLabel_ = Named(new QLabel(this), kVersionLabel);
  versionLabel_->setMinimumWidth(140);
  problemsEdit_ = Named(new QPlainTextEdit(this), kProblemsEdit);
  problemsEdit_->setReadOnly(true);
  problemsEdit_->setMinimumHeight(90);
  saveButton_ = Named(new QPushButton(QStringLiteral("名前を付けて保存"), this), kSaveButton);
  saveButton_->setEnabled(false);
  autoName_ = Named(new QCheckBox(QStringLiteral("ファイル名を自動表示"), this), kAutoNameCheck);
  autoName_->setChecked(true);
  targetEdit_ = Named(new QLineEdit(this), kTargetEdit);
  targetEdit_->setReadOnly(true);
  savedLabel_ = Named(new QLabel(this), kSavedLabel);
  savedLabel_->setMinimumWidth(140);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("1"));
  QPushButton* cancel = buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("2"));
  cancel->hide();

  auto* grid = new QGridLayout;
  grid->addWidget(Explanation(kExplainWhat, this), 0, 0, 1, 3);
  grid->addWidget(openButton_, 1, 0);
  grid->addWidget(sourceEdit_, 1, 1);
  grid->addWidget(versionLabel_, 1, 2);
  grid->addWidget(problemsEdit_, 2, 0, 1, 3);
  grid->addWidget(Explanation(kExplainAfter, this), 3, 0, 1, 3);
  grid->addWidget(saveButton_, 4, 0);
  grid->addWidget(autoName_, 4, 1, 1, 2);
  grid->addWidget(targetEdit_, 5, 1);
  grid->addWidget(savedLabel_, 5, 2);
  grid->addWidget(Explanation(kExplainLimits, this), 6, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  resize(620, sizeHint().height());

  connect(openButton_, &QPushButton::clicked, this, &FormatSaveDialog::OnOpenSource);
  connect(saveButton_, &QPushButton::clicked, this, &FormatSaveDialog::OnSaveAs);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::string FormatSaveDialog::installFile(const char* name) const { return JoinPath(installFolder_, name); }

QString FormatSaveDialog::sourcePath() const { return sourceEdit_->text(); }
QString FormatSaveDialog::targetPath() const { return targetEdit_->text(); }
QString FormatSaveDialog::versionLabel() const { return versionLabel_->text(); }
QString FormatSaveDialog::savedText() const { return savedLabel_->text(); }
QString FormatSaveDialog::problemsText() const { return problemsEdit_->toPlainText(); }

void FormatSaveDialog::OnOpenSource() {
  sourceEdit_->clear();
  targetEdit_->clear();
  versionLabel_->clear();
  savedLabel_->clear();
  problemsEdit_->clear();
  saveButton_->setEnabled(false);
  const LastFolder last = ReadLastFolderFile(installFile("FileU.ndx"), kReformatFolderWidth);

  const QString chosen = chooser_.openFile(this, QStringLiteral("開く"), ToQString(last.folder), XmlOpenFilter());
  if (chosen.isEmpty()) return;
  const std::string path = ToStdString(chosen);
  sourceTitle_ = ToStdString(QFileInfo(chosen).completeBaseName());
  if (!EnsureFolder(installFolder_)) {
    ShowMessage(this, msg::kCannotRun);
    return;
  }
  const ReformattedXml reformatted = FormatXmlToTemp(path, installFolder_);
  if (!reformatted.ok()) {
    ShowMessage(this, reformatted.errorMessageId(), path);
    return;
  }

  sourceEdit_->setText(chosen);
  std::string temp;
  int fileKind = kind::kNone;
  if (ReadFileBytes(TempXmlPath(installFolder_), temp) == ReadStatus::Ok) {
    fileKind = ReformattedKind(DecodeFileText(temp), reformatted.report);
  }
  versionLabel_->setText(ToQString("［ 要領 " + std::string(XmlVersionLabel(fileKind)) + " ］"));
  std::string problems = reformatted.report.longLineText;
  if (!IsXmlKind(fileKind)) problems = std::string(MessageText(msg::kNotBoringExchangeFile)) + "\n";
  problemsEdit_->setPlainText(ToQString(problems + reformatted.report.brokenTagText));
  WriteLastFolderFile(installFile("FileU.ndx"), LastFolder{FolderOf(path), last.path});
  // A source without the DTD marker near its top was reformatted in its first lines
  // only: such a copy is not offered for saving.
  saveButton_->setEnabled(!reformatted.report.stoppedEarly);
}

void FormatSaveDialog::OnSaveAs() {
  const std::string source = ToStdString(sourceEdit_->text());
  if (source.size() < 2 || !saveButton_->isEnabled()) return;
  const LastFolder last = ReadLastFolderFile(installFile("FileU2.ndx"), kReformatFolderWidth);
  savedLabel_->clear();

  std::string proposed = last.folder;
  if (autoName_->isChecked()) {
    const char* suffix = source.find(".XML") != std::string::npos ? ".XML" : ".xml";
    proposed = JoinPath(last.folder, sourceTitle_ + "c" + suffix);
  }
  const QString chosen =
      chooser_.saveFile(this, QStringLiteral("名前を付けて保存"), ToQString(proposed), SaveFilter());
  if (chosen.isEmpty()) return;
  const std::string target = SaveTargetPath(ToStdString(chosen));
  targetEdit_->setText(ToQString(target));

  // The working file is read before the target is touched, so a missing working
  // file never leaves an empty target behind.
  const std::string tempPath = TempXmlPath(installFolder_);
  std::string bytes;
  if (ReadFileBytes(tempPath, bytes) != ReadStatus::Ok) {
    ShowMessage(this, msg::kFileNotFound, tempPath);
    return;
  }
  if (!WriteFileAtomic(target, bytes)) {
    ShowMessage(this, msg::kCannotRun);
    return;
  }
  savedLabel_->setText(QStringLiteral("保存しました"));
  WriteLastFolderFile(installFile("FileU2.ndx"), LastFolder{FolderOf(target), last.path});
  openButton_->setFocus();
}

}  // namespace tesmor
