#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace tarvelo {

// The settings file of the older generations ("tarvelo.ini"), read the way
// their platform read it: section and key names without regard to case, the
// first of two equal names counting, values trimmed and freed of one pair of
// enclosing quotes, lines starting with ';' and lines without '=' ignored.
class TLegacyIni {
 public:
  // False when the file cannot be opened; the object then holds nothing.
  bool Load(const QString& fileName);
  void Parse(const QByteArray& content);

  // The value's text exactly as written (case included), or the default when the key is missing.
  QString Text(const QString& section, const QString& key, const QString& defaultValue) const;
  // The leading decimal digits of the value (0 when there are none), or the
  // default when the key is missing.
  int Integer(const QString& section, const QString& key, int defaultValue) const;

 private:
  static QString Slot(const QString& section, const QString& key);
  QHash<QString, QString> Values_;  // Slot(section, key) -> value
};

}  // namespace tarvelo
