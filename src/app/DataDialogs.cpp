#include "app/DataDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/AppMessages.h"
#include "app/DataListLines.h"
#include "readers/ShellState.h"
#include "record/Messages.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

QDialogButtonBox* OkCancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

QLineEdit* Field(const std::string& text, QWidget* parent, int minWidth = 0) {
  auto* edit = new QLineEdit(ToQString(text), parent);
  if (minWidth > 0) edit->setMinimumWidth(minWidth);
  edit->setCursorPosition(0);
  return edit;
}

// Heading items of the dialog, in reading order: label and slot.
struct HeadingItem {
  const char* label;
  int slot;
};

constexpr HeadingItem kHeadingItems[] = {
    {"調査名", slot::kSurveyName},
    {"事業工事名", slot::kProjectName},
    {"調査位置", slot::kLocation},
    {"発注機関", slot::kOrderingBody},
    {"ボーリング名", slot::kBoringName},
    {"種別", slot::kElevationKind},
    {"孔口標高ｍ", slot::kCollarElevation},
    {"試錐機", slot::kDrillingMachine},
    {"ハンマー", slot::kHammer},
    {"エンジン", slot::kEngine},
    {"ポンプ", slot::kPump},
    {"角度", slot::kDrillingAngle},
    {"方向", slot::kDrillingDirection},
    {"地盤勾配", slot::kGroundSlope},
    {"ボ-リングNo", slot::kBoringNumber},
    {"シートNo.", slot::kSheetNumber},
    {"code1", slot::kCode1},
    {"code2", slot::kCode2},
    {"メモ", slot::kMemo},
    {"総掘進長ｍ", slot::kTotalLength},
    {"調査業者名", slot::kSurveyCompany},
    {"TEL", slot::kCompanyPhone},
};

}  // namespace

HeadingDataDialog::HeadingDataDialog(Workspace& workspace, QWidget* parent) : QDialog(parent), workspace_(workspace) {
  setWindowTitle(QStringLiteral("見出しデータ"));
  BoringRecord& record = workspace_.record;
  if (record.heading(slot::kSurveyCompany).empty()) {
    record.setHeading(slot::kSurveyCompany, workspace_.settingsStore.settings.emptyHeadingText);
  }
  if (record.heading(slot::kCompanyPhone).empty()) record.setHeading(slot::kCompanyPhone, " ");

  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  int row = 0;
  int column = 0;
  auto place = [&](const QString& label, QWidget* field, int span = 1) {
    grid->addWidget(new QLabel(label, this), row, column * 2);
    grid->addWidget(field, row, column * 2 + 1, 1, span);
    if (span > 1 || ++column == 2) {
      column = 0;
      ++row;
    }
  };
  for (const HeadingItem& item : kHeadingItems) {
    place(QString::fromUtf8(item.label), Field(record.heading(item.slot), this, 200));
  }
  if (column != 0) {
    column = 0;
    ++row;
  }

  auto dateRow = [&](const QString& label, int choiceSlot, int firstSlot) {
    auto* box = new QWidget(this);
    auto* h = new QHBoxLayout(box);
    h->setContentsMargins(0, 0, 0, 0);
    auto* choice = new QComboBox(box);
    choice->setEditable(true);
    choice->addItem(ToQString(record.heading(choiceSlot)));
    h->addWidget(choice);
    const char* units[] = {"年", "月", "日"};
    for (int i = 0; i < 3; ++i) {
      h->addWidget(Field(record.heading(firstSlot + i), box, 40));
      h->addWidget(new QLabel(QString::fromUtf8(units[i]), box));
    }
    place(label, box, 3);
  };
  dateRow(QStringLiteral("調査期間 始"), slot::kStartDateLead, slot::kStartYear);
  dateRow(QStringLiteral("調査期間 至"), slot::kEndDateLead, slot::kEndYear);

  for (int i = 0; i < slot::kEngineers; ++i) {
    auto* box = new QWidget(this);
    auto* h = new QHBoxLayout(box);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(Field(record.heading(slot::kRoleLabel1 + i), box, 120));
    h->addWidget(Field(record.heading(slot::kEngineerName1 + i), box, 160));
    place(QStringLiteral("技術者 %1").arg(i + 1), box, 3);
  }

  auto degrees = [&](const QString& label, int firstSlot) {
    auto* box = new QWidget(this);
    auto* h = new QHBoxLayout(box);
    h->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 3; ++i) h->addWidget(Field(record.heading(firstSlot + i), box, 50));
    place(label, box);
  };
  degrees(QStringLiteral("北緯 度分秒"), slot::kLatitudeDegrees);
  degrees(QStringLiteral("東経 度分秒"), slot::kLongitudeDegrees);
  place(QStringLiteral("地質深度ｍ"), Field(Format("%.2f", TotalDepth(record)), this));
  place(QStringLiteral("表示様式"), Field(record.heading(slot::kFileKind), this));
  layout->addLayout(grid);

  auto* checks = new QHBoxLayout;
  showElevation_ = new QCheckBox(QStringLiteral("標高表示"), this);
  showElevation_->setChecked(record.heading(slot::kShowElevation) == "1");
  elevationAsText_ = new QCheckBox(QStringLiteral("文字として表示"), this);
  elevationAsText_->setChecked(record.heading(slot::kElevationAsText) == "1");
  form_ = new QComboBox(this);
  form_->addItems({QStringLiteral("JACIC版柱状図"), QStringLiteral("岩盤柱状図")});
  form_->setCurrentIndex(workspace_.shell.FormSelector == kRockForm ? 1 : 0);
  form_->setVisible(false);  // the form travels with the dialog; the View menu changes it
  checks->addWidget(showElevation_);
  checks->addWidget(elevationAsText_);
  checks->addStretch();
  layout->addLayout(checks);
  layout->addWidget(new QLabel(QStringLiteral("・データは入力できません、変更しても無効です\n"
                                              "・標高表示と孔口標高のチェックは有効です."),
                               this));
  layout->addWidget(OkCancel(this));
}

void HeadingDataDialog::accept() {
  BoringRecord& record = workspace_.record;
  record.setHeading(slot::kShowElevation, Format("%d", showElevation_->isChecked() ? 1 : 0));
  record.setHeading(slot::kElevationAsText, Format("%d", elevationAsText_->isChecked() ? 1 : 0));
  workspace_.shell.FormSelector = form_->currentIndex() == 1 ? kRockForm : kSoilForm;
  QDialog::accept();
}

DataListDialog::DataListDialog(const BoringRecord& record, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("データ一覧"));
  auto* layout = new QVBoxLayout(this);
  list_ = new QTableWidget(this);
  list_->setColumnCount(kDataListColumns);
  QStringList headers;
  for (int i = 1; i <= kDataListColumns; ++i) headers << QString::number(i);
  list_->setHorizontalHeaderLabels(headers);
  for (int i = 0; i < kDataListColumns; ++i) list_->setColumnWidth(i, i < 4 ? 120 : 105);
  list_->verticalHeader()->setVisible(false);
  list_->setShowGrid(true);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);

  const DataListLines data = BuildDataListLines(record);
  list_->setRowCount(static_cast<int>(data.lines.size()));
  for (int r = 0; r < static_cast<int>(data.lines.size()); ++r) {
    const auto& line = data.lines[static_cast<std::size_t>(r)];
    for (int c = 0; c < static_cast<int>(line.size()); ++c) {
      list_->setItem(r, c, new QTableWidgetItem(ToQString(line[static_cast<std::size_t>(c)])));
    }
  }
  const int total = list_->rowCount();
  count_ = new QLabel(QString::fromStdString(Format(" %d", total)), this);
  selection_ = new QLabel(this);
  connect(list_, &QTableWidget::currentCellChanged, this, [this, total](int row) {
    if (row >= 0) selection_->setText(QString::fromStdString(Format("%d / %d ", row + 1, total)));
  });
  layout->addWidget(list_);
  auto* counts = new QHBoxLayout;
  counts->addWidget(count_);
  counts->addStretch();
  counts->addWidget(selection_);
  layout->addLayout(counts);
  layout->addWidget(OkCancel(this));
  resize(1200, 640);
  if (data.truncated) {
    QMetaObject::invokeMethod(this, [this] { ShowMessage(this, msg::kTooManyLines); }, Qt::QueuedConnection);
  }
}

PageNumberDialog::PageNumberDialog(Workspace& workspace, QWidget* parent) : QDialog(parent), workspace_(workspace) {
  setWindowTitle(QStringLiteral("ページ　（編集有効）"));
  const BoringRecord& record = workspace_.record;
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  auto textChoice = [&](int slotNumber, const QStringList& offers) {
    auto* box = new QComboBox(this);
    box->setEditable(true);
    box->addItems(offers);
    box->setCurrentText(ToQString(record.heading(slotNumber)));
    return box;
  };
  before_ =
      textChoice(slot::kPageTextBefore, {QString(), QStringLiteral("No."), QStringLiteral("－"), QStringLiteral("P")});
  firstPage_ = Field(record.heading(slot::kFirstPageNumber), this);
  after_ = textChoice(slot::kPageTextAfter,
                      {QString(), QStringLiteral("－"), QStringLiteral("頁"), QStringLiteral("ページ")});
  vertical_ = new QComboBox(this);
  vertical_->addItems({QStringLiteral("用紙上端から"), QStringLiteral("柱状図下端から")});
  vertical_->setCurrentIndex(TextToInt(record.heading(slot::kPageVerticalReference)) != 0 ? 1 : 0);
  fromTop_ = Field(record.heading(slot::kPageFromPaperTop), this);
  fromBottom_ = Field(record.heading(slot::kPageBelowColumns), this);
  horizontal_ = new QComboBox(this);
  horizontal_->addItems({QStringLiteral("用紙左端から"), QStringLiteral("用紙左右中央")});
  horizontal_->setCurrentIndex(TextToInt(record.heading(slot::kPageHorizontalReference)) != 0 ? 1 : 0);
  fromLeft_ = Field(record.heading(slot::kPageFromLeftEdge), this);
  centreOffset_ = Field(record.heading(slot::kPageCentreOffset), this);

  int row = 0;
  auto add = [&](const QString& label, QWidget* field) {
    grid->addWidget(new QLabel(label, this), row, 0);
    grid->addWidget(field, row++, 1);
  };
  add(QStringLiteral("前文字"), before_);
  add(QStringLiteral("頁(開始頁)"), firstPage_);
  add(QStringLiteral("後文字"), after_);
  add(QStringLiteral("上下の位置"), vertical_);
  add(QStringLiteral("用紙上端から mm"), fromTop_);
  add(QStringLiteral("柱状図下端から mm"), fromBottom_);
  add(QStringLiteral("左右の位置"), horizontal_);
  add(QStringLiteral("用紙左端から mm"), fromLeft_);
  add(QStringLiteral("中央からのずれ mm"), centreOffset_);
  layout->addLayout(grid);
  // The paper the footer is placed on, for reference (width, and height less 16 mm).
  const PageModel& page = workspace_.page;
  layout->addWidget(new QLabel(
      QStringLiteral("用紙 %1 x %2 mm").arg(page.PaperWidthMm).arg(page.PaperHeightMm - 16), this));
  layout->addWidget(OkCancel(this));
}

void PageNumberDialog::accept() {
  BoringRecord& record = workspace_.record;
  record.setHeading(slot::kPageTextBefore, ToStdString(before_->currentText()));
  record.setHeading(slot::kFirstPageNumber, ToStdString(firstPage_->text()));
  record.setHeading(slot::kPageTextAfter, ToStdString(after_->currentText()));
  record.setHeading(slot::kPageVerticalReference, Format("%d", vertical_->currentIndex()));
  record.setHeading(slot::kPageFromPaperTop, ToStdString(fromTop_->text()));
  record.setHeading(slot::kPageBelowColumns, ToStdString(fromBottom_->text()));
  record.setHeading(slot::kPageHorizontalReference, Format("%d", horizontal_->currentIndex()));
  record.setHeading(slot::kPageFromLeftEdge, ToStdString(fromLeft_->text()));
  record.setHeading(slot::kPageCentreOffset, ToStdString(centreOffset_->text()));
  QDialog::accept();
}

}  // namespace tesmor
