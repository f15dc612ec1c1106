// The command line, read once: the game the run starts with and the lobby link.
#include "app/command_line.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

TEST(CommandLine, EachStartAsTheProgramReadsIt) {
  struct Case {
    const char* name;
    QStringList arguments;
    bool fromAutoSave;
    QString savedGame;
    bool lobby;
    QString address;
  };
  const Case cases[] = {
      {"no arguments: the auto-save", {}, true, "", false, ""},
      {"a saved game", {"/home/anna/Anna.tvl"}, false, "/home/anna/Anna.tvl", false, ""},
      {"a saved game with spaces", {"/tmp/my games/a.tvl"}, false, "/tmp/my games/a.tvl", false, ""},
      {"the extension is matched as written", {"GAME.TVL"}, false, "", false, ""},
      {"the set-up argument", {"/setup"}, false, "", false, ""},
      {"another file", {"notes.txt"}, false, "", false, ""},
      {"the lobby argument", {"/ip:lobby.example.org"}, false, "", true, "lobby.example.org"},
      {"a lobby argument naming a .tvl is no game", {"/ip:games.tvl"}, false, "", true, "games.tvl"},
      {"the lobby after a saved game", {"a.tvl", "/ip:10.0.0.2"}, false, "a.tvl", true, "10.0.0.2"},
      {"only the first argument is a saved game", {"/ip:x", "a.tvl"}, false, "", true, "x"},
      {"a desktop link", {"tarvelo:127.0.0.1"}, false, "", true, "127.0.0.1"},
      {"a desktop link with its scheme in capitals", {"TARVELO:host"}, false, "", true, "host"},
      {"a link with slashes", {"tarvelo://lobby.example.org"}, false, "", true, "lobby.example.org"},
      {"a link holding the lobby argument", {"tarvelo:/ip:127.0.0.1"}, false, "", true, "127.0.0.1"},
      {"the first lobby argument counts", {"/ip:a", "/ip:b"}, false, "", true, "a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TCommandLine line = ParseCommandLine(c.arguments);
    EXPECT_EQ(line.Start.FromAutoSave, c.fromAutoSave);
    EXPECT_EQ(line.Start.SavedGame, c.savedGame);
    EXPECT_EQ(line.LobbyAutoLogin, c.lobby);
    EXPECT_EQ(line.LobbyAddress, c.address);
  }
}

}  // namespace
