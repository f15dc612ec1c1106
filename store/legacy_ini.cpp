#include "store/legacy_ini.h"

#include <QFile>
#include <QList>

namespace tarvelo {

namespace {
QString Unquoted(const QString& value) {
  const bool quoted =
      value.size() >= 2 && value.front() == value.back() && (value.front() == u'"' || value.front() == u'\'');
  return quoted ? value.mid(1, value.size() - 2) : value;
}
}  // namespace

bool TLegacyIni::Load(const QString& fileName) {
  Values_.clear();
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return false;
  Parse(file.readAll());
  return true;
}

void TLegacyIni::Parse(const QByteArray& content) {
  Values_.clear();
  // Single-byte text of the old platform's code page; only ASCII is compared.
  const QString text = QString::fromLatin1(content);
  QString section;
  bool inSection = false;
  for (QStringView line : QStringView(text).split(u'\n')) {
    line = line.trimmed();
    if (line.isEmpty() || line.front() == u';') continue;
    if (line.front() == u'[') {
      const qsizetype end = line.indexOf(u']');
      inSection = end > 0;
      if (inSection) section = line.sliced(1, end - 1).trimmed().toString();
      continue;
    }
    const qsizetype equals = line.indexOf(u'=');
    if (!inSection || equals <= 0) continue;
    const QString slot = Slot(section, line.first(equals).trimmed().toString());
    if (!Values_.contains(slot)) Values_.insert(slot, Unquoted(line.sliced(equals + 1).trimmed().toString()));
  }
}

QString TLegacyIni::Text(const QString& section, const QString& key, const QString& defaultValue) const {
  return Values_.value(Slot(section, key), defaultValue);
}

int TLegacyIni::Integer(const QString& section, const QString& key, int defaultValue) const {
  const auto it = Values_.constFind(Slot(section, key));
  if (it == Values_.constEnd()) return defaultValue;
  qsizetype digits = 0;
  while (digits < it->size() && digits < 9 && it->at(digits) >= u'0' && it->at(digits) <= u'9') ++digits;
  return digits == 0 ? 0 : it->first(digits).toInt();
}

QString TLegacyIni::Slot(const QString& section, const QString& key) {
  return section.toCaseFolded() + u'\n' + key.toCaseFolded();
}

}  // namespace tarvelo
