// The three dialogs of the Data menu: heading data, data list and page number.
#pragma once

#include <QDialog>

#include "app/Workspace.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace tesmor {

// "見出しデータ": every heading text shown; only the elevation check boxes and the
// form are written back.
class HeadingDataDialog : public QDialog {
  Q_OBJECT
 public:
  HeadingDataDialog(Workspace& workspace, QWidget* parent = nullptr);
  void accept() override;

  QCheckBox* showElevation() const { return showElevation_; }
  QCheckBox* elevationAsText() const { return elevationAsText_; }
  QComboBox* formChoice() const { return form_; }

 private:
  Workspace& workspace_;
  QCheckBox* showElevation_ = nullptr;
  QCheckBox* elevationAsText_ = nullptr;
  QComboBox* form_ = nullptr;
};

// "データ一覧": the tables of the boring, read only.
class DataListDialog : public QDialog {
  Q_OBJECT
 public:
  DataListDialog(const BoringRecord& record, QWidget* parent = nullptr);
  QTableWidget* list() const { return list_; }
  QLabel* countLabel() const { return count_; }

 private:
  QTableWidget* list_ = nullptr;
  QLabel* count_ = nullptr;
  QLabel* selection_ = nullptr;
};

// "ページ　（編集有効）": the page-number footer slots of the heading.
class PageNumberDialog : public QDialog {
  Q_OBJECT
 public:
  PageNumberDialog(Workspace& workspace, QWidget* parent = nullptr);
  void accept() override;

  QComboBox* before() const { return before_; }
  QLineEdit* firstPage() const { return firstPage_; }
  QComboBox* after() const { return after_; }
  QComboBox* verticalReference() const { return vertical_; }
  QComboBox* horizontalReference() const { return horizontal_; }

 private:
  Workspace& workspace_;
  QComboBox* before_ = nullptr;
  QLineEdit* firstPage_ = nullptr;
  QComboBox* after_ = nullptr;
  QComboBox* vertical_ = nullptr;
  QLineEdit* fromTop_ = nullptr;
  QLineEdit* fromBottom_ = nullptr;
  QComboBox* horizontal_ = nullptr;
  QLineEdit* fromLeft_ = nullptr;
  QLineEdit* centreOffset_ = nullptr;
};

}  // namespace tesmor
