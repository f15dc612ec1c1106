#include "lobby/testing/bench/bench_command.h"

#include "lobby/irc/event_text.h"
#include "lobby/irc/lobby_session.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::bench;

namespace {

TEST(BenchCommand, WholeCommandsOfEverySizeCheckAndTellTheirStamp) {
  std::mt19937 random(5);
  for (std::size_t bytes : {40u, 41u, 199u, 200u, 11600u}) {
    const TCommandStamp stamp{123456u + bytes, 987654321};
    const std::string command = MakeCommand(stamp, bytes, random);
    EXPECT_EQ(command.size(), bytes);
    EXPECT_EQ(command.find_first_of(std::string("\r\n\0", 3)), std::string::npos) << "no line break nor NUL";
    const TCheckedCommand checked = CheckCommand(command);
    EXPECT_TRUE(checked.Whole) << bytes;
    ASSERT_TRUE(checked.Stamp);
    EXPECT_EQ(checked.Stamp->Sequence, stamp.Sequence);
    EXPECT_EQ(checked.Stamp->SentUs, stamp.SentUs);
  }
}

TEST(BenchCommand, DamageAnywhereIsToldAndAPayloadDamageStillNamesTheCommand) {
  std::mt19937 random(6);
  const std::string command = MakeCommand({77, 5000}, 11600, random);
  struct Case {
    const char* what;
    std::string text;
    bool stampReadable;
  };
  std::string flipped = command, header = command, swapped = command;
  flipped[6000] = static_cast<char>(flipped[6000] ^ 0x01);
  header[0] = '8';  // another command's number
  std::swap(swapped[9000], swapped[9001]);
  if (swapped == command) swapped[9001] = swapped[9001] == 'x' ? 'y' : 'x';
  const Case cases[] = {
      {"a byte changed", flipped, true},
      {"the end cut off", command.substr(0, command.size() - 1), true},
      {"a middle piece lost", command.substr(0, 4000) + command.substr(4399), true},
      {"two bytes swapped", swapped, true},
      {"a header digit changed", header, true},
      {"nothing but a start", command.substr(0, 5), false},
  };
  for (const Case& c : cases) {
    const TCheckedCommand checked = CheckCommand(c.text);
    EXPECT_FALSE(checked.Whole) << c.what;
    EXPECT_EQ(checked.Stamp.has_value(), c.stampReadable) << c.what;
  }
}

TEST(BenchCommand, CommandsCheckAfterTheSessionsCarryThemOverIrc) {
  std::mt19937 random(7);
  irc::TLobbySession sender, receiver;
  receiver.Receive(":irc.tarvelo.lan 001 bob :Welcome\r\n");
  (void)receiver.TakeEvents();
  std::int64_t now = 0;
  for (std::size_t bytes : {40u, 200u, 11600u}) {
    const std::string command = MakeCommand({bytes, 1}, bytes, random);
    sender.PrivateGameCommand("bob", command);
    // The session may hand its lines out a few at a time: take them as its owner does, round by round.
    std::vector<irc::TLobbyEvent> events;
    for (int round = 0; round < 200 && events.empty(); ++round, now += 50) {
      sender.Tick(now);
      std::string relayed;  // as the server hands the lines on, with the sender's prefix
      for (const std::string& line : sender.TakeLines()) relayed += ":alice!a@127.0.0.1 " + line;
      receiver.Receive(relayed);
      events = receiver.TakeEvents();
    }
    ASSERT_EQ(events.size(), 1u) << bytes;
    EXPECT_EQ(events[0].Code, irc::LobbyPrivateCommand);
    const irc::TEventText text = irc::ReadEventText(events[0].Text);
    EXPECT_EQ(text.First, "alice");
    EXPECT_TRUE(CheckCommand(text.Rest).Whole) << bytes;
  }
}

}  // namespace
