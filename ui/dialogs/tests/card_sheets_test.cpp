// Writes every card picture, and every back pattern, as PNG sheets under the build
// folder's artifacts/cards, for a person to look over, with the two back dialogs.
// Checks that each sheet was written whole.
#include "ui/art/back_patterns.h"
#include "ui/art/card_images.h"
#include "ui/dialogs/deck_dialog.h"
#include "ui/dialogs/pattern_dialog.h"
#include "ui/testing/fake_back_settings.h"
#include "ui/testing/qt_test_app.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

QString SheetFolder() {
  const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/../artifacts/cards");
  QDir().mkpath(folder);
  return QDir(folder).absolutePath();
}

// Thirteen cards a row: the four suits, then the joker and both backs; then the patterns.
QImage Sheet(int sizeIndex, qreal dpr) {
  TCardBacks backs{StoredBackDefault(0), StoredBackDefault(1)};
  backs[1].Type = BackPattern;
  backs[1].Pattern = 7;
  const std::vector<QPixmap> cards = BuildCardImages(sizeIndex, backs, dpr);
  const std::vector<QPixmap> patterns = BuildPatternImages(sizeIndex, dpr);
  const QSize card = CardSizeOf(sizeIndex);
  const int gap = 6, columns = 13, rows = 7;
  QImage sheet(QSize(gap + columns * (card.width() + gap), gap + rows * (card.height() + gap)) * dpr,
               QImage::Format_ARGB32_Premultiplied);
  sheet.setDevicePixelRatio(dpr);
  sheet.fill(QColor(0, 128, 0));
  QPainter painter(&sheet);
  auto place = [&](int slot, const QPixmap& image) {
    painter.drawPixmap(gap + (slot % columns) * (card.width() + gap), gap + (slot / columns) * (card.height() + gap),
                       image);
  };
  for (int i = 0; i < CardImageCount; ++i) place(i, cards[i]);
  for (int i = 0; i < PatternCount; ++i) place(5 * columns + (i < 5 ? i : i + columns - 5), patterns[i]);
  return sheet;
}

TEST(CardSheets, WritesEverySizeForReview) {
  TestApp();
  const QString folder = SheetFolder();
  for (int size = 0; size < 3; ++size)
    for (const qreal dpr : {1.0, 2.0}) {
      const QImage sheet = Sheet(size, dpr);
      const QString path = QStringLiteral("%1/cards-%2%3.png").arg(folder, SizeSuffix(size), dpr > 1 ? "@2x" : "");
      ASSERT_TRUE(sheet.save(path)) << path.toStdString();
      EXPECT_EQ(QImage(path).size(), sheet.size()) << path.toStdString();
    }
}

TEST(CardSheets, WritesTheBackDialogsForReview) {
  TestApp();
  const QString folder = SheetFolder();
  uitest::TFakeBackSettings store;
  store.values = {{"Cardback\\Type0", 1}, {"Cardback\\Pattern0", 8}};
  TfmDeck deck(store.reader(), store.writer());
  TfmPattern pattern(8);
  for (QDialog* dialog : {static_cast<QDialog*>(&deck), static_cast<QDialog*>(&pattern)}) {
    dialog->show();
    const QPixmap shot = dialog->grab();
    const QString path = folder + (dialog == &deck ? "/deck-dialog.png" : "/pattern-dialog.png");
    ASSERT_TRUE(shot.save(path)) << path.toStdString();
    EXPECT_EQ(QImage(path).size(), dialog->size() * shot.devicePixelRatio());
    dialog->hide();
  }
}

}  // namespace
}  // namespace tarvelo
