#include "ui/dialogs/deck_dialog.h"

#include "ui/art/card_canvas.h"
#include "ui/art/card_images.h"
#include "ui/dialogs/pattern_dialog.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvelo {
namespace {

constexpr int PreviewSize = 1;  // the preview shows the 800x600 card size
// Help topics of the controls, read by the help window through the "helpTopic" property.
constexpr int TopicCurrent = 1018, TopicOk = 1019, TopicCancel = 1020, TopicApply = 1021, TopicType = 1022,
              TopicChange = 1023, TopicDeck = 1084;

QPushButton* MakeButton(const QString& text, const char* name, int topic, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QLatin1String(name));
  button->setProperty("helpTopic", topic);
  return button;
}

// A titled group of radio buttons, numbered from 0 in the order given.
struct Radio {
  const char* name;
  const char* caption;
};
QGroupBox* RadioGroup(const QString& title, const char* name, std::initializer_list<Radio> radios, int topic,
                      QButtonGroup*& group, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(QLatin1String(name));
  box->setProperty("helpTopic", topic);
  group = new QButtonGroup(box);
  auto* layout = new QVBoxLayout(box);
  int id = 0;
  for (const Radio& radio : radios) {
    auto* button = new QRadioButton(QString::fromLatin1(radio.caption), box);
    button->setObjectName(QLatin1String(radio.name));
    group->addButton(button, id++);
    layout->addWidget(button);
  }
  return box;
}

}  // namespace

QString PictureFileFilter() {
  QStringList patterns;
  for (const QByteArray& format : QImageReader::supportedImageFormats())
    patterns << QStringLiteral("*.") + QString::fromLatin1(format);
  return QStringLiteral("Pictures (%1);;Bitmaps (*.bmp);;All files (*)").arg(patterns.join(QLatin1Char(' ')));
}

TCardBack TfmDeck::DefaultBack() {
  TCardBack back;
  back.Type = BackColor;
  back.Color = 0x000080;
  back.Pattern = 1;
  return back;
}

TfmDeck::TfmDeck(SettingsReader read, SettingsWriter write, QWidget* parent)
    : QDialog(parent), read_(std::move(read)), write_(std::move(write)) {
  setWindowTitle(QStringLiteral("Select Card Back"));
  patterns_ = BuildPatternImages(PreviewSize, devicePixelRatioF());
  for (int deck = 0; deck < 2; ++deck) backs_[deck] = ReadCardBack(read_, deck, DefaultBack());
  BuildControls();
  rgDeck_->button(0)->setChecked(true);
  ShowDeck();
}

void TfmDeck::BuildControls() {
  QGroupBox* deckBox = RadioGroup(QStringLiteral("Select Deck"), "rgDeck",
                                  {{"rbDeckOne", "Deck One"}, {"rbDeckTwo", "Deck Two"}}, TopicDeck, rgDeck_, this);
  QGroupBox* typeBox = RadioGroup(QStringLiteral("Cardback Type"), "rgType",
                                  {{"rbSolidColor", "&Solid Color"},
                                   {"rbStandardPattern", "S&tandard Pattern"},
                                   {"rbCustomPattern", "C&ustom Pattern"}},
                                  TopicType, rgType_, this);
  auto* currentBox = new QGroupBox(QStringLiteral("Current Cardback"), this);
  currentBox->setProperty("helpTopic", TopicCurrent);
  imgCurrent_ = new QLabel(currentBox);
  imgCurrent_->setObjectName(QStringLiteral("imgCurrent"));
  imgCurrent_->setFixedSize(CardSizeOf(PreviewSize));
  imgCurrent_->setProperty("helpTopic", TopicCurrent);
  QPushButton* btChange = MakeButton(QStringLiteral("&Change..."), "btChange", TopicChange, currentBox);
  auto* currentLayout = new QVBoxLayout(currentBox);
  currentLayout->addWidget(imgCurrent_, 0, Qt::AlignHCenter);
  currentLayout->addStretch();
  currentLayout->addWidget(btChange);

  QPushButton* btOk = MakeButton(QStringLiteral("OK"), "btOK", TopicOk, this);
  btApply_ = MakeButton(QStringLiteral("&Apply"), "btApply", TopicApply, this);
  QPushButton* btCancel = MakeButton(QStringLiteral("Cancel"), "btCancel", TopicCancel, this);
  btOk->setDefault(true);
  btApply_->setEnabled(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {btOk, btApply_, btCancel}) buttons->addWidget(button);

  auto* layout = new QGridLayout(this);
  layout->addWidget(deckBox, 0, 0);
  layout->addWidget(typeBox, 1, 0);
  layout->addWidget(currentBox, 0, 1, 3, 1);
  layout->setRowStretch(2, 1);
  layout->addLayout(buttons, 3, 0, 1, 2);
  setFixedSize(sizeHint().expandedTo(QSize(274, 311)));

  connect(rgDeck_, &QButtonGroup::idClicked, this, &TfmDeck::DeckClicked);
  connect(rgType_, &QButtonGroup::idClicked, this, &TfmDeck::TypeClicked);
  connect(btChange, &QPushButton::clicked, this, &TfmDeck::ChangeClicked);
  connect(btOk, &QPushButton::clicked, this, &TfmDeck::OkClicked);
  connect(btApply_, &QPushButton::clicked, this, &TfmDeck::ApplyClicked);
  connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmDeck::showEvent(QShowEvent* event) {
  // Each opening starts with nothing to apply.
  if (!event->spontaneous()) btApply_->setEnabled(false);
  QDialog::showEvent(event);
}

void TfmDeck::DeckClicked(int deck) {
  deck_ = deck == 1 ? 1 : 0;
  ShowDeck();
}

void TfmDeck::TypeClicked(int type) {
  if (backs_[deck_].Type == type) return;
  backs_[deck_].Type = type;
  ShowPreview();
  changed();
}

void TfmDeck::ShowDeck() {
  rgType_->button(backs_[deck_].Type)->setChecked(true);
  ShowPreview();
}

void TfmDeck::ShowPreview() {
  const TCardBack& back = backs_[deck_];
  const QSize size = CardSizeOf(PreviewSize);
  QPixmap preview;
  if (back.Type == BackColor)
    preview = MakeColorBack(back.Color, size, devicePixelRatioF());
  else if (back.Type == BackPattern)
    preview = patterns_[std::clamp(back.Pattern, 0, int(patterns_.size()) - 1)];
  else
    preview = MakePictureBack(back.FileName, size, devicePixelRatioF());
  // An unreadable picture leaves the previous preview in place.
  if (!preview.isNull()) imgCurrent_->setPixmap(preview);
}

void TfmDeck::ChangeClicked() {
  TCardBack& back = backs_[deck_];
  if (back.Type == BackColor) {
    const std::optional<QColor> color = ChooseColor(ColorFromBgr(back.Color));
    if (!color || !color->isValid()) return;
    back.Color = BgrFromColor(*color);
  } else if (back.Type == BackPattern) {
    const std::optional<int> pattern = ChoosePattern(back.Pattern);
    if (!pattern || *pattern < 0 || *pattern >= int(patterns_.size())) return;
    back.Pattern = *pattern;
  } else {
    const std::optional<QString> file = ChoosePicture(back.FileName);
    // A file that is not a readable picture is ignored.
    if (!file || MakePictureBack(*file, CardSizeOf(PreviewSize), 1).isNull()) return;
    back.FileName = *file;
  }
  ShowPreview();
  changed();
}

void TfmDeck::changed() { btApply_->setEnabled(true); }

void TfmDeck::WriteBacks() {
  for (int deck = 0; deck < 2; ++deck) WriteCardBack(write_, deck, backs_[deck]);
}

void TfmDeck::OkClicked() {
  WriteBacks();
  emit applyBacks(backs_);
  accept();
}

void TfmDeck::ApplyClicked() {
  WriteBacks();
  emit applyBacks(backs_);
  btApply_->setEnabled(false);
  raise();
  activateWindow();
}

std::optional<QColor> TfmDeck::ChooseColor(const QColor& current) {
  const QColor color = QColorDialog::getColor(current, this);
  if (!color.isValid()) return std::nullopt;
  return color;
}

std::optional<int> TfmDeck::ChoosePattern(int current) {
  TfmPattern chooser(current, patterns_, this);
  if (chooser.exec() != QDialog::Accepted) return std::nullopt;
  return chooser.pattern();
}

std::optional<QString> TfmDeck::ChoosePicture(const QString& current) {
  const QString folder = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
  const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), folder, PictureFileFilter());
  if (file.isEmpty()) return std::nullopt;
  return file;
}

}  // namespace tarvelo
