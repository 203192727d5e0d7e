#include "app/HelpDialogs.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppMessages.h"
#include "app/DesktopIntegration.h"
#include "app/HelpFile.h"
#include "app/TextFileLauncher.h"
#include "record/Messages.h"

namespace tesmor {

GuideDialog::GuideDialog(const std::string& installFolder, QWidget* parent)
    : QDialog(parent), installFolder_(installFolder) {
  setWindowTitle(QStringLiteral("操作＆ヘルプ"));
  list_ = new QListWidget(this);
  list_->setUniformItemSizes(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  // A fixed-pitch face keeps the guide's columns (keys, options) lined up.
  QFont font(QStringLiteral("ＭＳ ゴシック"));
  font.setStyleHint(QFont::TypeWriter);
  list_->setFont(font);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  openAndPrint_ = buttons->addButton(QStringLiteral("開いて印刷"), QDialogButtonBox::ActionRole);
  openAndPrint_->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(openAndPrint_, &QPushButton::clicked, this, &GuideDialog::OpenAndPrint);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  resize(760, 560);

  const GuideText guide = LoadGuideText(installFolder_);
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(guide.lines.size()));
  for (const std::string& line : guide.lines) lines << ToQString(line);
  list_->addItems(lines);
  if (guide.tooManyLines) ShowMessage(parent, msg::kTooManyLines);
}

void GuideDialog::OpenAndPrint() {
  const QString path = ToQString(HelpFilePath(installFolder_));
  // Without the file (a folder that cannot be written) an editor would show nothing.
  if (!QFileInfo(path).isFile() || !OpenTextFile(path, ToQString(installFolder_))) {
    ShowMessage(this, msg::kCannotRun);
  }
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
  auto* icon = new QLabel(this);
  icon->setPixmap(ProgramIcon().pixmap(QSize(48, 48)));
  icon->setAlignment(Qt::AlignTop);

  auto* column = new QVBoxLayout;
  for (const QString& text : {QStringLiteral("Tesmorビューア  Tesmor"), QStringLiteral("Version 4.00"),
                              QStringLiteral("ビルド %1（Qt %2）").arg(QStringLiteral(TESMOR_VERSION), qVersion())}) {
    auto* label = new QLabel(text, this);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(label);
    texts_ << label;
  }
  column->addStretch();

  auto* row = new QHBoxLayout;
  row->addWidget(icon);
  row->addSpacing(12);
  row->addLayout(column, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setMinimumWidth(340);
}

QStringList AboutDialog::texts() const {
  QStringList list;
  for (const QLabel* label : texts_) list << label->text();
  return list;
}

}  // namespace tesmor
