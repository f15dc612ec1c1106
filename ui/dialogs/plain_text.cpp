#include "ui/dialogs/plain_text.h"

#include <QLabel>

namespace tarvelo {

QLabel* PlainLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  return label;
}

QMessageBox::StandardButton PlainBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                     QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, QStringLiteral("Tarvelo"), QString(), buttons, parent);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  box.setObjectName(QStringLiteral("PlainBox"));
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace tarvelo
