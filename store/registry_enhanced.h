#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

namespace tarvelo {

// The settings store: named values in a per-user INI file (every write goes
// there) with a machine-wide INI file as the read fallback. Value names are
// backslash paths ("Settings\Sound", "Player Names\PlayerName1"); the part
// before the last backslash names the subkey. Names are matched without regard
// to case: a value keeps the spelling that first wrote it. In the file the
// first subkey is the section: "Settings\Sound" is Sound= under [Settings],
// "Deep\er\Path" is er\Path= under [Deep] (QSettings' own way of nesting).
//
// Every read gives a value: the default when the value is missing, unreadable
// or of another kind. Every write reaches the file before it returns, so a
// program killed afterwards keeps it.
class TRegistryEnhanced {
 public:
  TRegistryEnhanced(QString userFile, QString machineFile);
  virtual ~TRegistryEnhanced() = default;

  const QString& UserFile() const { return UserFile_; }
  const QString& MachineFile() const { return MachineFile_; }

  // Reads a value as the kind of its default: from the per-user file when it is
  // there, else from the machine-wide file, else the default. A boolean is any
  // stored integer, true when non-zero.
  int ReadValue(const QString& path, int defaultValue) const;
  bool ReadValue(const QString& path, bool defaultValue) const;
  QString ReadValue(const QString& path, const QString& defaultValue) const;
  QString ReadValue(const QString& path, const char* defaultValue) const;
  // Any other kind must be converted by the caller first (a char* would become a bool).
  template <class T>
  void ReadValue(const QString&, T) const = delete;

  // Writes a value to the per-user file, creating its subkey when needed.
  // False when the path names nothing or the file cannot be written.
  bool WriteValue(const QString& path, int value);
  bool WriteValue(const QString& path, bool value);
  bool WriteValue(const QString& path, const QString& value);
  bool WriteValue(const QString& path, const char* value);
  template <class T>
  bool WriteValue(const QString&, T) = delete;

  // Deletes a subkey of the per-user file with everything under it, whatever
  // the case of its stored spelling. The root itself cannot be deleted.
  bool DeleteKey(const QString& subkey);
  // Deletes a subkey as DeleteKey does and writes the values (full paths and
  // texts) in the same step: the file never holds half of the change.
  bool ReplaceKey(const QString& subkey, const QList<QPair<QString, QString>>& values);
  // These look at the per-user file only.
  bool KeyExists(const QString& subkey) const;
  bool ValueExists(const QString& path) const;
  QStringList GetKeyNames(const QString& subkey) const;    // the subkeys directly under it
  QStringList GetValueNames(const QString& subkey) const;  // the values directly under it

 private:
  std::optional<int> ReadInt(const QString& path) const;
  // The stored text of a value; nullopt when it is missing or no text.
  std::optional<QString> ReadText(const QString& path) const;
  bool WriteText(const QString& path, const QString& text);

  QString UserFile_;
  QString MachineFile_;
};

}  // namespace tarvelo
