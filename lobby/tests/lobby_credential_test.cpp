#include "lobby/lobby_credential.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QFileDevice::Permissions PermissionsOf(const QString& path) {
  // The user's and owner's bits are the same on Linux; the group's and others' must be clear.
  return QFile(path).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

TEST(LobbyCredential, MadeOnceReadableOnlyByTheUserAndKeptAfterwards) {
  QTemporaryDir home;
  const QString folder = home.filePath("data/Tarvelo");  // not there yet, as on a first run
  const std::string secret = LobbyCredential(folder);
  EXPECT_GE(secret.size(), 32u);
  const QString path = QDir(folder).filePath(LobbyCredentialFileName);
  EXPECT_EQ(PermissionsOf(path), OwnerOnly);
  EXPECT_EQ(LobbyCredential(folder), secret);
  QTemporaryDir other;
  EXPECT_NE(LobbyCredential(other.path()), secret) << "each user has a secret of their own";
}

TEST(LobbyCredential, AFileOthersCouldReadIsClosedToThem) {
  QTemporaryDir folder;
  const QString path = folder.filePath(LobbyCredentialFileName);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("kept-secret\n");
  file.close();
  file.setPermissions(OwnerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther);
  EXPECT_EQ(LobbyCredential(folder.path()), "kept-secret");
  EXPECT_EQ(PermissionsOf(path), OwnerOnly);
}

TEST(LobbyCredential, AnEmptyFileGetsANewSecret) {
  QTemporaryDir folder;
  QFile file(folder.filePath(LobbyCredentialFileName));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  const std::string secret = LobbyCredential(folder.path());
  EXPECT_GE(secret.size(), 32u);
  EXPECT_EQ(LobbyCredential(folder.path()), secret);
}

}  // namespace

#include "lobby/irc/irc_text.h"
#include "lobby/lobby.h"

namespace {

TEST(PrivateRoom, ItsNameStaysWithinTheServersLimitOnceEscaped) {
  struct Case {
    std::string field;
    std::string room;
  };
  const Case cases[] = {
      {"club", "LobbyTarveloclub"},
      {"", "LobbyTarvelo"},
  };
  for (const auto& c : cases) EXPECT_EQ(MakePrivateRoom(c.field), c.room);
  for (const std::string& field : {std::string(200, 'a'), std::string(200, '#'), std::string(90, '\xE9') + "abc"}) {
    const std::string room = MakePrivateRoom(field);
    EXPECT_LE(1 + irc::EscapeIrcName(room).size(), MaxChannelBytes) << field;
    EXPECT_TRUE(std::string(PrivateRoomPrefix + field).starts_with(room)) << "only the end is cut";
    EXPECT_GT(room.size(), std::string(PrivateRoomPrefix).size());
  }
}

}  // namespace
