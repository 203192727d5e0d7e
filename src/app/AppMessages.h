// Message boxes with the program's texts.
#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace tesmor {

enum class MessageButtons { Ok, OkCancel };

// Shows a message; returns true for OK. Replaceable, so that tests can record what
// the program says instead of opening modal boxes.
using MessagePresenter = std::function<bool(QWidget* parent, const QString& text, MessageButtons buttons)>;

// The presenter in use (a modal warning box unless a test replaced it).
MessagePresenter& CurrentMessagePresenter();

bool ShowMessageText(QWidget* parent, const QString& text, MessageButtons buttons = MessageButtons::Ok);

// The message of a string-table id, with %1 replaced by arg.
bool ShowMessage(QWidget* parent, int id, const std::string& arg = {}, MessageButtons buttons = MessageButtons::Ok);

// The message of a string-table id on stderr, for work without a window, with %1
// replaced by arg.
void PrintMessage(int id, const std::string& arg = {});

inline QString ToQString(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
inline std::string ToStdString(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace tesmor
