#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tarvelo {

// A value name such as "Player Names\PlayerName1": the parts before the last
// backslash name nested subkeys, the last part names the value. A path without
// backslash names a value directly under the root.
struct TRegistryPath {
  QStringList Subkeys;
  QString Name;

  // Cuts a path at its backslashes. A path with an empty part (empty, or a
  // leading, doubled or trailing backslash) names nothing: nullopt.
  static std::optional<TRegistryPath> Parse(const QString& path);
  // A subkey path, every part a subkey; "" is the root itself.
  static std::optional<QStringList> ParseSubkey(const QString& subkey);
};

// QSettings reads '/' inside a key as a group separator, so a part of a path is
// handed to it with '/' (and therefore '%') escaped, and read back decoded.
QString EncodeName(const QString& name);
QString DecodeName(const QString& stored);

}  // namespace tarvelo
