// The Help menu's dialogs: the operating guide "操作＆ヘルプ" and the About box
// "ﾊﾞｰｼﾞｮﾝ情報".
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;

namespace tesmor {

// The guide: the help lines in a list, OK, and "開いて印刷", which opens
// HelpTesmor.txt in a text editor.
class GuideDialog : public QDialog {
  Q_OBJECT
 public:
  GuideDialog(const std::string& installFolder, QWidget* parent = nullptr);

  QListWidget* list() const { return list_; }
  QPushButton* openAndPrintButton() const { return openAndPrint_; }

 private:
  void OpenAndPrint();

  std::string installFolder_;
  QListWidget* list_ = nullptr;
  QPushButton* openAndPrint_ = nullptr;
};

// The About box: program icon, name, version and build.
class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);

  // The texts beside the icon, top to bottom.
  QStringList texts() const;

 private:
  QList<QLabel*> texts_;
};

}  // namespace tesmor
