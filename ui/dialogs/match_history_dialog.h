#pragma once

#include <QDialog>
#include <QStringList>

namespace tarvelo {

// "Match History": the stored lines, newest first, empty ones included.
class TfmMatchHistory : public QDialog {
  Q_OBJECT
 public:
  explicit TfmMatchHistory(const QStringList& lines, QWidget* parent = nullptr);
};

}  // namespace tarvelo
