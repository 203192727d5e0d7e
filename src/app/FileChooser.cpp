#include "app/FileChooser.h"

#include <QFileDialog>

namespace tesmor {

FileChooser PlatformFileChooser() {
  FileChooser chooser;
  chooser.openFile = [](QWidget* parent, const QString& caption, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
  };
  chooser.saveFile = [](QWidget* parent, const QString& caption, const QString& proposed, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
  };
  return chooser;
}

QString XmlOpenFilter() { return QStringLiteral("要領XML(.xml)  (*.xml *.XML);;すべて(*.*) (*)"); }

}  // namespace tesmor
