#include "ui/art/card_back.h"

#include "ui/art/back_patterns.h"
#include "ui/art/card_canvas.h"

#include <QImage>
#include <QImageReader>

#include <cmath>

namespace tarvelo {
namespace {

// The stored integer at `path`, or `def` when it is missing, not a number or outside lo..hi.
int ReadInt(const SettingsReader& read, const QString& path, int def, int lo, int hi) {
  bool ok = false;
  const int value = read(path, def).toInt(&ok);
  return ok && value >= lo && value <= hi ? value : def;
}

}  // namespace

QString CardBackKey(const char* value, int deck) {
  return QStringLiteral("Cardback\\%1%2").arg(QLatin1String(value)).arg(deck);
}

TCardBack StoredBackDefault(int deck) {
  TCardBack back;
  back.Color = deck == 0 ? 0x000080 : 0x004080;
  return back;
}

TCardBack ReadCardBack(const SettingsReader& read, int deck, const TCardBack& defaults) {
  TCardBack back;
  back.Type = ReadInt(read, CardBackKey("Type", deck), defaults.Type, BackColor, BackPicture);
  back.Color = ReadInt(read, CardBackKey("Color", deck), defaults.Color, 0, 0xFFFFFF);
  back.Pattern = ReadInt(read, CardBackKey("Pattern", deck), defaults.Pattern, 0, PatternCount - 1);
  back.FileName = read(CardBackKey("Filename", deck), defaults.FileName).toString();
  return back;
}

TCardBacks ReadCardBacks(const SettingsReader& read) {
  return {ReadCardBack(read, 0, StoredBackDefault(0)), ReadCardBack(read, 1, StoredBackDefault(1))};
}

void WriteCardBack(const SettingsWriter& write, int deck, const TCardBack& back) {
  write(CardBackKey("Type", deck), back.Type);
  if (back.Type == BackPattern)
    write(CardBackKey("Pattern", deck), back.Pattern);
  else if (back.Type == BackPicture)
    write(CardBackKey("Filename", deck), back.FileName);
  else
    write(CardBackKey("Color", deck), back.Color);
}

QPixmap MakeColorBack(int color, QSize size, qreal devicePixelRatio) {
  return PaintPixmap(size, devicePixelRatio, [&](QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(ColorFromBgr(color));
    p.drawPath(CardOutline(size));
  });
}

QPixmap MakePictureBack(const QString& fileName, QSize size, qreal devicePixelRatio) {
  if (fileName.isEmpty()) return {};
  QImageReader reader(fileName);
  reader.setAutoTransform(true);
  const QImage picture = reader.read();
  if (picture.isNull()) return {};
  // Shrinking once with area sampling keeps a large photo free of jagged edges.
  const QImage fitted = picture.scaled(
      QSize(int(std::ceil(size.width() * devicePixelRatio)), int(std::ceil(size.height() * devicePixelRatio))),
      Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return PaintPixmap(size, devicePixelRatio, [&](QPainter& p) {
    const QPainterPath outline = CardOutline(size);
    p.setClipPath(outline);
    p.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), fitted);
    p.setClipping(false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
  });
}

QPixmap MakeBackImage(const TCardBack& back, QSize size, qreal devicePixelRatio) {
  if (back.Type == BackPattern)
    return PaintPixmap(size, devicePixelRatio, [&](QPainter& p) { DrawPatternBack(p, size, back.Pattern); });
  if (back.Type == BackPicture) {
    const QPixmap picture = MakePictureBack(back.FileName, size, devicePixelRatio);
    if (!picture.isNull()) return picture;
  }
  return MakeColorBack(back.Color, size, devicePixelRatio);
}

}  // namespace tarvelo
