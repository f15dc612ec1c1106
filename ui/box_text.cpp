#include "ui/box_text.h"

namespace tarvelo {

QString BoxText(const std::string& text) {
  QString box = QString::fromStdString(text);
  // CR LF first, so that two CR LF pairs stay two breaks; then LF CR, then a lone CR.
  box.replace("\r\n", "\n").replace("\n\r", "\n").replace('\r', '\n');
  return box;
}

}  // namespace tarvelo
