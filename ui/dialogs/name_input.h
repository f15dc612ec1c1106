#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QLineEdit;

namespace tarvelo {

// An input box for a name of at most 255 characters.
class TNameInput : public QDialog {
  Q_OBJECT
 public:
  TNameInput(const QString& caption, const QString& prompt, const QString& preset, QWidget* parent = nullptr);
  QString Name() const;
  QLineEdit* Edit() const { return edName_; }

 private:
  QLineEdit* edName_;
};

// The name typed, or nullopt when the box was cancelled.
std::optional<QString> AskName(QWidget* parent, const QString& caption, const QString& prompt, const QString& preset);

}  // namespace tarvelo
