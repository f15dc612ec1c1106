#include "ui/dialogs/sound_dialog.h"

#include "sound/sound_files.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tarvelo {

namespace {

// Help topics of the controls, read by the help window through the "helpTopic" property.
constexpr int TopicOk = 1019, TopicCancel = 1020, TopicSound = 1063, TopicEvents = 1064, TopicSounds = 1065,
              TopicPlay = 1066, TopicAdd = 1067, TopicRemove = 1068, TopicDefault = 1069, TopicMusic = 1070,
              TopicMusicType = 1071;

template <class T>
T* Named(T* widget, const char* name, int topic) {
  widget->setObjectName(QLatin1String(name));
  widget->setProperty("helpTopic", topic);
  return widget;
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text);
  label->setBuddy(buddy);
  return label;
}

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TfmSound::TfmSound(TSoundSystem& sound, TSettingsAccess& store, TReplaceSoundKey replaceSoundKey, QWidget* parent)
    : QDialog(parent),
      sound_(sound),
      store_(store),
      replaceSoundKey_(std::move(replaceSoundKey)),
      openedWith_(sound.SoundEvents) {
  setWindowTitle("Tarvelo Sound");
  setFixedSize(416, 292);
  pages_ = new QTabWidget(this);
  pages_->addTab(BuildSoundPage(), "Sound");
  pages_->addTab(BuildMusicPage(), "Music");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  Named(buttons->button(QDialogButtonBox::Ok), "btOK", TopicOk)->setText("OK");
  Named(buttons->button(QDialogButtonBox::Cancel), "btCancel", TopicCancel)->setText("Cancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addWidget(buttons);
  lbEvents_->setCurrentRow(0);
}

QWidget* TfmSound::BuildSoundPage() {
  auto* page = new QWidget;
  ckSound_ = Named(new QCheckBox("&Sound Enabled"), "ckSound", TopicSound);
  ckSound_->setChecked(sound_.SoundOn);
  lbEvents_ = Named(new QListWidget, "lbEvents", TopicEvents);
  for (int e = 0; e < SoundEventCount; ++e) lbEvents_->addItem(Text(std::string(SoundEventName(e))));
  lbEvents_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lbSounds_ = Named(new QListWidget, "lbSounds", TopicSounds);
  lbSounds_->installEventFilter(this);
  btAdd_ = Named(new QPushButton("&Add..."), "btAdd", TopicAdd);
  btPlay_ = Named(new QPushButton("&Play"), "btPlay", TopicPlay);
  btRemove_ = Named(new QPushButton("&Remove"), "btRemove", TopicRemove);
  btDefault_ = Named(new QPushButton("&Default"), "btDefault", TopicDefault);
  connect(lbEvents_, &QListWidget::currentRowChanged, this, [this] { ShowFiles(); });
  connect(lbSounds_, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
  connect(btAdd_, &QPushButton::clicked, this, &TfmSound::AddClicked);
  connect(btPlay_, &QPushButton::clicked, this, &TfmSound::PlayClicked);
  connect(btRemove_, &QPushButton::clicked, this, &TfmSound::RemoveClicked);
  connect(btDefault_, &QPushButton::clicked, this, &TfmSound::DefaultClicked);

  auto* grid = new QGridLayout(page);
  grid->addWidget(ckSound_, 0, 0, 1, 3);
  grid->addWidget(BuddyLabel("Tarvelo &Events", lbEvents_), 1, 0);
  grid->addWidget(BuddyLabel("&Associated Sounds", lbSounds_), 1, 1);
  grid->addWidget(lbEvents_, 2, 0);
  grid->addWidget(lbSounds_, 2, 1);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {btAdd_, btPlay_, btRemove_, btDefault_}) buttons->addWidget(b);
  buttons->addStretch();
  grid->addLayout(buttons, 2, 2);
  // The event names are the longer texts: their list takes the larger share.
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 2);
  return page;
}

QWidget* TfmSound::BuildMusicPage() {
  auto* page = new QWidget;
  ckMusic_ = Named(new QCheckBox("&Music Enabled"), "ckMusic", TopicMusic);
  ckMusic_->setChecked(sound_.Music.MusicOn);
  auto* type = Named(new QGroupBox("Music &Type"), "rgMusicType", TopicMusicType);
  rbFolder_ = Named(new QRadioButton("&Jukebox Folder"), "rbFolder", TopicMusicType);
  rbFile_ = Named(new QRadioButton("&Single Music File"), "rbFile", TopicMusicType);
  (sound_.Music.MusicType == 0 ? rbFile_ : rbFolder_)->setChecked(true);
  edFolder_ = Named(new QLineEdit(Text(sound_.Music.MusicFolder)), "edFolder", TopicMusicType);
  edFile_ = Named(new QLineEdit(Text(sound_.Music.MusicFile)), "edFile", TopicMusicType);
  auto* btFolder = Named(new QPushButton("..."), "btFolder", TopicMusicType);
  auto* btFile = Named(new QPushButton("..."), "btFile", TopicMusicType);
  for (QPushButton* b : {btFolder, btFile}) b->setFixedWidth(28);
  connect(btFolder, &QPushButton::clicked, this, &TfmSound::MusicFolderClicked);
  connect(btFile, &QPushButton::clicked, this, &TfmSound::MusicFileClicked);

  auto* grid = new QGridLayout(type);
  grid->addWidget(rbFolder_, 0, 0, 1, 2);
  grid->addWidget(edFolder_, 1, 0);
  grid->addWidget(btFolder, 1, 1);
  grid->addWidget(rbFile_, 2, 0, 1, 2);
  grid->addWidget(edFile_, 3, 0);
  grid->addWidget(btFile, 3, 1);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(ckMusic_);
  layout->addWidget(type);
  layout->addStretch();
  return page;
}

std::vector<std::string>& TfmSound::EventFiles() {
  return sound_.SoundEvents[static_cast<size_t>(std::max(0, lbEvents_->currentRow()))];
}

void TfmSound::ShowFiles(int select) {
  lbSounds_->clear();
  // A file of the user's own shows its name like the built-in ones; where it lies is its tooltip.
  for (const std::string& file : EventFiles()) {
    auto* item = new QListWidgetItem(QFileInfo(Text(file)).fileName(), lbSounds_);
    if (Text(file).contains(u'/')) item->setToolTip(Text(file));
  }
  if (lbSounds_->count() > 0) lbSounds_->setCurrentRow(std::clamp(select, 0, lbSounds_->count() - 1));
  UpdateButtons();
}

void TfmSound::UpdateButtons() {
  btAdd_->setEnabled(static_cast<int>(EventFiles().size()) < MaxSoundsPerEvent);
  const bool selected = lbSounds_->currentRow() >= 0;
  btPlay_->setEnabled(selected);
  btRemove_->setEnabled(selected);
}

void TfmSound::AddClicked() {
  if (!btAdd_->isEnabled()) return;
  const std::optional<QString> file = ChooseSoundFile();
  if (!file || file->isEmpty()) return;
  EventFiles().push_back(file->toStdString());
  ShowFiles(static_cast<int>(EventFiles().size()) - 1);
}

void TfmSound::RemoveClicked() {
  const int row = lbSounds_->currentRow();
  std::vector<std::string>& files = EventFiles();
  if (row < 0 || row >= static_cast<int>(files.size())) return;
  files.erase(files.begin() + row);
  ShowFiles(row);
}

void TfmSound::DefaultClicked() {
  EventFiles() = BuiltInSounds(lbEvents_->currentRow());
  ShowFiles();
}

void TfmSound::PlayClicked() {
  const int row = lbSounds_->currentRow();
  if (row >= 0 && row < static_cast<int>(EventFiles().size())) sound_.PlayFile(EventFiles()[static_cast<size_t>(row)]);
}

void TfmSound::MusicFileClicked() {
  const QString current = Text(ResolveSoundFile(edFile_->text().toStdString(), sound_.DataFolder()));
  const std::optional<QString> file = ChooseMusicFile(QFileInfo(current).absolutePath());
  if (!file || file->isEmpty()) return;
  edFile_->setText(*file);  // as chosen: Linux names keep their case
  rbFile_->setChecked(true);
}

void TfmSound::MusicFolderClicked() {
  const std::optional<QString> folder = ChooseMusicFolder(edFolder_->text());
  if (!folder || folder->isEmpty()) return;
  edFolder_->setText(*folder);
  rbFolder_->setChecked(true);
}

std::optional<QString> TfmSound::ChooseSoundFile() {
  QFileDialog dialog(this, "Select Sound File", Text(sound_.DataFolder()), SoundFileFilter);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix("wav");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

std::optional<QString> TfmSound::ChooseMusicFile(const QString& startFolder) {
  QFileDialog dialog(this, "Select Music File", startFolder, MusicFileFilter);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

std::optional<QString> TfmSound::ChooseMusicFolder(const QString& startFolder) {
  const QString folder = QFileDialog::getExistingDirectory(this, "Select Jukebox folder", startFolder);
  if (folder.isEmpty()) return std::nullopt;
  return folder;
}

bool TfmSound::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lbSounds_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Insert) {
      AddClicked();
      return true;
    }
    if (key == Qt::Key_Delete) {
      RemoveClicked();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TfmSound::accept() {
  sound_.SoundOn = ckSound_->isChecked();
  sound_.Music.MusicOn = ckMusic_->isChecked();
  sound_.Music.MusicType = rbFile_->isChecked() ? 0 : 1;
  sound_.Music.MusicFile = edFile_->text().toStdString();
  std::string folder = edFolder_->text().toStdString();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  sound_.Music.MusicFolder = folder;
  SaveSoundSettings(sound_, store_, replaceSoundKey_);
  sound_.RestartMusic();
  QDialog::accept();
}

void TfmSound::reject() {
  // A user reads "Cancel" as "nothing happened": the table in effect goes back too.
  sound_.SoundEvents = openedWith_;
  QDialog::reject();
}

}  // namespace tarvelo
