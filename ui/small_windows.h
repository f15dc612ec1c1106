#pragma once

#include <QDialog>
#include <QWidget>

namespace tarvelo {

// The borderless start-up window: the program's name, the desktop it runs on
// and the version.
class TfmSplash : public QWidget {
  Q_OBJECT
 public:
  explicit TfmSplash(QWidget* parent = nullptr);
  static QString DesktopName();

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The borderless notice of who draws first; activating it raises the table.
class TfmWhoseTurn : public QWidget {
  Q_OBJECT
 public:
  TfmWhoseTurn(const QString& text, QWidget* table);
  QString Text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString text_;
  QWidget* table_;
};

// "About Tarvelo".
class TfmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TfmAbout(QWidget* parent = nullptr);
};

}  // namespace tarvelo
