#include "ui/dialogs/customize_dialog.h"

#include "ai/computer_settings.h"
#include "store/setting_keys.h"
#include "store/statistics.h"
#include "ui/art/card_canvas.h"
#include "ui/dialogs/name_input.h"
#include "ui/dialogs/plain_text.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

namespace tarvelo {

int TfmCustomize::LastPage = TfmCustomize::PageScreen;

TfmCustomize::TfmCustomize(TSettingsAccess& settings, TStatistics& statistics, TCustomizeContext context, int page,
                           QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      statistics_(statistics),
      context_(std::move(context)),
      edits_(statistics.Profiles) {
  setWindowTitle("Customize Tarvelo");
  resize(400, 440);
  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  pages_->setObjectName("pcPages");
  pages_->addTab(ScreenPage(), "Screen");
  pages_->addTab(PlayersPage(), "Players");
  pages_->addTab(LevelPage(), "Level");
  pages_->addTab(GeneralPage(), "General");
  layout->addWidget(pages_);
  auto* buttons = new QDialogButtonBox(this);
  auto* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
  ok->setObjectName("bnOK");
  ok->setDefault(true);
  buttons->addButton("Cancel", QDialogButtonBox::RejectRole)->setObjectName("bnCancel");
  bnApply_ = buttons->addButton("&Apply", QDialogButtonBox::ApplyRole);
  bnApply_->setObjectName("bnApply");
  layout->addWidget(buttons);
  connect(ok, &QPushButton::clicked, this, [this] {
    Confirm();
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(bnApply_, &QPushButton::clicked, this, &TfmCustomize::Apply);

  ReadSettings();
  UpdatePlayers();
  pages_->setCurrentIndex(page >= 0 && page < pages_->count() ? page : LastPage);
  // Any change made from here on enables "&Apply".
  for (QButtonGroup* group : {rgSize_, rgLevel_, rgDiscarding_})
    connect(group, &QButtonGroup::idToggled, this, [this] { Changed(); });
  for (QCheckBox* box : {ckStatusbar_, ckTurns_, ckHighscores_, ckSelectPlayer_, ckNoAnimation_, ckAutoSave_})
    connect(box, &QCheckBox::toggled, this, [this] { Changed(); });
  for (QSlider* slider : {tbAggressiveness_, tbDelay_, tbCardSpeed_})
    connect(slider, &QSlider::valueChanged, this, [this] { Changed(); });
  connect(seMasterTime_, &QDoubleSpinBox::valueChanged, this, [this] { Changed(); });
  bnApply_->setEnabled(false);
}

void TfmCustomize::ReadSettings() {
  SetTableColor(ColorFromBgr(ReadSetting(settings_, Setting::BackgroundColor)));
  ckStatusbar_->setChecked(ReadSetting(settings_, Setting::ShowStatusbar));
  ckTurns_->setChecked(ReadSetting(settings_, Setting::ShowTurns));
  ckHighscores_->setChecked(ReadSetting(settings_, Setting::ShowHighscores));
  rgSize_->button(std::clamp(context_.SizeIndex, 0, 3))->setChecked(true);
  const std::string level = settings_.ReadString(ComputerKey::Level, "Beginner");
  // A level this dialog does not offer shows as the one the computer plays for it.
  int levelId = UnknownLevelChoice;
  for (std::size_t i = 0; i < LevelChoices.size(); ++i)
    if (level == LevelChoices[i].Stored) levelId = static_cast<int>(i);
  rgLevel_->button(levelId)->setChecked(true);
  tbAggressiveness_->setValue(std::clamp(settings_.ReadInt(ComputerKey::Aggression, DefaultAggressiveness), 0, 100));
  lbAggressiveness_->setText(QString::number(tbAggressiveness_->value()) + '%');
  seMasterTime_->setValue(ReadComputerSettings(settings_).MasterMilliseconds / 1000.0);
  masterTimeShown_ = seMasterTime_->value();
  const bool single = ReadSetting(settings_, Setting::MouseOptions) == Setting::MouseOptions.Default;
  rgDiscarding_->button(single ? 0 : 1)->setChecked(true);
  tbDelay_->setValue(SliderFromMeldDelay(settings_.ReadInt(ComputerKey::Delay, DefaultMeldDelay)));
  ckNoAnimation_->setChecked(!ReadSetting(settings_, Setting::CardMovement));
  tbCardSpeed_->setValue(std::clamp(ReadSetting(settings_, Setting::CardSpeed), 0, 10));
  ckAutoSave_->setChecked(ReadSetting(settings_, Setting::AutoSave));
  ckSelectPlayer_->setChecked(ReadSetting(settings_, Setting::SelectPlayerOnStartup));
}

int TfmCustomize::ChosenSizeIndex() const { return rgSize_->checkedId(); }

int TfmCustomize::Level() const { return rgLevel_->checkedId(); }

void TfmCustomize::Changed() {
  if (bnApply_) bnApply_->setEnabled(true);
}

void TfmCustomize::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  bnApply_->setEnabled(false);
}

void TfmCustomize::done(int result) {
  LastPage = pages_->currentIndex();
  QDialog::done(result);
}

// The steps of OK and Apply, in their order.
void TfmCustomize::Confirm() {
  WriteSetting(settings_, Setting::BackgroundColor, BgrFromColor(color_));
  context_.SizeIndex = ChosenSizeIndex();
  if (!context_.NetworkGame && Level() >= 0) settings_.WriteString(ComputerKey::Level, LevelChoices[Level()].Stored);
  settings_.WriteInt(ComputerKey::Aggression, tbAggressiveness_->value());
  if (seMasterTime_->value() != masterTimeShown_) {
    settings_.WriteInt(ComputerKey::MasterTime, static_cast<int>(std::lround(seMasterTime_->value() * 1000)));
    masterTimeShown_ = seMasterTime_->value();
  }
  WriteSetting(settings_, Setting::MouseOptions,
               rgDiscarding_->checkedId() == 0 ? "Single Right Click" : "Double Right Click");
  settings_.WriteInt(ComputerKey::Delay, MeldDelayFromSlider(tbDelay_->value()));
  WriteSetting(settings_, Setting::AutoSave, ckAutoSave_->isChecked());
  if (!ckAutoSave_->isChecked() && !context_.AutoSaveFile.isEmpty()) QFile::remove(context_.AutoSaveFile);
  WriteSetting(settings_, Setting::ShowStatusbar, ckStatusbar_->isChecked());
  statistics_.ReplaceProfiles(edits_.Result());
  WriteSetting(settings_, Setting::CardMovement, !ckNoAnimation_->isChecked());
  WriteSetting(settings_, Setting::CardSpeed, tbCardSpeed_->value());
  WriteSetting(settings_, Setting::ShowHighscores, ckHighscores_->isChecked());
  WriteSetting(settings_, Setting::ShowTurns, ckTurns_->isChecked());
  WriteSetting(settings_, Setting::SelectPlayerOnStartup, ckSelectPlayer_->isChecked());
}

void TfmCustomize::Apply() {
  Confirm();
  if (context_.ApplyWindow) context_.ApplyWindow(context_.SizeIndex);
  bnApply_->setEnabled(false);
  raise();
  activateWindow();
}

// --- The Players page

void TfmCustomize::UpdatePlayers() {
  lbCurrent_->setText(edits_.CurrentName());
  // Refilled quietly: the list's own row changes are no choice of the user's.
  const QSignalBlocker quiet(lbPlayers_);
  lbPlayers_->clear();
  for (const TPlayerProfile& profile : edits_.List()) lbPlayers_->addItem(profile.Name);
  lbPlayers_->setCurrentRow(edits_.Selected());
  UpdateEnabling();
}

bool TfmCustomize::AcceptedName(TProfileEdits::TNameCheck check) {
  if (check == TProfileEdits::TNameCheck::Comma)
    PlainBox(this, QMessageBox::Warning, "Please do not use commas in the name.");
  if (check != TProfileEdits::TNameCheck::Accepted) return false;
  UpdatePlayers();
  Changed();
  return true;
}

void TfmCustomize::NewPlayer() {
  const std::optional<QString> name = AskName(this, "New Player", "Enter the name of the new player:", QString());
  if (name) AcceptedName(edits_.Add(*name));
}

void TfmCustomize::RenamePlayer() {
  const int index = edits_.Selected() >= 0 ? edits_.Selected() : edits_.CurrentIndex();
  if (index < 0) return;
  const std::optional<QString> name =
      AskName(this, "Rename Player", "Enter the new name of the player:", edits_.List()[index].Name);
  if (name) AcceptedName(edits_.Rename(index, *name));
}

void TfmCustomize::DeletePlayer() {
  const int index = edits_.Selected() >= 0 ? edits_.Selected() : edits_.CurrentIndex();
  if (index < 0) return;
  if (!PlainQuestion(this, "Do you want to delete the player " + edits_.List()[index].Name + "?")) return;
  edits_.Delete(index);
  UpdatePlayers();
  Changed();
}

void TfmCustomize::SetCurrentPlayer() {
  edits_.SetCurrent(edits_.Selected());
  UpdatePlayers();
  Changed();
}

void TfmCustomize::ResetStats() {
  const int index = edits_.Selected();
  if (index < 0) return;
  if (!PlainQuestion(this,
                     "Do you want to reset the win ratio statistics for player " + edits_.List()[index].Name + "?"))
    return;
  edits_.ResetStats(index);
}

}  // namespace tarvelo
