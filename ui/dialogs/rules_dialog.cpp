#include "ui/dialogs/rules_dialog.h"

#include "engine/game.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tarvelo {

int TfmRules::lastPage_ = TfmRules::PageDiscardPile;

namespace {
QGroupBox* Group(const QString& title, QWidget* page) {
  auto* group = new QGroupBox(title, page);
  new QVBoxLayout(group);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(group);
  layout->addStretch();
  return group;
}

const char* const RequiredOne = "At least one Canasta required for positive score";
const char* const RequiredTwo = "At least two Canastas required for positive score";
}  // namespace

TfmRules::TfmRules(const TGame& game, TApplyRules apply, int page, QWidget* parent)
    : QDialog(parent), game_(game), apply_(std::move(apply)) {
  setWindowTitle("Rules");
  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  pages_->addTab(DiscardPilePage(), "Discard Pile");
  pages_->addTab(RedThreesPage(), "Red Threes");
  pages_->addTab(CanastasPage(), "Canastas");
  pages_->addTab(OtherPage(), "Other");
  layout->addWidget(pages_);

  lbWarning = new QLabel(
      "The rules cannot be changed now, because a game is in progress. Press OK and then F2 to start a new "
      "game. The current game will be aborted.",
      this);
  lbWarning->setObjectName("lbWarning");
  lbWarning->setWordWrap(true);
  lbWarning->setStyleSheet("color: red");
  layout->addWidget(lbWarning);

  auto* buttons = new QHBoxLayout;
  bnHoyle = new QPushButton("Hoyle Rules", this);
  bnOK = new QPushButton("OK", this);
  bnCancel = new QPushButton("Cancel", this);
  bnHoyle->setObjectName("bnHoyle");
  bnOK->setObjectName("bnOK");
  bnCancel->setObjectName("bnCancel");
  bnOK->setDefault(true);
  buttons->addWidget(bnHoyle);
  buttons->addStretch();
  buttons->addWidget(bnOK);
  buttons->addWidget(bnCancel);
  layout->addLayout(buttons);

  connect(bnHoyle, &QPushButton::clicked, this, [this] { SetControls(HoyleRules()); });
  connect(bnOK, &QPushButton::clicked, this, &TfmRules::Accept);
  connect(bnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(ckInitFreeze, &QCheckBox::toggled, this, &TfmRules::UpdateEnabling);
  connect(ckNaturalPair, &QCheckBox::toggled, this, &TfmRules::UpdateEnabling);
  connect(rgGoOut, &QButtonGroup::idClicked, this, &TfmRules::UpdateRequiredCaption);
  connect(pages_, &QTabWidget::currentChanged, this, [](int index) { lastPage_ = index; });

  SetControls(game_.Rules);
  locked_ = game_.Table.GameInProgress;
  lbWarning->setVisible(locked_);
  UpdateEnabling();
  pages_->setCurrentIndex(page >= 0 && page < pages_->count() ? page : lastPage_);
}

QCheckBox* TfmRules::Check(const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption, this);
  box->setObjectName(name);
  return box;
}

QButtonGroup* TfmRules::Radio(QWidget* group, const char* name, const QStringList& items) {
  auto* buttons = new QButtonGroup(this);
  buttons->setObjectName(name);
  for (int i = 0; i < items.size(); ++i) {
    auto* radio = new QRadioButton(items[i], group);
    buttons->addButton(radio, i);
    group->layout()->addWidget(radio);
  }
  return buttons;
}

QWidget* TfmRules::DiscardPilePage() {
  auto* page = new QWidget;
  QGroupBox* group = Group("Discard Pile options", page);
  ckAddTop = Check("ckAddTop", "&Allow adding top card to melded Canasta");
  ckTopCount = Check("ckTopCount", "&Top card counts for initial meld");
  ckInitFreeze = Check("ckInitFreeze", "&Initially frozen");
  ckInitBlock = Check("ckInitBlock", "&Separately frozen for each player");
  ckNaturalPair = Check("ckNaturalPair", "&Natural pair required for new meld");
  ckAddExisting = Check("ckAddExisting", "Also when adding to existing meld");
  for (QCheckBox* box : {ckAddTop, ckTopCount, ckInitFreeze, ckInitBlock, ckNaturalPair, ckAddExisting})
    group->layout()->addWidget(box);
  // The dependent options sit indented under the option they depend on.
  ckInitBlock->setStyleSheet("margin-left: 18px");
  ckAddExisting->setStyleSheet("margin-left: 18px");
  return page;
}

QWidget* TfmRules::RedThreesPage() {
  auto* page = new QWidget;
  QGroupBox* group = Group("Red Three options", page);
  ckDrawExtra = Check("ckDrawExtra", "&Draw extra card");
  ckFreezeDiscard = Check("ckFreezeDiscard", "&Freeze discard pile");
  group->layout()->addWidget(ckDrawExtra);
  group->layout()->addWidget(ckFreezeDiscard);
  return page;
}

QWidget* TfmRules::CanastasPage() {
  auto* page = new QWidget;
  QGroupBox* group = Group("Canasta options", page);
  ckRequired = Check("ckRequired", "&Canasta(s) required for positive score");
  // Its caption follows the number of canastas to go out; it is as wide as the
  // longer one, so that the dialog keeps its size when the caption changes.
  int widest = 0;
  for (const char* caption : {RequiredOne, RequiredTwo}) {
    ckRequired->setText(caption);
    widest = qMax(widest, ckRequired->sizeHint().width());
  }
  ckRequired->setMinimumWidth(widest);
  ckBonus = Check("ckBonus", "Canasta &bonus counts for initial meld");
  ckwildcardallowed = Check("ckwildcardallowed", "Wildcard Canasta is allowed");
  for (QCheckBox* box : {ckRequired, ckBonus, ckwildcardallowed}) group->layout()->addWidget(box);
  auto* goOut = new QGroupBox("&Number of Canastas needed to go out", group);
  new QVBoxLayout(goOut);
  group->layout()->addWidget(goOut);
  rgGoOut = Radio(goOut, "rgGoOut", {"&One", "&Two"});
  return page;
}

QWidget* TfmRules::OtherPage() {
  auto* page = new QWidget;
  QGroupBox* group = Group("Other options", page);
  auto* drawn = new QGroupBox("Number of &Cards drawn each turn", group);
  new QVBoxLayout(drawn);
  group->layout()->addWidget(drawn);
  rgDrawn = Radio(drawn, "rgDrawn", {"On&e", "T&wo"});
  return page;
}

TRuleSettings TfmRules::ControlRules() const {
  TRuleSettings r;
  for (const TRuleSwitch& s : RuleSwitches) {
    const QString name = QString::fromLatin1(s.Control.data(), static_cast<qsizetype>(s.Control.size()));
    if (s.Flag)
      SetRuleValue(r, s, findChild<QCheckBox*>(name)->isChecked() ? 1 : 0);
    else
      SetRuleValue(r, s, findChild<QButtonGroup*>(name)->checkedId() + 1);
  }
  return r;
}

void TfmRules::SetControls(const TRuleSettings& r) {
  for (const TRuleSwitch& s : RuleSwitches) {
    const QString name = QString::fromLatin1(s.Control.data(), static_cast<qsizetype>(s.Control.size()));
    if (s.Flag)
      findChild<QCheckBox*>(name)->setChecked(RuleValue(r, s) != 0);
    else
      findChild<QButtonGroup*>(name)->button(RuleValue(r, s) > 1 ? 1 : 0)->setChecked(true);
  }
  UpdateRequiredCaption();
}

void TfmRules::UpdateEnabling() {
  for (QCheckBox* box : {ckRequired, ckAddTop, ckTopCount, ckInitFreeze, ckNaturalPair, ckDrawExtra, ckFreezeDiscard,
                         ckBonus, ckwildcardallowed})
    box->setEnabled(!locked_);
  for (QAbstractButton* radio : rgGoOut->buttons() + rgDrawn->buttons()) radio->setEnabled(!locked_);
  bnHoyle->setEnabled(!locked_);
  ckInitBlock->setEnabled(!locked_ && ckInitFreeze->isChecked());
  ckAddExisting->setEnabled(!locked_ && ckNaturalPair->isChecked());
}

void TfmRules::UpdateRequiredCaption() { ckRequired->setText(rgGoOut->checkedId() == 1 ? RequiredTwo : RequiredOne); }

void TfmRules::Accept() {
  // While a game is in progress the controls still show the rules in force,
  // so OK stores and applies what is already there.
  const TRuleSettings rules = ControlRules();
  apply_(rules);
  accept();
}

}  // namespace tarvelo
