#include "store/stored_value.h"

#include <QStringList>

namespace tarvelo {

QString TextOfInt(int value) { return QString::number(value); }

QString TextOfBool(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }

std::optional<QString> StoredText(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::QString:
      return value.toString();
    case QMetaType::QStringList:
      return value.toStringList().join(u',');
    default:
      return std::nullopt;
  }
}

std::optional<int> IntOfText(const QString& text) {
  const QString t = text.trimmed();
  bool ok = false;
  if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
    // A hexadecimal word, as a colour 0x00BBGGRR is written; the top bit gives a negative number.
    const uint word = t.mid(2).toUInt(&ok, 16);
    if (ok) return static_cast<int>(word);
    return std::nullopt;
  }
  const int value = t.toInt(&ok, 10);
  if (ok) return value;
  if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return 1;
  if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return 0;
  return std::nullopt;
}

}  // namespace tarvelo
