#include "store/registry_path.h"

namespace tarvelo {

namespace {
std::optional<QStringList> SplitAtBackslashes(const QString& path) {
  const QStringList parts = path.split(u'\\');
  for (const QString& part : parts)
    if (part.isEmpty()) return std::nullopt;
  return parts;
}

int HexDigit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  return -1;
}
}  // namespace

std::optional<TRegistryPath> TRegistryPath::Parse(const QString& path) {
  std::optional<QStringList> parts = SplitAtBackslashes(path);
  if (!parts) return std::nullopt;
  TRegistryPath result;
  result.Name = parts->takeLast();
  result.Subkeys = std::move(*parts);
  return result;
}

std::optional<QStringList> TRegistryPath::ParseSubkey(const QString& subkey) {
  if (subkey.isEmpty()) return QStringList();
  return SplitAtBackslashes(subkey);
}

QString EncodeName(const QString& name) {
  QString result = name;
  result.replace(u'%', QStringLiteral("%25"));
  result.replace(u'/', QStringLiteral("%2F"));
  return result;
}

QString DecodeName(const QString& stored) {
  // Lenient: a '%' that starts no escape of ours (a hand-edited file) stays as it is.
  QString result;
  result.reserve(stored.size());
  for (qsizetype i = 0; i < stored.size(); ++i) {
    if (stored[i] == u'%' && i + 2 < stored.size()) {
      const int high = HexDigit(stored[i + 1]);
      const int low = HexDigit(stored[i + 2]);
      const int code = high * 16 + low;
      if (high >= 0 && low >= 0 && (code == '%' || code == '/')) {
        result += QChar(code);
        i += 2;
        continue;
      }
    }
    result += stored[i];
  }
  return result;
}

}  // namespace tarvelo
