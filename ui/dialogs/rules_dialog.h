#pragma once

#include "engine/rules.h"

#include <QDialog>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace tarvelo {

class TGame;

// The rules dialog: edits the thirteen switches between games; while a game is
// in progress it only shows them.
class TfmRules : public QDialog {
  Q_OBJECT
 public:
  enum Page { PageDiscardPile = 0, PageRedThrees = 1, PageCanastas = 2, PageOther = 3 };

  // OK hands the rules to `apply`, which stores them and puts them into force.
  using TApplyRules = std::function<void(const TRuleSettings&)>;
  // page < 0 opens the page that was active when the dialog was last closed.
  TfmRules(const TGame& game, TApplyRules apply, int page = -1, QWidget* parent = nullptr);

  // The rules as the controls show them.
  TRuleSettings ControlRules() const;
  void SetControls(const TRuleSettings& rules);

 private:
  QWidget* DiscardPilePage();
  QWidget* RedThreesPage();
  QWidget* CanastasPage();
  QWidget* OtherPage();
  QCheckBox* Check(const char* name, const QString& caption);
  QButtonGroup* Radio(QWidget* group, const char* name, const QStringList& items);
  void UpdateEnabling();
  void UpdateRequiredCaption();
  void Accept();

  const TGame& game_;
  TApplyRules apply_;
  bool locked_ = false;
  QTabWidget* pages_ = nullptr;
  QCheckBox *ckRequired, *ckAddTop, *ckTopCount, *ckInitFreeze, *ckInitBlock, *ckNaturalPair, *ckAddExisting,
      *ckDrawExtra, *ckFreezeDiscard, *ckBonus, *ckwildcardallowed;
  QButtonGroup *rgGoOut, *rgDrawn;
  QPushButton *bnHoyle, *bnOK, *bnCancel;
  QLabel* lbWarning;
  static int lastPage_;
};

}  // namespace tarvelo
