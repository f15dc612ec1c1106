#pragma once

#include "ui/art/card_back.h"

#include <QColor>
#include <QDialog>
#include <QPixmap>

#include <optional>
#include <vector>

class QButtonGroup;
class QLabel;
class QPushButton;

namespace tarvelo {

// "Select Card Back": chooses the back of each of the two packs. It reads both backs
// through `read` when created, writes them through `write` on OK and on "&Apply", and
// then emits applyBacks so that the table shows them.
class TfmDeck : public QDialog {
  Q_OBJECT
 public:
  TfmDeck(SettingsReader read, SettingsWriter write, QWidget* parent = nullptr);

  // The dialog's own defaults for a value that is not stored: colour 0x000080, pattern 1.
  static TCardBack DefaultBack();
  // The working copy of both backs, as the dialog shows them.
  const TCardBacks& backs() const { return backs_; }
  int deck() const { return deck_; }

 signals:
  void applyBacks(const tarvelo::TCardBacks& backs);

 protected:
  // The three choosers behind "&Change..."; nothing when the user cancels.
  virtual std::optional<QColor> ChooseColor(const QColor& current);
  virtual std::optional<int> ChoosePattern(int current);
  virtual std::optional<QString> ChoosePicture(const QString& current);
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void DeckClicked(int deck);
  void TypeClicked(int type);
  void ChangeClicked();
  void OkClicked();
  void ApplyClicked();
  void ShowDeck();
  void ShowPreview();
  void changed();
  void WriteBacks();

  SettingsReader read_;
  SettingsWriter write_;
  TCardBacks backs_;
  int deck_ = 0;
  std::vector<QPixmap> patterns_;  // the ten patterns at the 800x600 card size
  QButtonGroup* rgDeck_ = nullptr;
  QButtonGroup* rgType_ = nullptr;
  QLabel* imgCurrent_ = nullptr;
  QPushButton* btApply_ = nullptr;
};

// The file filter of the picture chooser: every picture format this system can read,
// then bitmaps alone, then every file.
QString PictureFileFilter();

}  // namespace tarvelo
