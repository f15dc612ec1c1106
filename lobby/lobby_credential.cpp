#include "lobby/lobby_credential.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace tarvelo {
namespace {

constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

std::string NewSecret() {
  QByteArray bytes(24, '\0');
  QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
  return bytes.toHex().toStdString();
}

}  // namespace

std::string LobbyCredential(const QString& dataFolder) {
  const QString path = QDir(dataFolder).filePath(LobbyCredentialFileName);
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    const QByteArray secret = file.readAll().trimmed();
    file.close();
    // A file someone else could read is closed to them again.
    if ((file.permissions() & ~(OwnerOnly | QFileDevice::ReadUser | QFileDevice::WriteUser)) != 0) {
      file.setPermissions(OwnerOnly);
    }
    if (!secret.isEmpty()) return secret.toStdString();
  }
  if (!QDir().mkpath(dataFolder)) return {};
  const std::string secret = NewSecret();
  // Created with the owner's permissions only, so it is never readable by others, not even briefly.
  QFile out(path);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate, OwnerOnly)) return {};
  out.setPermissions(OwnerOnly);
  if (out.write(secret.data(), static_cast<qint64>(secret.size())) != static_cast<qint64>(secret.size()) ||
      !out.flush()) {
    return {};
  }
  return secret;
}

}  // namespace tarvelo
