#pragma once

#include "engine/settings_access.h"
#include "store/profile_edits.h"

#include <QColor>
#include <QDialog>
#include <QString>

#include <array>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QLayout;
class QListWidget;
class QPushButton;
class QSlider;
class QTabWidget;

namespace tarvelo {

class TStatistics;

// The choices of "Computer &Level", in order: the caption and the stored text
// of "Settings\Level"; the aggressiveness slider belongs to the levels that read it,
// the thinking time to the one that searches.
struct TLevelChoice {
  const char* Caption;
  const char* Stored;
  bool UsesAggressiveness;
  bool UsesThinkingTime = false;
};
inline constexpr std::array LevelChoices = {
    TLevelChoice{"&Beginner", "Beginner", false},
    TLevelChoice{"&Advanced", "Advanced", false},
    TLevelChoice{"&Expert", "Expert", true},
    TLevelChoice{"&Master", "Master", false, true},
};
// The choice shown for a stored text no choice has: the level the computer plays then.
inline constexpr int UnknownLevelChoice = 2;

// What the dialog needs of the table window.
struct TCustomizeContext {
  int SizeIndex = 0;
  int MaxSizeIndex = 3;  // larger sizes do not fit the screen
  bool GameInProgress = false;
  bool NetworkGame = false;                        // the level stays as it is
  QString AutoSaveFile;                            // removed when auto-save is turned off
  std::function<void(int sizeIndex)> ApplyWindow;  // "&Apply": size, colour, status bar, discarding at once
};

// "Customize Tarvelo": the pages Screen, Players, Level and General. Profile
// edits work on a copy until OK or Apply.
class TfmCustomize : public QDialog {
  Q_OBJECT
 public:
  enum TPage { PageScreen = 0, PagePlayers = 1, PageLevel = 2, PageGeneral = 3 };
  // page: one of TPage, or -1 for the page active when the dialog was last closed.
  TfmCustomize(TSettingsAccess& settings, TStatistics& statistics, TCustomizeContext context, int page = -1,
               QWidget* parent = nullptr);

  // The page to open on when none is asked for.
  static int LastPage;

  int ChosenSizeIndex() const;
  TProfileEdits& Edits() { return edits_; }
  QTabWidget* Pages() const { return pages_; }
  QColor TableColor() const { return color_; }
  void SetTableColor(const QColor& color);
  // OK and Apply: the dialog's values are stored and the profiles written.
  void Confirm();

  // Each Players-page button, as its click runs it.
  void NewPlayer();
  void RenamePlayer();
  void DeletePlayer();
  void SetCurrentPlayer();
  void ResetStats();

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* ScreenPage();
  QWidget* PlayersPage();
  QWidget* LevelPage();
  QLayout* MasterTimeRow(QWidget* levelBox);
  QWidget* GeneralPage();
  void ReadSettings();
  void Changed();
  void UpdatePlayers();
  void UpdateEnabling();
  int Level() const;
  bool AcceptedName(TProfileEdits::TNameCheck check);
  void Apply();

  TSettingsAccess& settings_;
  TStatistics& statistics_;
  TCustomizeContext context_;
  TProfileEdits edits_;
  QColor color_;
  QTabWidget* pages_ = nullptr;
  QPushButton* bnApply_ = nullptr;
  QWidget* pnColor_ = nullptr;
  QCheckBox* ckStatusbar_ = nullptr;
  QCheckBox* ckTurns_ = nullptr;
  QCheckBox* ckHighscores_ = nullptr;
  QButtonGroup* rgSize_ = nullptr;
  QLabel* lbCurrent_ = nullptr;
  QListWidget* lbPlayers_ = nullptr;
  QPushButton* bnSetCurrent_ = nullptr;
  QPushButton* bnResetStats_ = nullptr;
  QPushButton* bnRename_ = nullptr;
  QPushButton* bnDelete_ = nullptr;
  QCheckBox* ckSelectPlayer_ = nullptr;
  QButtonGroup* rgLevel_ = nullptr;
  QLabel* lbLevelLocked_ = nullptr;
  QSlider* tbAggressiveness_ = nullptr;
  QLabel* lbAggressiveness_ = nullptr;
  QDoubleSpinBox* seMasterTime_ = nullptr;
  double masterTimeShown_ = 0;  // as read: the stored milliseconds stay unless the box is changed
  QButtonGroup* rgDiscarding_ = nullptr;
  QSlider* tbDelay_ = nullptr;
  QCheckBox* ckNoAnimation_ = nullptr;
  QSlider* tbCardSpeed_ = nullptr;
  QCheckBox* ckAutoSave_ = nullptr;
};

}  // namespace tarvelo
