#include "app/AppMessages.h"

#include <QMessageBox>
#include <cstdio>
#include <string>

#include "record/Messages.h"

namespace tesmor {

MessagePresenter& CurrentMessagePresenter() {
  // The one presenter of the process; a test may swap it for a recorder.
  static MessagePresenter presenter = [](QWidget* parent, const QString& text, MessageButtons buttons) {
    const auto choice = buttons == MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok;
    return QMessageBox::warning(parent, QStringLiteral("Tesmor"), text, choice, QMessageBox::Ok) == QMessageBox::Ok;
  };
  return presenter;
}

bool ShowMessageText(QWidget* parent, const QString& text, MessageButtons buttons) {
  return CurrentMessagePresenter()(parent, text, buttons);
}

void PrintMessage(int id, const std::string& arg) {
  std::fprintf(stderr, "tesmor: %s\n", MessageText(id, arg).c_str());
}

bool ShowMessage(QWidget* parent, int id, const std::string& arg, MessageButtons buttons) {
  return ShowMessageText(parent, ToQString(MessageText(id, arg)), buttons);
}

}  // namespace tesmor
