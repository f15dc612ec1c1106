#include "store/registry_enhanced.h"

#include "store/registry_path.h"
#include "store/stored_value.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <utility>
#include <vector>

namespace tarvelo {

namespace {

QString Join(const QString& prefix, const QString& name) { return prefix.isEmpty() ? name : prefix + u'/' + name; }

// What list() (QSettings::childGroups or childKeys) gives under a group; "" is the root.
using TChildList = QStringList (QSettings::*)() const;
QStringList Children(QSettings& s, const QString& prefix, TChildList list) {
  s.beginGroup(prefix);
  QStringList children = (s.*list)();
  s.endGroup();
  return children;
}

QStringList ChildGroups(QSettings& s, const QString& prefix) { return Children(s, prefix, &QSettings::childGroups); }
QStringList ChildKeys(QSettings& s, const QString& prefix) { return Children(s, prefix, &QSettings::childKeys); }

// The stored spelling of a name among its siblings: the very spelling when it
// is stored, else the first that differs only in case; null when none.
QString FindStored(const QStringList& stored, const QString& name) {
  QString caseMatch;
  for (const QString& candidate : stored) {
    const QString decoded = DecodeName(candidate);
    if (decoded == name) return candidate;
    if (caseMatch.isNull() && decoded.compare(name, Qt::CaseInsensitive) == 0) caseMatch = candidate;
  }
  return caseMatch;
}

// A subkey as QSettings names it: the stored spelling of every part that is
// stored, the caller's spelling from the first part that is not.
struct TStoredGroup {
  QString Prefix;
  bool Exists = true;
};

TStoredGroup ResolveGroup(QSettings& s, const QStringList& subkeys) {
  TStoredGroup group;
  for (const QString& part : subkeys) {
    QString stored = group.Exists ? FindStored(ChildGroups(s, group.Prefix), part) : QString();
    if (stored.isNull()) {
      group.Exists = false;
      stored = EncodeName(part);
    }
    group.Prefix = Join(group.Prefix, stored);
  }
  return group;
}

struct TStoredKey {
  QString Key;
  bool Exists = false;
};

TStoredKey ResolveValue(QSettings& s, const TRegistryPath& path) {
  const TStoredGroup group = ResolveGroup(s, path.Subkeys);
  QString stored = group.Exists ? FindStored(ChildKeys(s, group.Prefix), path.Name) : QString();
  const bool exists = !stored.isNull();
  if (!exists) stored = EncodeName(path.Name);
  return {Join(group.Prefix, stored), exists};
}

// The names that list() gives directly under a subkey of a file.
QStringList NamesUnder(const QString& file, const QString& subkey, TChildList list) {
  const std::optional<QStringList> parts = TRegistryPath::ParseSubkey(subkey);
  if (!parts) return {};
  QSettings s(file, QSettings::IniFormat);
  const TStoredGroup group = ResolveGroup(s, *parts);
  if (!group.Exists) return {};
  QStringList names;
  for (const QString& stored : Children(s, group.Prefix, list)) names << DecodeName(stored);
  return names;
}

// Writes the pending change to disk; false when the file could not be written.
// A format error only says that garbage lines were dropped on reading.
bool Commit(QSettings& s) {
  s.sync();
  return s.status() != QSettings::AccessError;
}

}  // namespace

TRegistryEnhanced::TRegistryEnhanced(QString userFile, QString machineFile)
    : UserFile_(std::move(userFile)), MachineFile_(std::move(machineFile)) {}

int TRegistryEnhanced::ReadValue(const QString& path, int defaultValue) const {
  return ReadInt(path).value_or(defaultValue);
}

bool TRegistryEnhanced::ReadValue(const QString& path, bool defaultValue) const {
  const std::optional<int> value = ReadInt(path);
  return value ? *value != 0 : defaultValue;
}

QString TRegistryEnhanced::ReadValue(const QString& path, const QString& defaultValue) const {
  return ReadText(path).value_or(defaultValue);
}

QString TRegistryEnhanced::ReadValue(const QString& path, const char* defaultValue) const {
  return ReadValue(path, QString::fromUtf8(defaultValue));
}

bool TRegistryEnhanced::WriteValue(const QString& path, int value) { return WriteText(path, TextOfInt(value)); }

bool TRegistryEnhanced::WriteValue(const QString& path, bool value) { return WriteText(path, TextOfBool(value)); }

bool TRegistryEnhanced::WriteValue(const QString& path, const QString& value) { return WriteText(path, value); }

bool TRegistryEnhanced::WriteValue(const QString& path, const char* value) {
  return WriteText(path, QString::fromUtf8(value));
}

std::optional<int> TRegistryEnhanced::ReadInt(const QString& path) const {
  const std::optional<QString> text = ReadText(path);
  return text ? IntOfText(*text) : std::nullopt;
}

std::optional<QString> TRegistryEnhanced::ReadText(const QString& path) const {
  const std::optional<TRegistryPath> p = TRegistryPath::Parse(path);
  if (!p) return std::nullopt;
  // A value present in the per-user file is read there even when it is
  // unreadable; only a missing one is looked for in the machine-wide file.
  for (const QString* file : {&UserFile_, &MachineFile_}) {
    if (file->isEmpty()) continue;
    QSettings s(*file, QSettings::IniFormat);
    const TStoredKey key = ResolveValue(s, *p);
    if (key.Exists) return StoredText(s.value(key.Key));
  }
  return std::nullopt;
}

bool TRegistryEnhanced::WriteText(const QString& path, const QString& text) {
  const std::optional<TRegistryPath> p = TRegistryPath::Parse(path);
  if (!p) return false;
  const bool creating = !QFileInfo::exists(UserFile_);
  QSettings s(UserFile_, QSettings::IniFormat);
  if (!s.isWritable()) return false;
  s.setValue(ResolveValue(s, *p).Key, text);
  if (!Commit(s)) return false;
  // The file holds the proxy password: like the rest of a user's private
  // settings it is for that user's eyes only.
  if (creating) QFile::setPermissions(UserFile_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  return true;
}

namespace {

// Removes every spelling of a subkey, so that no stale values survive under
// another case; a value of the same name beside it stays.
void RemoveSubkey(QSettings& s, QStringList parts) {
  const QString name = parts.takeLast();
  const TStoredGroup parent = ResolveGroup(s, parts);
  if (!parent.Exists) return;
  for (const QString& stored : ChildGroups(s, parent.Prefix)) {
    if (DecodeName(stored).compare(name, Qt::CaseInsensitive) != 0) continue;
    // Child by child: QSettings would take a value of the subkey's own name with it.
    s.beginGroup(Join(parent.Prefix, stored));
    for (const QString& child : s.childKeys() + s.childGroups()) s.remove(child);
    s.endGroup();
  }
}

}  // namespace

bool TRegistryEnhanced::DeleteKey(const QString& subkey) {
  const std::optional<QStringList> parts = TRegistryPath::ParseSubkey(subkey);
  if (!parts || parts->isEmpty()) return false;
  QSettings s(UserFile_, QSettings::IniFormat);
  RemoveSubkey(s, *parts);
  return Commit(s);
}

bool TRegistryEnhanced::ReplaceKey(const QString& subkey, const QList<QPair<QString, QString>>& values) {
  const std::optional<QStringList> parts = TRegistryPath::ParseSubkey(subkey);
  if (!parts || parts->isEmpty()) return false;
  std::vector<TRegistryPath> paths;
  for (const auto& value : values) {
    const std::optional<TRegistryPath> p = TRegistryPath::Parse(value.first);
    if (!p) return false;
    paths.push_back(*p);
  }
  const bool creating = !QFileInfo::exists(UserFile_);
  QSettings s(UserFile_, QSettings::IniFormat);
  if (!s.isWritable()) return false;
  RemoveSubkey(s, *parts);
  for (size_t i = 0; i < paths.size(); ++i)
    s.setValue(ResolveValue(s, paths[i]).Key, values[static_cast<qsizetype>(i)].second);
  if (!Commit(s)) return false;
  if (creating) QFile::setPermissions(UserFile_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  return true;
}

bool TRegistryEnhanced::KeyExists(const QString& subkey) const {
  const std::optional<QStringList> parts = TRegistryPath::ParseSubkey(subkey);
  if (!parts) return false;
  QSettings s(UserFile_, QSettings::IniFormat);
  return ResolveGroup(s, *parts).Exists;
}

bool TRegistryEnhanced::ValueExists(const QString& path) const {
  const std::optional<TRegistryPath> p = TRegistryPath::Parse(path);
  if (!p) return false;
  QSettings s(UserFile_, QSettings::IniFormat);
  return ResolveValue(s, *p).Exists;
}

QStringList TRegistryEnhanced::GetKeyNames(const QString& subkey) const {
  return NamesUnder(UserFile_, subkey, &QSettings::childGroups);
}

QStringList TRegistryEnhanced::GetValueNames(const QString& subkey) const {
  return NamesUnder(UserFile_, subkey, &QSettings::childKeys);
}

}  // namespace tarvelo
