#include "ui/art/card_images.h"

#include "engine/layout.h"
#include "ui/art/back_patterns.h"
#include "ui/art/card_canvas.h"
#include "ui/art/card_face.h"

#include <QCursor>
#include <QGuiApplication>

#include <algorithm>

namespace tarvelo {
namespace {

const char* const SuitWords[4] = {"spade", "club", "diamond", "heart"};
const char* const RankWords[13] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "b", "v", "h", "a"};

int ClampSize(int sizeIndex) { return std::clamp(sizeIndex, 0, WindowSizeCount - 1); }

std::optional<int> FaceOfWords(const QString& stem) {
  for (int suit = 0; suit < 4; ++suit)
    for (int rank = 0; rank < 13; ++rank)
      if (stem == QLatin1String(SuitWords[suit]) + QLatin1String(RankWords[rank])) return suit * 13 + rank;
  return std::nullopt;
}

std::optional<int> PatternOfWord(const QString& stem) {
  for (int pattern = 0; pattern < PatternCount; ++pattern)
    if (stem == PatternName(pattern)) return pattern;
  return std::nullopt;
}

// Shows the busy cursor for as long as the pictures are being drawn.
class BusyCursor {
 public:
  BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

QString SizeSuffix(int sizeIndex) {
  const std::string_view suffix = WindowSizes[ClampSize(sizeIndex)].Suffix;
  return QString::fromLatin1(suffix.data(), qsizetype(suffix.size()));
}

QString FaceImageName(int imageIndex, int sizeIndex) {
  if (imageIndex == JokerImage) return QStringLiteral("JOKER") + SizeSuffix(sizeIndex);
  const int index = std::clamp(imageIndex, 0, FaceImageCount - 1);
  return (QLatin1String(SuitWords[index / 13]) + QLatin1String(RankWords[index % 13])).toUpper() +
         SizeSuffix(sizeIndex);
}

QString PatternImageName(int pattern, int sizeIndex) { return PatternName(pattern).toUpper() + SizeSuffix(sizeIndex); }

std::optional<TImageName> ParseImageName(const QString& name) {
  const QString lower = name.trimmed().toLower();
  for (int size = 0; size < WindowSizeCount; ++size) {
    const QString suffix = SizeSuffix(size);
    if (!lower.endsWith(suffix)) continue;
    const QString stem = lower.chopped(suffix.size());
    if (stem == QLatin1String("joker")) return TImageName{TImageName::Joker, JokerImage, size};
    if (const auto face = FaceOfWords(stem)) return TImageName{TImageName::Face, *face, size};
    if (const auto pattern = PatternOfWord(stem)) return TImageName{TImageName::Pattern, *pattern, size};
    return std::nullopt;
  }
  return std::nullopt;
}

QPixmap ImageByName(const QString& name, qreal devicePixelRatio) {
  const std::optional<TImageName> parsed = ParseImageName(name);
  if (!parsed) return {};
  const QSize size = CardSizeOf(parsed->sizeIndex);
  return PaintPixmap(size, devicePixelRatio, [&](QPainter& p) {
    if (parsed->kind == TImageName::Pattern)
      DrawPatternBack(p, size, parsed->index);
    else
      DrawCardFace(p, size, parsed->index);
  });
}

QSize CardSizeOf(int sizeIndex) {
  const TWindowSize& size = WindowSizes[ClampSize(sizeIndex)];
  return QSize(size.CardWidth, size.CardHeight);
}

std::vector<QPixmap> BuildCardImages(int sizeIndex, const TCardBacks& backs, qreal devicePixelRatio) {
  BusyCursor busy;
  const int size = ClampSize(sizeIndex);
  std::vector<QPixmap> images;
  images.reserve(CardImageCount);
  for (int face = 0; face <= JokerImage; ++face)
    images.push_back(ImageByName(FaceImageName(face, size), devicePixelRatio));
  for (const TCardBack& back : backs) images.push_back(MakeBackImage(back, CardSizeOf(size), devicePixelRatio));
  return images;
}

std::vector<QPixmap> BuildPatternImages(int sizeIndex, qreal devicePixelRatio) {
  std::vector<QPixmap> patterns;
  for (int pattern = 0; pattern < PatternCount; ++pattern)
    patterns.push_back(ImageByName(PatternImageName(pattern, sizeIndex), devicePixelRatio));
  return patterns;
}

}  // namespace tarvelo
