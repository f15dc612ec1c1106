#pragma once

#include <QPixmap>
#include <QString>
#include <QVariant>

#include <array>
#include <functional>

namespace tarvelo {

// Reads a stored value by its backslash path, or gives `def` when it is not stored;
// and writes one. The table window passes the settings store's own functions.
using SettingsReader = std::function<QVariant(const QString& path, const QVariant& def)>;
using SettingsWriter = std::function<void(const QString& path, const QVariant& value)>;

// Kinds of back; stored as "Cardback\Type" + deck: never renumber.
enum CardBackType { BackColor = 0, BackPattern = 1, BackPicture = 2 };

// The back of one pack.
struct TCardBack {
  int Type = BackColor;
  int Color = 0x000080;  // 0x00BBGGRR
  QString FileName;      // a picture file, for BackPicture
  int Pattern = 0;       // a built-in pattern 0..9, for BackPattern

  bool operator==(const TCardBack&) const = default;
};

// The backs of both packs, indexed by the card's `Deck`.
using TCardBacks = std::array<TCardBack, 2>;

// The stored names of a deck's values: "Cardback\Type0", "Cardback\Color1", ...
QString CardBackKey(const char* value, int deck);

// The store's defaults: plain colour, 0x000080 for deck 0 and 0x004080 for deck 1, pattern 0.
TCardBack StoredBackDefault(int deck);
// Reads deck `deck`'s back, each value defaulting to `defaults`' value. A stored value out
// of range or of the wrong kind gives the default, so no setting can break the backs.
TCardBack ReadCardBack(const SettingsReader& read, int deck, const TCardBack& defaults);
// Both decks with the store's defaults: what the table window starts with.
TCardBacks ReadCardBacks(const SettingsReader& read);
// Writes the deck's type and then only the value that type uses.
void WriteCardBack(const SettingsWriter& write, int deck, const TCardBack& back);

// The back image of `back` at `size` logical pixels. A picture back whose file is
// missing or not a readable picture gives the colour back instead.
QPixmap MakeBackImage(const TCardBack& back, QSize size, qreal devicePixelRatio);
// The plain colour back: a rounded card of `color` with a black 1-pixel outline.
QPixmap MakeColorBack(int color, QSize size, qreal devicePixelRatio);
// The picture file stretched over a card, its corners rounded like every card's;
// a null pixmap when the file cannot be read as a picture.
QPixmap MakePictureBack(const QString& fileName, QSize size, qreal devicePixelRatio);

}  // namespace tarvelo
