#pragma once

#include <QString>

#include <string>

namespace tarvelo {

// The secret that logs this user's nicknames in to the lobby: made at the
// first login, kept in a file of its own in the user's data folder that only
// the user may read (the settings file is rewritten with default permissions).
// Empty when the folder cannot be written.
std::string LobbyCredential(const QString& dataFolder);

inline constexpr char LobbyCredentialFileName[] = "lobby-credential";

}  // namespace tarvelo
