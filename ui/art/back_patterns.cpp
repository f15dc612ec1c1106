#include "ui/art/back_patterns.h"

#include "ui/art/card_canvas.h"
#include "ui/art/pattern_art.h"

namespace tarvelo {

QString PatternName(int pattern) {
  static const char* const names[PatternCount] = {"beach",    "fish1",    "fish2", "leaves1", "leaves2",
                                                  "pattern1", "pattern2", "robot", "rose",    "shell"};
  return QString::fromLatin1(names[pattern < 0 || pattern >= PatternCount ? 0 : pattern]);
}

void DrawPatternBack(QPainter& painter, QSizeF size, int pattern) {
  using Draw = void (*)(QPainter&);
  static const Draw pictures[PatternCount] = {
      pattern_art::Beach,        pattern_art::SchoolOfFish, pattern_art::Angelfish, pattern_art::GreenLeaves,
      pattern_art::AutumnLeaves, pattern_art::Trellis,      pattern_art::Rosette,   pattern_art::Robot,
      pattern_art::Rose,         pattern_art::Shell};
  painter.save();
  painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
  painter.setBrush(Qt::white);
  painter.drawPath(CardOutline(size));
  // The white border narrows on small cards so the picture keeps most of the card.
  const qreal border = size.width() < 50 ? 2.5 : 3.5;
  const QRectF field(border, border, size.width() - 2 * border, size.height() - 2 * border);
  QPainterPath clip;
  clip.addRoundedRect(field, 2, 2);
  painter.setClipPath(clip);
  painter.translate(field.topLeft());
  painter.scale(field.width() / pattern_art::Width, field.height() / pattern_art::Height);
  pictures[pattern < 0 || pattern >= PatternCount ? 0 : pattern](painter);
  painter.restore();
}

}  // namespace tarvelo
