// The file dialogs of the commands, held as functions so that tests can choose
// files without opening modal dialogs.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tesmor {

struct FileChooser {
  // An existing file to open, starting in `folder`; empty when cancelled.
  std::function<QString(QWidget* parent, const QString& caption, const QString& folder, const QString& filter)>
      openFile;
  // A file to save to; `proposed` is a folder or a full path. Empty when cancelled.
  std::function<QString(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter)>
      saveFile;
};

// The platform's file dialogs.
FileChooser PlatformFileChooser();

// The open dialog's filter of the XML reformatting commands: XML files, everything.
QString XmlOpenFilter();

}  // namespace tesmor
