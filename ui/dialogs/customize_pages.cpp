// The four pages of the customise dialog: their controls and what enables them.
#include "ai/computer_settings.h"
#include "engine/layout.h"
#include "ui/dialogs/customize_dialog.h"
#include "ui/dialogs/plain_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QVBoxLayout>

namespace tarvelo {

namespace {

QGroupBox* Group(const QString& title, QWidget* parent, QLayout* layout) {
  auto* box = new QGroupBox(title, parent);
  box->setLayout(layout);
  return box;
}

QButtonGroup* Radios(QWidget* box, QBoxLayout* layout, const QStringList& captions, const QString& name) {
  auto* group = new QButtonGroup(box);
  group->setObjectName(name);
  for (int id = 0; id < captions.size(); ++id) {
    auto* button = new QRadioButton(captions[id], box);
    group->addButton(button, id);
    layout->addWidget(button);
  }
  return group;
}

QCheckBox* Check(const QString& caption, const char* name, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

// A slider with its end labels below it.
QSlider* Slider(int maximum, int step, const char* low, const char* high, QVBoxLayout* into, QWidget* parent) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setRange(0, maximum);
  slider->setSingleStep(step);
  slider->setPageStep(step);
  slider->setTickInterval(step);
  slider->setTickPosition(QSlider::TicksBelow);
  into->addWidget(slider);
  auto* ends = new QHBoxLayout;
  ends->addWidget(new QLabel(QString::fromLatin1(low), parent));
  ends->addStretch();
  ends->addWidget(new QLabel(QString::fromLatin1(high), parent));
  into->addLayout(ends);
  return slider;
}

QPushButton* Button(const QString& caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

QWidget* TfmCustomize::ScreenPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* colorRow = new QHBoxLayout;
  pnColor_ = new QWidget(page);
  pnColor_->setObjectName("pnColor");
  pnColor_->setFixedSize(60, 24);
  pnColor_->setAutoFillBackground(true);
  auto* change = Button("&Change...", "bnChangeColor", page);
  connect(change, &QPushButton::clicked, this, [this] {
    const QColor chosen = QColorDialog::getColor(color_, this, "Background Color");
    if (chosen.isValid()) SetTableColor(chosen);
  });
  colorRow->addWidget(pnColor_);
  colorRow->addWidget(change);
  colorRow->addStretch();
  layout->addWidget(Group("Background Color", page, colorRow));

  ckStatusbar_ = Check("&Show statusbar", "ckStatusbar", page);
  ckTurns_ = Check("Show my turn/your turn &messages", "ckTurns", page);
  ckHighscores_ = Check("Show &highscores", "ckHighscores", page);
  for (QCheckBox* box : {ckStatusbar_, ckTurns_, ckHighscores_}) layout->addWidget(box);

  auto* sizes = new QVBoxLayout;
  rgSize_ = Radios(page, sizes, {"&640 x 480", "&800 x 600", "&1024 x 768", "1&280 x 1024"}, "rgSize");
  for (QAbstractButton* button : rgSize_->buttons()) button->setEnabled(rgSize_->id(button) <= context_.MaxSizeIndex);
  layout->addWidget(Group("&Window Size", page, sizes));
  layout->addStretch();
  return page;
}

QWidget* TfmCustomize::PlayersPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* currentRow = new QHBoxLayout;
  lbCurrent_ = PlainLabel(QString(), page);
  lbCurrent_->setObjectName("lbCurrent");
  QFont bold = lbCurrent_->font();
  bold.setBold(true);
  lbCurrent_->setFont(bold);
  currentRow->addWidget(lbCurrent_);
  layout->addWidget(Group("Current Player", page, currentRow));

  auto* listRow = new QHBoxLayout;
  lbPlayers_ = new QListWidget(page);
  lbPlayers_->setObjectName("lbPlayers");
  listRow->addWidget(lbPlayers_, 1);
  auto* buttons = new QVBoxLayout;
  auto* bnNew = Button("&New...", "bnNew", page);
  bnRename_ = Button("&Rename...", "bnRename", page);
  bnDelete_ = Button("&Delete", "bnDelete", page);
  bnSetCurrent_ = Button("Set as &Current Player", "bnSetCurrent", page);
  bnResetStats_ = Button("Reset &Stats", "bnResetStats", page);
  for (QPushButton* button : {bnNew, bnRename_, bnDelete_, bnSetCurrent_, bnResetStats_}) buttons->addWidget(button);
  buttons->addStretch();
  listRow->addLayout(buttons);
  layout->addWidget(Group("&Player List", page, listRow));
  ckSelectPlayer_ = Check("Select player when starting Tarvelo", "ckSelectPlayer", page);
  layout->addWidget(ckSelectPlayer_);

  // A name picked with the mouse or the keys.
  connect(lbPlayers_, &QListWidget::currentRowChanged, this, [this](int row) {
    edits_.Select(row);
    UpdateEnabling();
  });
  connect(bnNew, &QPushButton::clicked, this, &TfmCustomize::NewPlayer);
  connect(bnRename_, &QPushButton::clicked, this, &TfmCustomize::RenamePlayer);
  connect(bnDelete_, &QPushButton::clicked, this, &TfmCustomize::DeletePlayer);
  connect(bnSetCurrent_, &QPushButton::clicked, this, &TfmCustomize::SetCurrentPlayer);
  connect(bnResetStats_, &QPushButton::clicked, this, &TfmCustomize::ResetStats);
  return page;
}

QWidget* TfmCustomize::LevelPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* levels = new QVBoxLayout;
  QStringList captions;
  for (const TLevelChoice& choice : LevelChoices) captions << QString::fromLatin1(choice.Caption);
  auto* levelBox = Group("Computer &Level", page, levels);
  levelBox->setObjectName("gbLevel");
  rgLevel_ = Radios(levelBox, levels, captions, "rgLevel");
  levels->addLayout(MasterTimeRow(levelBox));
  layout->addWidget(levelBox);
  lbLevelLocked_ = new QLabel(
      "The level cannot be changed now, because a game is in progress. Press OK and then F2 to start a new game. "
      "The current game will be aborted.",
      page);
  lbLevelLocked_->setObjectName("lbLevelLocked");
  lbLevelLocked_->setWordWrap(true);
  layout->addWidget(lbLevelLocked_);

  auto* aggression = new QVBoxLayout;
  auto* aggressionBox = Group("&Aggressiveness", page, aggression);
  aggressionBox->setObjectName("gbAggressiveness");
  lbAggressiveness_ = new QLabel(aggressionBox);
  lbAggressiveness_->setObjectName("lbAggressiveness");
  lbAggressiveness_->setAlignment(Qt::AlignCenter);
  aggression->addWidget(lbAggressiveness_);
  tbAggressiveness_ = Slider(100, 10, "Low", "High", aggression, aggressionBox);
  tbAggressiveness_->setObjectName("tbAggressiveness");
  layout->addWidget(aggressionBox);
  layout->addStretch();

  connect(rgLevel_, &QButtonGroup::idToggled, this, [this] { UpdateEnabling(); });
  connect(tbAggressiveness_, &QSlider::valueChanged, this,
          [this](int value) { lbAggressiveness_->setText(QString::number(value) + '%'); });
  return page;
}

// The Master's thinking time per decision, shown in seconds, stored in milliseconds.
QLayout* TfmCustomize::MasterTimeRow(QWidget* levelBox) {
  seMasterTime_ = new QDoubleSpinBox(levelBox);
  seMasterTime_->setObjectName("seMasterTime");
  seMasterTime_->setDecimals(1);
  seMasterTime_->setRange(0.1, LongestMasterMilliseconds / 1000.0);
  seMasterTime_->setSingleStep(0.1);
  auto* label = new QLabel("Master's thinking &time (seconds):", levelBox);
  label->setBuddy(seMasterTime_);
  auto* row = new QHBoxLayout;
  row->addSpacing(levelBox->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth));
  row->addWidget(label);
  row->addWidget(seMasterTime_);
  row->addStretch();
  return row;
}

QWidget* TfmCustomize::GeneralPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* discarding = new QVBoxLayout;
  auto* discardingBox = Group("D&iscarding", page, discarding);
  rgDiscarding_ = Radios(discardingBox, discarding, {"&One Right Click", "&Two Right Clicks"}, "rgDiscarding");
  layout->addWidget(discardingBox);

  auto* melding = new QVBoxLayout;
  auto* meldingBox = Group("Computer &Melding", page, melding);
  tbDelay_ = Slider(10, 1, "Slow", "Fast", melding, meldingBox);
  tbDelay_->setObjectName("tbDelay");
  layout->addWidget(meldingBox);

  auto* animation = new QVBoxLayout;
  auto* animationBox = Group("&Card Animation", page, animation);
  ckNoAnimation_ = Check("&No Animation", "ckNoAnimation", animationBox);
  animation->addWidget(ckNoAnimation_);
  tbCardSpeed_ = Slider(10, 1, "Slow", "Fast", animation, animationBox);
  tbCardSpeed_->setObjectName("tbCardSpeed");
  layout->addWidget(animationBox);

  ckAutoSave_ = Check("&AutoSave on Exit and AutoLoad on Start", "ckAutoSave", page);
  layout->addWidget(ckAutoSave_);
  layout->addStretch();
  connect(ckNoAnimation_, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
  return page;
}

void TfmCustomize::SetTableColor(const QColor& color) {
  color_ = color;
  QPalette palette = pnColor_->palette();
  palette.setColor(QPalette::Window, color);
  pnColor_->setPalette(palette);
  Changed();
}

void TfmCustomize::UpdateEnabling() {
  const bool levelFree = !context_.GameInProgress && !context_.NetworkGame;
  for (QAbstractButton* button : rgLevel_->buttons()) button->setEnabled(levelFree);
  lbLevelLocked_->setVisible(!levelFree);
  const int level = Level();
  const bool aggressive = level >= 0 && LevelChoices[level].UsesAggressiveness;
  tbAggressiveness_->parentWidget()->setEnabled(aggressive && levelFree);
  // The thinking time is no rule the opponent agreed to: it can change during a game.
  seMasterTime_->setEnabled(level >= 0 && LevelChoices[level].UsesThinkingTime);
  tbCardSpeed_->setEnabled(!ckNoAnimation_->isChecked());
  const bool selected = edits_.Selected() >= 0;
  bnSetCurrent_->setEnabled(selected);
  bnResetStats_->setEnabled(selected);
  bnRename_->setEnabled(!edits_.Empty());
  bnDelete_->setEnabled(!edits_.Empty());
  ckSelectPlayer_->setEnabled(edits_.List().size() > 1);
}

}  // namespace tarvelo
