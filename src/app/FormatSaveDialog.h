// The dialog "XMLデータファイルを整形して保存": reformat an XML boring file into
// TesmorTmp.xml ("開く") and save that under a new name ("名前を付けて保存").
// Nothing is loaded into the document.
#pragma once

#include <QDialog>
#include <string>
#include <string_view>

#include "app/FileChooser.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tesmor {

// The version label of a file kind ("H20-12版" for 203 ...); "?" for any kind
// without an XML reader.
std::string_view XmlVersionLabel(int fileKind);

// The path a chosen save name stands for: a trailing "." is dropped and a name
// without an extension gets ".xml".
std::string SaveTargetPath(std::string chosen);

class FormatSaveDialog : public QDialog {
  Q_OBJECT

 public:
  // Control ids of the dialog, also the object names of its controls.
  enum Control {
    kOpenButton = 1000,
    kSourceEdit = 1006,
    kTargetEdit = 1010,
    kVersionLabel = 1043,
    kSavedLabel = 1049,
    kSaveButton = 1068,
    kAutoNameCheck = 1081,
    kProblemsEdit = 1083,
  };

  FormatSaveDialog(std::string installFolder, FileChooser chooser, QWidget* parent = nullptr);

  // "開く": choose a source, reformat it into TesmorTmp.xml and show what was found.
  void OnOpenSource();
  // "名前を付けて保存": copy TesmorTmp.xml to a file chosen by the user.
  void OnSaveAs();

  QPushButton* openButton() const { return openButton_; }
  QPushButton* saveButton() const { return saveButton_; }
  QCheckBox* autoNameCheck() const { return autoName_; }
  QString sourcePath() const;
  QString targetPath() const;
  QString versionLabel() const;
  QString savedText() const;
  QString problemsText() const;

 private:
  std::string installFile(const char* name) const;

  std::string installFolder_;
  FileChooser chooser_;
  std::string sourceTitle_;  // the source's file name without its extension
  QPushButton* openButton_ = nullptr;
  QLineEdit* sourceEdit_ = nullptr;
  QLabel* versionLabel_ = nullptr;
  QPlainTextEdit* problemsEdit_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  QCheckBox* autoName_ = nullptr;
  QLineEdit* targetEdit_ = nullptr;
  QLabel* savedLabel_ = nullptr;
};

}  // namespace tesmor
