#include "ui/art/card_images.h"

#include "ui/art/back_patterns.h"
#include "ui/art/card_canvas.h"
#include "ui/art/card_face.h"
#include "ui/art/card_suits.h"
#include "ui/testing/fake_back_settings.h"
#include "ui/testing/qt_test_app.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cmath>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

class CardImages : public ::testing::Test {
 protected:
  void SetUp() override { TestApp(); }

  static TCardBacks ColourBacks() { return {StoredBackDefault(0), StoredBackDefault(1)}; }
  static QImage Image(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); }
  // The colour at a logical point of a pixmap, whatever its pixel ratio.
  static QColor At(const QPixmap& pixmap, QPointF point) {
    const qreal dpr = pixmap.devicePixelRatio();
    return Image(pixmap).pixelColor(int(point.x() * dpr), int(point.y() * dpr));
  }
};

TEST_F(CardImages, EverySizeGives55ImagesOfItsCardSizeAtEachPixelRatio) {
  for (int size = 0; size < 4; ++size)
    for (const qreal dpr : {1.0, 2.0}) {
      const std::vector<QPixmap> images = BuildCardImages(size, ColourBacks(), dpr);
      ASSERT_EQ(images.size(), size_t(CardImageCount));
      const QSize card = CardSizeOf(size);
      for (int i = 0; i < CardImageCount; ++i) {
        SCOPED_TRACE(::testing::Message() << "size " << size << " dpr " << dpr << " image " << i);
        EXPECT_EQ(images[i].deviceIndependentSize(), QSizeF(card));
        EXPECT_EQ(images[i].size(), card * dpr);
      }
    }
  EXPECT_EQ(CardSizeOf(0), QSize(42, 65));
  EXPECT_EQ(CardSizeOf(1), QSize(53, 81));
  EXPECT_EQ(CardSizeOf(2), QSize(67, 104));
  EXPECT_EQ(CardSizeOf(3), QSize(67, 104));
}

TEST_F(CardImages, FacesAndJokerAreAllDifferent) {
  for (int size = 0; size < 3; ++size) {
    const std::vector<QPixmap> images = BuildCardImages(size, ColourBacks(), 1);
    std::vector<QImage> faces;
    for (int i = 0; i <= JokerImage; ++i) faces.push_back(Image(images[i]));
    for (int a = 0; a < int(faces.size()); ++a)
      for (int b = a + 1; b < int(faces.size()); ++b) EXPECT_NE(faces[a], faces[b]) << size << ": " << a << " " << b;
  }
}

// Stacked cards show only their top 12 pixels (and, upwards, their bottom 12): both strips
// must differ between any two cards, or two cards of a column could not be told apart.
TEST_F(CardImages, EveryCardShowsItselfInItsTopAndBottomStrips) {
  const std::vector<QPixmap> images = BuildCardImages(0, ColourBacks(), 1);
  const QSize card = CardSizeOf(0);
  for (const int top : {0, card.height() - 12}) {
    std::vector<QImage> strips;
    for (int i = 0; i <= JokerImage; ++i) strips.push_back(Image(images[i]).copy(0, top, card.width(), 12));
    for (int a = 0; a < int(strips.size()); ++a)
      for (int b = a + 1; b < int(strips.size()); ++b) EXPECT_NE(strips[a], strips[b]) << top << ": " << a << " " << b;
  }
}

// How much of an area is covered with ink of `color`: a pixel fully in that colour
// counts one, an edge pixel blended with the white card its share.
double InkIn(const QImage& face, const QRect& area, const QColor& color) {
  const double full = 1.0 - color.lightnessF();
  double ink = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) ink += (1.0 - face.pixelColor(x, y).lightnessF()) / full;
  return ink;
}

// In a column only the top 12 pixels of a card show: every rank's index lies wholly in
// that strip, clear of the card's outline and of the picture frame below, and carries
// ink enough to be read, at every size and in every suit.
TEST_F(CardImages, EveryRankIndexIsWholeInTheStripAndLegible) {
  for (int size = 0; size < 3; ++size) {
    const QSize card = CardSizeOf(size);
    const std::vector<QPixmap> images = BuildCardImages(size, ColourBacks(), 1);
    for (int rank = 0; rank < 13; ++rank) {
      SCOPED_TRACE(::testing::Message() << "size " << size << " rank " << RankIndexText(rank));
      const QRectF ink = RankIndexInk(QSizeF(card), rank);
      EXPECT_GE(ink.top(), 1.5);
      EXPECT_GE(ink.left(), 1.5);
      EXPECT_LE(ink.bottom(), 12.0);
      const QRect columns(int(ink.left()), 1, int(std::ceil(ink.right())) - int(ink.left()), 11);
      // No thin bar: as wide as half its height, and a third of its box inked.
      EXPECT_GE(ink.width(), ink.height() / 2);
      const double enough = ink.width() * ink.height() / 3;
      for (int suit = 0; suit < 4; ++suit) {
        const QImage face = Image(images[suit * 13 + rank]);
        EXPECT_GE(InkIn(face, columns, SuitColor(suit)), enough) << "suit " << suit;
        // Below the strip, down to the picture frame, the table of the card stays white.
        EXPECT_LT(InkIn(face, columns.translated(0, 11).adjusted(0, 0, 0, -9), SuitColor(suit)), 0.05)
            << "suit " << suit;
      }
    }
  }
}

TEST_F(CardImages, CornersAreClearAndCentresOpaque) {
  TCardBacks backs = ColourBacks();
  backs[1].Type = BackPattern;
  backs[1].Pattern = 9;
  for (const qreal dpr : {1.0, 2.0}) {
    const std::vector<QPixmap> images = BuildCardImages(1, backs, dpr);
    const QSize card = CardSizeOf(1);
    for (int i = 0; i < CardImageCount; ++i) {
      SCOPED_TRACE(::testing::Message() << "dpr " << dpr << " image " << i);
      EXPECT_EQ(At(images[i], {0, 0}).alpha(), 0);
      EXPECT_EQ(At(images[i], {card.width() - 0.5, card.height() - 0.5}).alpha(), 0);
      EXPECT_EQ(At(images[i], {card.width() / 2.0, card.height() / 2.0}).alpha(), 255);
    }
  }
}

TEST_F(CardImages, TheLargestWindowUsesThe1024Set) {
  const std::vector<QPixmap> large = BuildCardImages(3, ColourBacks(), 1);
  const std::vector<QPixmap> set1024 = BuildCardImages(2, ColourBacks(), 1);
  for (int i = 0; i < CardImageCount; ++i) EXPECT_EQ(Image(large[i]), Image(set1024[i])) << i;
}

TEST_F(CardImages, ColourBackIsTheDeckColourInsideABlackOutline) {
  TCardBacks backs = ColourBacks();
  backs[0].Color = 0x00FF0000;  // blue, stored as 0x00BBGGRR
  const std::vector<QPixmap> images = BuildCardImages(0, backs, 1);
  EXPECT_EQ(At(images[FirstBackImage], {21, 32}), QColor(0, 0, 255));
  EXPECT_EQ(At(images[FirstBackImage + 1], {21, 32}), QColor(0x80, 0x40, 0x00));
  EXPECT_EQ(At(images[FirstBackImage], {0, 32}), QColor(Qt::black));
  EXPECT_EQ(At(images[FirstBackImage], {21, 0}), QColor(Qt::black));
}

TEST_F(CardImages, PictureBackStretchesAReadableFileAndFallsBackToTheColourOtherwise) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QImage green(7, 3, QImage::Format_RGB32);
  green.fill(QColor(0, 200, 0));
  const QString good = dir.filePath("green.bmp");
  ASSERT_TRUE(green.save(good));
  const QString garbage = dir.filePath("garbage.bmp");
  QFile file(garbage);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("BM this is no bitmap at all");
  file.close();
  const QString empty = dir.filePath("empty.png");
  QFile(empty).open(QIODevice::WriteOnly);

  const QColor colour = ColorFromBgr(StoredBackDefault(0).Color);
  const struct {
    QString file;
    QColor centre;
  } cases[] = {
      {good, QColor(0, 200, 0)},          {garbage, colour},   {empty, colour},
      {dir.filePath("gone.bmp"), colour}, {QString(), colour}, {dir.path(), colour},
  };
  for (const auto& c : cases) {
    TCardBacks backs = ColourBacks();
    backs[0].Type = BackPicture;
    backs[0].FileName = c.file;
    for (const qreal dpr : {1.0, 2.0}) {
      const QPixmap back = BuildCardImages(0, backs, dpr)[FirstBackImage];
      EXPECT_EQ(back.deviceIndependentSize(), QSizeF(CardSizeOf(0))) << c.file.toStdString();
      EXPECT_EQ(At(back, {21, 32}), c.centre) << c.file.toStdString();
      EXPECT_EQ(At(back, {0, 0}).alpha(), 0) << c.file.toStdString();
    }
  }
}

// A picture chosen for deck 1 and deleted since: the table shows deck 1's stored colour.
TEST_F(CardImages, ADeletedPictureShowsTheDecksStoredColour) {
  uitest::TFakeBackSettings store;
  store.values = {
      {"Cardback\\Type1", 2}, {"Cardback\\Filename1", "/nowhere/deleted.bmp"}, {"Cardback\\Color1", 0x00123456}};
  const std::vector<QPixmap> images = BuildCardImages(2, ReadCardBacks(store.reader()), 1);
  EXPECT_EQ(At(images[FirstBackImage + 1], {33, 52}), QColor(0x56, 0x34, 0x12));
  EXPECT_EQ(At(images[FirstBackImage], {33, 52}), QColor(0x80, 0x00, 0x00)) << "deck 0 keeps the default colour";
}

TEST_F(CardImages, PatternBacksAreTenDifferentPictures) {
  for (int size = 0; size < 3; ++size) {
    const std::vector<QPixmap> patterns = BuildPatternImages(size, 1);
    ASSERT_EQ(patterns.size(), size_t(PatternCount));
    for (int a = 0; a < PatternCount; ++a) {
      EXPECT_EQ(patterns[a].deviceIndependentSize(), QSizeF(CardSizeOf(size)));
      for (int b = a + 1; b < PatternCount; ++b) EXPECT_NE(Image(patterns[a]), Image(patterns[b])) << a << " " << b;
    }
    TCardBacks backs = ColourBacks();
    backs[1].Type = BackPattern;
    backs[1].Pattern = 4;
    EXPECT_EQ(Image(BuildCardImages(size, backs, 1)[FirstBackImage + 1]), Image(patterns[4]));
  }
}

TEST_F(CardImages, NamesFollowSuitRankAndSizeSuffix) {
  const struct {
    int image, size;
    const char* name;
  } faces[] = {
      {0, 0, "SPADE2640"},   {8, 0, "SPADE10640"},        {9, 1, "SPADEB800"},    {10, 1, "SPADEV800"},
      {11, 2, "SPADEH1024"}, {21, 0, "CLUB10640"},        {26, 1, "DIAMOND2800"}, {51, 2, "HEARTA1024"},
      {51, 3, "HEARTA1024"}, {JokerImage, 1, "JOKER800"},
  };
  for (const auto& c : faces) EXPECT_EQ(FaceImageName(c.image, c.size), QLatin1String(c.name));
  EXPECT_EQ(PatternImageName(0, 0), QLatin1String("BEACH640"));
  EXPECT_EQ(PatternImageName(9, 3), QLatin1String("SHELL1024"));
  EXPECT_EQ(PatternName(5), QLatin1String("pattern1"));
}

TEST_F(CardImages, EveryNameParsesBackToItsPicture) {
  for (int size = 0; size < 3; ++size) {
    for (int image = 0; image <= JokerImage; ++image) {
      const auto parsed = ParseImageName(FaceImageName(image, size).toLower());
      ASSERT_TRUE(parsed) << image;
      EXPECT_EQ(parsed->index, image);
      EXPECT_EQ(parsed->sizeIndex, size);
      EXPECT_EQ(parsed->kind, image == JokerImage ? TImageName::Joker : TImageName::Face);
    }
    for (int pattern = 0; pattern < PatternCount; ++pattern) {
      const auto parsed = ParseImageName(PatternImageName(pattern, size));
      ASSERT_TRUE(parsed) << pattern;
      EXPECT_EQ(parsed->kind, TImageName::Pattern);
      EXPECT_EQ(parsed->index, pattern);
    }
  }
  for (const char* bad : {"", "SPADE2", "SPADE2999", "SPADE1640", "JOKER", "640", "HEARTZ800", "FISH3800"})
    EXPECT_FALSE(ParseImageName(QLatin1String(bad))) << bad;
  EXPECT_TRUE(ImageByName(QStringLiteral("nothing640"), 1).isNull());
  EXPECT_EQ(Image(ImageByName(QStringLiteral("heartA1024"), 1)), Image(BuildCardImages(3, ColourBacks(), 1)[51]));
}

TEST_F(CardImages, BackSettingsReadWithDefaultsAndRejectBadValues) {
  uitest::TFakeBackSettings store;
  const TCardBacks fresh = ReadCardBacks(store.reader());
  EXPECT_EQ(fresh[0], StoredBackDefault(0));
  EXPECT_EQ(fresh[0].Color, 0x000080);
  EXPECT_EQ(fresh[1].Color, 0x004080);
  EXPECT_EQ(fresh[1].Type, BackColor);
  EXPECT_EQ(fresh[1].Pattern, 0);

  store.values = {{"Cardback\\Type0", 7},          {"Cardback\\Color0", "red"}, {"Cardback\\Pattern0", 10},
                  {"Cardback\\Type1", 2},          {"Cardback\\Color1", -5},    {"Cardback\\Pattern1", "3"},
                  {"Cardback\\Filename1", "a.bmp"}};
  const TCardBacks read = ReadCardBacks(store.reader());
  EXPECT_EQ(read[0], StoredBackDefault(0));
  EXPECT_EQ(read[1].Type, BackPicture);
  EXPECT_EQ(read[1].Color, 0x004080);
  EXPECT_EQ(read[1].Pattern, 3);
  EXPECT_EQ(read[1].FileName, QStringLiteral("a.bmp"));
}

TEST_F(CardImages, SelectedStyleDarkensTheCardButKeepsItsCorners) {
  const QPixmap back = MakeColorBack(0x00FFFFFF, CardSizeOf(0), 2);
  const QPixmap selected = SelectedStyle(back, Qt::black);
  EXPECT_EQ(selected.deviceIndependentSize(), back.deviceIndependentSize());
  EXPECT_EQ(At(selected, {0, 0}).alpha(), 0);
  const QColor centre = At(selected, {21, 32});
  EXPECT_NEAR(centre.red(), 128, 2);
  EXPECT_EQ(centre.alpha(), 255);
}

}  // namespace
}  // namespace tarvelo
