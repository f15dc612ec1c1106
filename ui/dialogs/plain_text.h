#pragma once

#include <QMessageBox>
#include <QString>

class QLabel;
class QWidget;

namespace tarvelo {

// Texts that may hold a player's name are shown as typed: "<b>" is no markup
// and "&" no shortcut.
QLabel* PlainLabel(const QString& text, QWidget* parent);
// A modal box in plain text with the program's caption; the button pressed.
QMessageBox::StandardButton PlainBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                     QMessageBox::StandardButtons buttons = QMessageBox::Ok);
inline bool PlainQuestion(QWidget* parent, const QString& text) {
  return PlainBox(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace tarvelo
