#pragma once

#include "ui/art/card_back.h"

#include <QPixmap>
#include <QString>

#include <optional>
#include <vector>

namespace tarvelo {

// What a card picture's name names: "HEARTA1024" is the ace of hearts (image 51) of the
// 1024 set. Names are matched without regard to case.
struct TImageName {
  enum Kind { Face, Joker, Pattern } kind = Face;
  int index = 0;      // face image 0..51, or pattern 0..9
  int sizeIndex = 0;  // the first window size that uses the set (0, 1 or 2)
};

// The suffix of the picture set a window size uses: "640", "800" or "1024"
// (the 1280x1024 window uses the 1024 set).
QString SizeSuffix(int sizeIndex);
// "SPADE2640" .. "HEARTA1024", and "JOKER800" for image 52.
QString FaceImageName(int imageIndex, int sizeIndex);
// "BEACH640" .. "SHELL1024".
QString PatternImageName(int pattern, int sizeIndex);
std::optional<TImageName> ParseImageName(const QString& name);
// The picture a name names, drawn at its set's card size; null for a name that names none.
QPixmap ImageByName(const QString& name, qreal devicePixelRatio);

// The card size of a window size index (others taken as the nearest size).
QSize CardSizeOf(int sizeIndex);

// The card pictures the table draws from, in this order: faces 0..51 (a card's `Id` - 1),
// the joker 52, and the backs of deck 0 and deck 1 at 53 and 54 (53 + the card's `Deck`).
constexpr int CardImageCount = 55;
constexpr int FirstBackImage = 53;

// All 55 pictures for window size `sizeIndex` (0..3) with the backs `backs`, crisp at
// `devicePixelRatio`. Card corners are transparent.
std::vector<QPixmap> BuildCardImages(int sizeIndex, const TCardBacks& backs, qreal devicePixelRatio);

// The ten built-in patterns at window size `sizeIndex`, as the back chooser shows them.
std::vector<QPixmap> BuildPatternImages(int sizeIndex, qreal devicePixelRatio);

}  // namespace tarvelo
