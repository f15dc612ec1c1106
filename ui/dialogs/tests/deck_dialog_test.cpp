#include "ui/dialogs/deck_dialog.h"

#include "ui/art/card_canvas.h"
#include "ui/art/card_images.h"
#include "ui/testing/fake_back_settings.h"
#include "ui/testing/qt_test_app.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <deque>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using Writes = std::vector<std::pair<QString, QVariant>>;

// The dialog with its three choosers answering from a script instead of opening windows.
class TScriptedDeck : public TfmDeck {
 public:
  using TfmDeck::TfmDeck;
  std::deque<std::optional<QColor>> colors;
  std::deque<std::optional<int>> patterns;
  std::deque<std::optional<QString>> pictures;

 protected:
  std::optional<QColor> ChooseColor(const QColor&) override { return Next(colors); }
  std::optional<int> ChoosePattern(int) override { return Next(patterns); }
  std::optional<QString> ChoosePicture(const QString&) override { return Next(pictures); }

 private:
  template <typename T>
  static T Next(std::deque<T>& answers) {
    if (answers.empty()) return T{};
    T answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

class DeckDialog : public ::testing::Test {
 protected:
  void SetUp() override { TestApp(); }

  std::unique_ptr<TScriptedDeck> Open() {
    auto dialog = std::make_unique<TScriptedDeck>(store.reader(), store.writer());
    QObject::connect(dialog.get(), &TfmDeck::applyBacks, [this](const TCardBacks& backs) { applied.push_back(backs); });
    return dialog;
  }
  template <typename W>
  static W* Child(QWidget& dialog, const char* name) {
    W* widget = dialog.findChild<W*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  static void Click(QWidget& dialog, const char* name) { Child<QAbstractButton>(dialog, name)->click(); }
  static bool ApplyEnabled(QWidget& dialog) { return Child<QPushButton>(dialog, "btApply")->isEnabled(); }
  static QImage Preview(QWidget& dialog) { return Child<QLabel>(dialog, "imgCurrent")->pixmap().toImage(); }
  static QString PictureFile(const QTemporaryDir& dir, const QColor& colour) {
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(colour);
    const QString path = dir.filePath(colour.name().mid(1) + ".png");
    EXPECT_TRUE(picture.save(path));
    return path;
  }

  uitest::TFakeBackSettings store;
  std::vector<TCardBacks> applied;
};

TEST_F(DeckDialog, ShowsItsCaptionsAndKeepsItsSize) {
  auto dialog = Open();
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Select Card Back"));
  const struct {
    const char* name;
    const char* text;
  } captions[] = {
      {"rbDeckOne", "Deck One"},
      {"rbDeckTwo", "Deck Two"},
      {"rbSolidColor", "&Solid Color"},
      {"rbStandardPattern", "S&tandard Pattern"},
      {"rbCustomPattern", "C&ustom Pattern"},
      {"btChange", "&Change..."},
      {"btOK", "OK"},
      {"btApply", "&Apply"},
      {"btCancel", "Cancel"},
  };
  for (const auto& c : captions) EXPECT_EQ(Child<QAbstractButton>(*dialog, c.name)->text(), QLatin1String(c.text));
  EXPECT_EQ(Child<QGroupBox>(*dialog, "rgDeck")->title(), QStringLiteral("Select Deck"));
  EXPECT_EQ(Child<QGroupBox>(*dialog, "rgType")->title(), QStringLiteral("Cardback Type"));
  EXPECT_EQ(Child<QLabel>(*dialog, "imgCurrent")->size(), QSize(53, 81));
  EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
  EXPECT_GE(dialog->minimumWidth(), 274);
  EXPECT_GE(dialog->minimumHeight(), 311);
  EXPECT_TRUE(Child<QRadioButton>(*dialog, "rbDeckOne")->isChecked());
  EXPECT_TRUE(Child<QRadioButton>(*dialog, "rbSolidColor")->isChecked());
}

// An empty store gives deck 1 the colour 0x004080 on the table, but the dialog's own
// default is 0x000080, and OK without a change stores that.
TEST_F(DeckDialog, OkOnAnEmptyStoreWritesTheDialogsDefaults) {
  auto dialog = Open();
  EXPECT_FALSE(ApplyEnabled(*dialog));
  Click(*dialog, "btOK");
  const Writes expected = {
      {"Cardback\\Type0", 0}, {"Cardback\\Color0", 0x000080}, {"Cardback\\Type1", 0}, {"Cardback\\Color1", 0x000080}};
  EXPECT_EQ(store.writes, expected);
  ASSERT_EQ(applied.size(), 1u);
  EXPECT_EQ(applied[0][1].Color, 0x000080);
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(ReadCardBacks(store.reader())[1].Color, 0x000080);
}

TEST_F(DeckDialog, OkWritesOnlyTheValueOfEachDecksType) {
  store.values = {{"Cardback\\Type0", 2},    {"Cardback\\Filename0", "/pictures/cat.bmp"},
                  {"Cardback\\Color0", 5},   {"Cardback\\Type1", 1},
                  {"Cardback\\Pattern1", 6}, {"Cardback\\Filename1", "/x.bmp"}};
  auto dialog = Open();
  EXPECT_TRUE(Child<QRadioButton>(*dialog, "rbCustomPattern")->isChecked());
  Click(*dialog, "rbDeckTwo");
  EXPECT_TRUE(Child<QRadioButton>(*dialog, "rbStandardPattern")->isChecked());
  EXPECT_FALSE(ApplyEnabled(*dialog)) << "choosing which deck to look at changes nothing";
  Click(*dialog, "btOK");
  const Writes expected = {{"Cardback\\Type0", 2},
                           {"Cardback\\Filename0", "/pictures/cat.bmp"},
                           {"Cardback\\Type1", 1},
                           {"Cardback\\Pattern1", 6}};
  EXPECT_EQ(store.writes, expected);
}

TEST_F(DeckDialog, CancelWritesNothing) {
  auto dialog = Open();
  Click(*dialog, "rbStandardPattern");
  Click(*dialog, "btCancel");
  EXPECT_TRUE(store.writes.empty());
  EXPECT_TRUE(applied.empty());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(DeckDialog, ApplyIsEnabledByAChangeAndDisabledByApplyingOrOpening) {
  auto dialog = Open();
  dialog->colors = {std::nullopt, QColor(0, 0, 255)};
  Click(*dialog, "btChange");  // the colour dialog cancelled
  EXPECT_FALSE(ApplyEnabled(*dialog));
  Click(*dialog, "btChange");
  EXPECT_TRUE(ApplyEnabled(*dialog));
  EXPECT_EQ(dialog->backs()[0].Color, 0x00FF0000);

  Click(*dialog, "btApply");
  EXPECT_FALSE(ApplyEnabled(*dialog));
  ASSERT_EQ(applied.size(), 1u);
  EXPECT_EQ(applied[0][0].Color, 0x00FF0000);
  EXPECT_EQ(store.values.value("Cardback\\Color0"), QVariant(0x00FF0000));
  EXPECT_NE(dialog->result(), QDialog::Accepted) << "Apply keeps the dialog open";

  Click(*dialog, "rbDeckTwo");
  Click(*dialog, "rbStandardPattern");
  EXPECT_TRUE(ApplyEnabled(*dialog));
  dialog->show();
  EXPECT_FALSE(ApplyEnabled(*dialog));
  dialog->hide();
}

TEST_F(DeckDialog, ChangeChoosesAPatternForTheSelectedDeck) {
  auto dialog = Open();
  Click(*dialog, "rbDeckTwo");
  Click(*dialog, "rbStandardPattern");
  const std::vector<QPixmap> patterns = BuildPatternImages(1, dialog->devicePixelRatioF());
  EXPECT_EQ(Preview(*dialog), patterns[1].toImage()) << "the dialog's default pattern is 1";
  dialog->patterns = {8};
  Click(*dialog, "btChange");
  EXPECT_EQ(Preview(*dialog), patterns[8].toImage());
  EXPECT_EQ(dialog->backs()[1].Pattern, 8);
  EXPECT_EQ(dialog->backs()[0], TfmDeck::DefaultBack()) << "deck one is untouched";
  Click(*dialog, "btOK");
  EXPECT_EQ(store.values.value("Cardback\\Pattern1"), QVariant(8));
  EXPECT_FALSE(store.values.contains("Cardback\\Pattern0"));
}

TEST_F(DeckDialog, AnUnreadablePictureIsIgnoredAndLeavesThePreview) {
  QTemporaryDir dir;
  const QString blue = PictureFile(dir, QColor(0, 0, 255));
  const QString garbage = dir.filePath("garbage.bmp");
  QFile file(garbage);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a picture");
  file.close();

  auto dialog = Open();
  const QImage colourPreview = Preview(*dialog);
  Click(*dialog, "rbCustomPattern");
  EXPECT_EQ(Preview(*dialog), colourPreview) << "no file yet: the previous preview stays";
  dialog->pictures = {garbage};
  Click(*dialog, "btChange");
  EXPECT_TRUE(dialog->backs()[0].FileName.isEmpty());
  EXPECT_EQ(Preview(*dialog), colourPreview);
  dialog->pictures = {blue};
  Click(*dialog, "btChange");
  EXPECT_EQ(dialog->backs()[0].FileName, blue);
  const QImage preview = Preview(*dialog);
  EXPECT_EQ(preview.pixelColor(preview.width() / 2, preview.height() / 2), QColor(0, 0, 255));
  Click(*dialog, "btOK");
  EXPECT_EQ(store.values.value("Cardback\\Filename0"), QVariant(blue));
}

TEST_F(DeckDialog, PictureFilterOffersEveryReadableFormatAndBitmaps) {
  const QString filter = PictureFileFilter();
  EXPECT_TRUE(filter.startsWith(QStringLiteral("Pictures (")));
  for (const char* format : {"*.bmp", "*.png", "*.jpg"}) EXPECT_TRUE(filter.contains(QLatin1String(format))) << format;
  EXPECT_TRUE(filter.contains(QStringLiteral(";;Bitmaps (*.bmp);;")));
}

}  // namespace
}  // namespace tarvelo
