#include "lobby/irc/lobby_session.h"

#include "lobby/irc/irc_text.h"

#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

using namespace tarvelo::irc;

namespace {

using TCall = std::function<void(TLobbySession&)>;
using TEvents = std::vector<TLobbyEvent>;
using TLines = std::vector<std::string>;
}  // namespace

namespace tarvelo::irc {
void PrintTo(const TLobbyEvent& event, std::ostream* out) {
  *out << "{" << event.Code << ", \"" << event.Text << "\"}";
}
}  // namespace tarvelo::irc

namespace {

// The server's lines, each ended as the server ends them.
std::string Server(std::initializer_list<const char*> lines) {
  std::string out;
  for (const char* line : lines) out += std::string(line) + "\r\n";
  return out;
}

enum class TStart { Fresh, InLobbyRoom };

// One step: a call of the lobby, or what the server sends.
struct TStep {
  TCall Call;
  std::string FromServer;
};
TStep Call(TCall call) { return {std::move(call), {}}; }
TStep Hear(std::initializer_list<const char*> lines) { return {{}, Server(lines)}; }

struct TRow {
  const char* Name;
  TStart Start;
  std::vector<TStep> Steps;
  TLines Sent;
  TEvents Events;
  bool Closes = false;
};

// Logged in, and in the main room with one other player.
void LogIn(TLobbySession& session) {
  session.Login("ann", "secret", "Tarvelo501");
  session.Receive(
      Server({":irc CAP * LS :echo-message sasl=PLAIN", ":irc CAP * ACK :sasl echo-message", "AUTHENTICATE +",
              ":irc 903 ann :SASL authentication successful", ":irc 001 ann :Welcome",
              ":irc 376 ann :End of message of the day.", ":ann!a@h JOIN :#LOBBY-Tarvelo501",
              ":irc 353 ann = #LOBBY-Tarvelo501 :ann @bob", ":irc 366 ann #LOBBY-Tarvelo501 :End of /NAMES list."}));
}

void Run(const TRow& row) {
  SCOPED_TRACE(row.Name);
  TLobbySession session;
  if (row.Start != TStart::Fresh) LogIn(session);
  session.TakeLines();
  session.TakeEvents();
  for (const auto& step : row.Steps) {
    if (step.Call) step.Call(session);
    if (!step.FromServer.empty()) session.Receive(step.FromServer);
  }
  TLines sent = session.TakeLines();
  for (auto& line : sent) {
    ASSERT_TRUE(line.ends_with("\r\n")) << line;
    line.resize(line.size() - 2);
  }
  EXPECT_EQ(sent, row.Sent);
  EXPECT_EQ(session.TakeEvents(), row.Events);
  EXPECT_EQ(session.WantsClose(), row.Closes);
}

void RunAll(const std::vector<TRow>& rows) {
  for (const auto& row : rows) Run(row);
}

TEST(LobbySession, LoginRegistrationAndTheirRefusals) {
  const auto login = Call([](TLobbySession& s) { s.Login("ann", "secret", "Tarvelo501"); });
  RunAll({
      {"a login opens with the capabilities, the nickname and the client as real name",
       TStart::Fresh,
       {login},
       {"CAP LS 302", "NICK ann", "USER ann 0 * Tarvelo501"},
       {}},
      {"SASL PLAIN with the credential, then the welcome's end logs in",
       TStart::Fresh,
       {login, Hear({":irc CAP * LS * :multi-prefix echo-message", ":irc CAP * LS :sasl=PLAIN,EXTERNAL"}),
        Hear({":irc CAP * ACK :sasl echo-message", "AUTHENTICATE +", ":irc 900 ann ann!a@h ann :You are now logged in",
              ":irc 903 ann :SASL authentication successful", ":irc 001 ann :Welcome",
              ":irc 375 ann :- irc Message of the day -", ":irc 372 ann :- hello", ":irc 376 ann :End"})},
       {"CAP LS 302", "NICK ann", "USER ann 0 * Tarvelo501", "CAP REQ :sasl echo-message", "AUTHENTICATE PLAIN",
        "AUTHENTICATE YW5uAGFubgBzZWNyZXQ=", "CAP END", "JOIN #LOBBY-Tarvelo501"},
       {{LobbyLoggedIn, ""}}},
      {"an unknown account asks the program to register",
       TStart::Fresh,
       {login, Hear({":irc CAP * LS :sasl", ":irc CAP * ACK :sasl", "AUTHENTICATE +", ":irc 904 ann :failed",
                     ":irc 001 ann :Welcome", ":irc 422 ann :No MOTD"})},
       {"CAP LS 302", "NICK ann", "USER ann 0 * Tarvelo501", "CAP REQ sasl", "AUTHENTICATE PLAIN",
        "AUTHENTICATE YW5uAGFubgBzZWNyZXQ=", "CAP END"},
       {{LobbyNotRegistered, ""}}},
      {"a server without SASL also leads to registering",
       TStart::Fresh,
       {login, Hear({":irc CAP * LS :multi-prefix", ":irc 001 ann :Welcome", ":irc 376 ann :End"})},
       {"CAP LS 302", "NICK ann", "USER ann 0 * Tarvelo501", "CAP END"},
       {{LobbyNotRegistered, ""}}},
      {"registering with NickServ logs in",
       TStart::Fresh,
       {login, Call([](TLobbySession& s) { s.Register("secret", "player@tarvelo.invalid"); }),
        Hear({":NickServ!s@services NOTICE ann :\x02"
              "ann\x02 is now registered to \x02player@tarvelo.invalid\x02."})},
       {"CAP LS 302", "NICK ann", "USER ann 0 * Tarvelo501", "PRIVMSG NickServ :REGISTER secret player@tarvelo.invalid",
        "JOIN #LOBBY-Tarvelo501"},
       {{LobbyLoggedIn, ""}}},
      {"once logged in, the player is in the main room, made by the first who comes",
       TStart::Fresh,
       {login,
        Hear({":irc CAP * LS :sasl", ":irc CAP * ACK :sasl", "AUTHENTICATE +", ":irc 903 ann :ok",
              ":irc 001 ann :Welcome", ":irc 422 ann :No MOTD", ":ann!a@h JOIN #LOBBY-Tarvelo501",
              ":irc 353 ann = #LOBBY-Tarvelo501 :@ann", ":irc 366 ann #LOBBY-Tarvelo501 :End"}),
        Call([](TLobbySession& s) { s.JoinRoom("LOBBY-Tarvelo501"); })},
       {"CAP LS 302", "NICK ann", "USER ann 0 * Tarvelo501", "CAP REQ sasl", "AUTHENTICATE PLAIN",
        "AUTHENTICATE YW5uAGFubgBzZWNyZXQ=", "CAP END", "JOIN #LOBBY-Tarvelo501"},
       {{LobbyLoggedIn, ""}, {LobbyJoined, "LOBBY-Tarvelo501\r"}, {LobbyAlreadyInRoom, "LOBBY-Tarvelo501\r"}}},
      {"a nickname registered by someone else",
       TStart::Fresh,
       {Call([](TLobbySession& s) { s.Register("secret", "p@x.invalid"); }),
        Hear({":NickServ!s@services NOTICE ann :\x02"
              "ann\x02 is already registered."})},
       {"PRIVMSG NickServ :REGISTER secret p@x.invalid"},
       {{LobbyNickTaken, ""}}},
      {"a nickname too long for an account once escaped",
       TStart::Fresh,
       {Call([](TLobbySession& s) { s.Register("secret", "p@x.invalid"); }),
        Hear({":NickServ!s@services NOTICE ann :The account name \x02"
              "ann\x02 is invalid."})},
       {"PRIVMSG NickServ :REGISTER secret p@x.invalid"},
       {{LobbyNickInvalid, ""}}},
      {"a nickname in use by someone else",
       TStart::Fresh,
       {login, Hear({":irc CAP * LS :sasl", ":irc 433 * ann :Nickname is already in use.", ":irc CAP * ACK :sasl",
                     "AUTHENTICATE +", ":irc 904 * :failed"})},
       {"CAP LS 302", "NICK ann", "USER ann 0 * Tarvelo501", "CAP REQ sasl", "AUTHENTICATE PLAIN",
        "AUTHENTICATE YW5uAGFubgBzZWNyZXQ="},
       {{LobbyNickInUse, ""}}},
      {"a nickname in use by our own account",
       TStart::Fresh,
       {login, Hear({":irc CAP * LS :sasl", ":irc CAP * ACK :sasl", "AUTHENTICATE +", ":irc 903 * :ok",
                     ":irc 433 * ann :Nickname is already in use."})},
       {"CAP LS 302", "NICK ann", "USER ann 0 * Tarvelo501", "CAP REQ sasl", "AUTHENTICATE PLAIN",
        "AUTHENTICATE YW5uAGFubgBzZWNyZXQ=", "CAP END"},
       {{LobbyAlreadyLoggedIn, ""}}},
      {"a nickname the server refuses",
       TStart::Fresh,
       {Hear({":irc 432 * ann :Erroneous Nickname"})},
       {},
       {{LobbyNickInvalid, ""}}},
      {"a banned user", TStart::Fresh, {Hear({":irc 465 * :You are banned"})}, {}, {{LobbyBanned, ""}}, true},
      {"a ban that closes the link",
       TStart::Fresh,
       {Hear({"ERROR :Closing link: (a@127.0.0.1) [G-Lined: cheating]"})},
       {},
       {{LobbyBanned, ""}},
       true},
      {"any other error closes the link with its text",
       TStart::InLobbyRoom,
       {Hear({"ERROR :Closing link: (a@127.0.0.1) [Killed (op (flood))]"})},
       {},
       {{LobbyError, "Closing link: (a@127.0.0.1) [Killed (op (flood))]"}},
       true},
  });
}

TEST(LobbySession, MessageOfTheDayRoomsAndUsers) {
  RunAll({
      {"the message of the day",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.GetMotd(); }),
        Hear({":irc 375 ann :- irc Message of the Day -", ":irc 372 ann :- Welcome, J\xC3\xB6rg", ":irc 372 ann :-",
              ":irc 376 ann :End of message of the day."})},
       {"MOTD"},
       {{LobbyMotdStart, ""}, {LobbyMotdLine, "Welcome, J\xF6rg\r"}, {LobbyMotdLine, "\r"}, {LobbyMotdEnd, ""}}},
      {"no message of the day",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.GetMotd(); }), Hear({":irc 422 ann :MOTD File is missing"})},
       {"MOTD"},
       {{LobbyMotdStart, ""}, {LobbyMotdEnd, ""}}},
      {"an unasked message of the day is not shown",
       TStart::InLobbyRoom,
       {Hear({":irc 375 ann :x", ":irc 372 ann :- y", ":irc 376 ann :z"})},
       {},
       {}},
      {"all rooms, names without the # and as typed",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.GetAllRooms(); }),
        Hear({":irc 321 ann Channel :Users Name", ":irc 322 ann #LOBBY-Tarvelo501 5 :",
              ":irc 322 ann #Tarvelo\\23bob\\23ann\\23 2 :", ":irc 323 ann :End of channel list."})},
       {"LIST"},
       {{LobbyRoomsStart, ""},
        {LobbyRoom, "LOBBY-Tarvelo501\r"},
        {LobbyRoom, "Tarvelo#bob#ann#\r"},
        {LobbyRoomsEnd, ""}}},
      {"a room list without its start line",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.GetAllRooms(); }), Hear({":irc 323 ann :End of channel list."})},
       {"LIST"},
       {{LobbyRoomsStart, ""}, {LobbyRoomsEnd, ""}}},
      {"the users of a room without their mode prefixes",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.GetUserList("LOBBY-Tarvelo501"); }),
        Hear({":irc 353 ann = #LOBBY-Tarvelo501 :@ann +bob", ":irc 353 ann = #LOBBY-Tarvelo501 :J\\F6rg \\5Bx\\5D",
              ":irc 366 ann #LOBBY-Tarvelo501 :End of /NAMES list."})},
       {"NAMES #LOBBY-Tarvelo501"},
       {{LobbyUsersStart, ""}, {LobbyUser, "ann "}, {LobbyUser, "bob "}, {LobbyUser, "J\xF6rg "}, {LobbyUser, "[x] "}}},
      {"an empty room",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.GetUserList("Quiet Room"); }), Hear({":irc 366 ann #Quiet\\20Room :End"})},
       {"NAMES #Quiet\\20Room"},
       {{LobbyUsersStart, ""}}},
  });
}

TEST(LobbySession, JoiningAndCreatingRooms) {
  RunAll({
      {"joining a room with people in it",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.JoinRoom("LobbyTarveloLadder"); }),
        Hear({":ann!a@h JOIN #LobbyTarveloLadder", ":irc 353 ann = #LobbyTarveloLadder :ann @bob",
              ":irc 366 ann #LobbyTarveloLadder :End"})},
       {"PART #LOBBY-Tarvelo501", "JOIN #LobbyTarveloLadder"},
       {{LobbyJoined, "LobbyTarveloLadder\r"}}},
      {"a room asked for while another is on its way: that one is left again",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) {
          s.JoinRoom("LobbyTarveloLadder");
          s.JoinRoom("LobbyTarveloclub");
        }),
        Hear({":ann!a@h JOIN #LobbyTarveloLadder", ":irc 353 ann = #LobbyTarveloLadder :ann @bob",
              ":irc 366 ann #LobbyTarveloLadder :End", ":ann!a@h JOIN #LobbyTarveloclub",
              ":irc 353 ann = #LobbyTarveloclub :ann @cy", ":irc 366 ann #LobbyTarveloclub :End"})},
       {"PART #LOBBY-Tarvelo501", "JOIN #LobbyTarveloLadder", "PART #LobbyTarveloLadder", "JOIN #LobbyTarveloclub"},
       {{LobbyJoined, "LobbyTarveloclub\r"}}},
      {"the room one is in already",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.JoinRoom("LOBBY-Tarvelo501"); })},
       {},
       {{LobbyAlreadyInRoom, "LOBBY-Tarvelo501\r"}}},
      {"a room that does not exist is left again",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.JoinRoom("LobbyTarveloLadder"); }),
        Hear({":ann!a@h JOIN #LobbyTarveloLadder", ":irc 353 ann = #LobbyTarveloLadder :@ann",
              ":irc 366 ann #LobbyTarveloLadder :End"})},
       {"PART #LOBBY-Tarvelo501", "JOIN #LobbyTarveloLadder", "PART #LobbyTarveloLadder"},
       {{LobbyNoSuchRoom, "LobbyTarveloLadder\r"}}},
      {"a room the server refuses",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.JoinRoom("x"); }), Hear({":irc 474 ann #x :Cannot join channel (+b)"})},
       {"PART #LOBBY-Tarvelo501", "JOIN #x"},
       {{LobbyNoSuchRoom, "x\r"}}},
      {"creating a room for two closes it to a third",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.CreateRoom("Tarvelo#bob#ann#", "2"); }),
        Hear({":ann!a@h JOIN #Tarvelo\\23bob\\23ann\\23", ":irc 353 ann = #Tarvelo\\23bob\\23ann\\23 :@ann",
              ":irc 366 ann #Tarvelo\\23bob\\23ann\\23 :End"})},
       {"PART #LOBBY-Tarvelo501", "JOIN #Tarvelo\\23bob\\23ann\\23", "MODE #Tarvelo\\23bob\\23ann\\23 +l 2"},
       {{LobbyJoined, "Tarvelo#bob#ann#\r"}}},
      {"creating an open room",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.CreateRoom("LobbyTarveloclub", "0"); }),
        Hear({":ann!a@h JOIN #LobbyTarveloclub", ":irc 353 ann = #LobbyTarveloclub :@ann",
              ":irc 366 ann #LobbyTarveloclub :End"})},
       {"PART #LOBBY-Tarvelo501", "JOIN #LobbyTarveloclub"},
       {{LobbyJoined, "LobbyTarveloclub\r"}}},
      {"creating a room for two that someone made first joins it",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.CreateRoom("Tarvelo#ann#bob#", "2"); }),
        Hear({":ann!a@h JOIN #Tarvelo\\23ann\\23bob\\23", ":irc 353 ann = #Tarvelo\\23ann\\23bob\\23 :ann @bob",
              ":irc 366 ann #Tarvelo\\23ann\\23bob\\23 :End"})},
       {"PART #LOBBY-Tarvelo501", "JOIN #Tarvelo\\23ann\\23bob\\23"},
       {{LobbyJoined, "Tarvelo#ann#bob#\r"}}},
      {"a third user finds a room for two full",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.CreateRoom("Tarvelo#ann#bob#", "2"); }),
        Hear({":irc 471 cy #Tarvelo\\23ann\\23bob\\23 :Cannot join channel (channel is full)"})},
       {"PART #LOBBY-Tarvelo501", "JOIN #Tarvelo\\23ann\\23bob\\23"},
       {{LobbyRoomFull, "Tarvelo#ann#bob#\r"}}},
  });
}

TEST(LobbySession, ChatAndOthersComingAndGoing) {
  RunAll({
      {"a public line, its echo and another's line",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.PublicMessage("hello J\xF6rg"); }),
        Hear({":ann!a@h PRIVMSG #LOBBY-Tarvelo501 :hello J\xC3\xB6rg",
              ":J\\F6rg!j@h PRIVMSG #LOBBY-Tarvelo501 :hi :)"})},
       {"PRIVMSG #LOBBY-Tarvelo501 :hello J\xC3\xB6rg"},
       {{LobbyPublicMessage, "ann hello J\xF6rg\r"}, {LobbyPublicMessage, "J\xF6rg hi :)\r"}}},
      {"a line broken into commands stays one line",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.PublicMessage("hi\r\nQUIT :bye\nJOIN #x"); })},
       {"PRIVMSG #LOBBY-Tarvelo501 :hiQUIT :byeJOIN #x"},
       {}},
      {"a refused line",
       TStart::InLobbyRoom,
       {Hear({":irc 404 ann #LOBBY-Tarvelo501 :Cannot send"})},
       {},
       {{LobbyChatRefused, ""}}},
      {"a command to a nickname nobody holds",
       TStart::InLobbyRoom,
       {Hear({":irc 401 ann J\\F6rg :No such nick/channel"})},
       {},
       {{LobbyNoSuchUser, "J\xF6rg\r"}}},
      {"others join, part, are kicked and quit",
       TStart::InLobbyRoom,
       {Hear({":cy!c@h JOIN #LOBBY-Tarvelo501", ":bob!b@h PART #LOBBY-Tarvelo501 :bye",
              ":op!o@h KICK #LOBBY-Tarvelo501 cy :x", ":d\\5B!d@h QUIT :Ping timeout", ":e!e@h JOIN #elsewhere"})},
       {},
       {{LobbyUserJoined, "cy LOBBY-Tarvelo501\r"},
        {LobbyUserLeft, "bob LOBBY-Tarvelo501\r"},
        {LobbyUserLeft, "cy LOBBY-Tarvelo501\r"},
        {LobbyUserLeft, "d[ LOBBY-Tarvelo501\r"}}},
      {"kicked oneself",
       TStart::InLobbyRoom,
       {Hear({":op!o@h KICK #LOBBY-Tarvelo501 ann :x"}), Call([](TLobbySession& s) { s.PublicMessage("x"); })},
       {},
       {{LobbyUserLeft, "ann LOBBY-Tarvelo501\r"}, {LobbyChatRefused, ""}}},
  });
}

// A command's length and checksum, as its last piece ends.
std::string Check(const std::string& utf8) {
  char text[17];
  std::snprintf(text, sizeof text, "%08X%08X", static_cast<unsigned>(utf8.size()), static_cast<unsigned>(Crc32(utf8)));
  return text;
}

TEST(LobbySession, PrivateGameCommands) {
  RunAll({
      {"a short command is one line",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) {
         s.PrivateGameCommand("J\xF6rg",
                              "INVITE\xFE"
                              "1\xFF");
       })},
       {"PRIVMSG J\\F6rg =INVITE\xC3\xBE"
        "1\xC3\xBF" +
        Check("INVITE\xC3\xBE"
              "1\xC3\xBF")},
       {}},
      {"an empty command",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.PrivateGameCommand("bob", ""); })},
       {"PRIVMSG bob =0000000000000000"},
       {}},
      {"no line break reaches the wire through the addressee or the command",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.PrivateGameCommand("bob\r\nQUIT", "x\r\nJOIN #y\0"); })},
       {"PRIVMSG bobQUIT :=xJOIN #y" + Check("xJOIN #y")},
       {}},
      {"a command from a peer, put together in order",
       TStart::InLobbyRoom,
       {TStep{{},
              Server({":bob!b@h PRIVMSG ann :+part one, ", ":cy!c@h PRIVMSG ann :+other "}) +
                  ":bob!b@h PRIVMSG ann :=part two" + Check("part one, part two") + "\r\n" +
                  ":cy!c@h PRIVMSG ann :=one" + Check("other one") + "\r\n"}},
       {},
       {{LobbyPrivateCommand, "bob part one, part two\r"}, {LobbyPrivateCommand, "cy other one\r"}}},
      {"a command that a server cut short is told once and not handed on",
       TStart::InLobbyRoom,
       {TStep{{},
              Server({":bob!b@h PRIVMSG ann :+part one, "}) + ":bob!b@h PRIVMSG ann :=part tw" +
                  Check("part one, part two").substr(0, 10) + "\r\n"}},
       {},
       {{LobbyCommandDamaged, "bob\r"}}},
      {"CTCP, notices, lines without a marker and lines to others are not commands",
       TStart::InLobbyRoom,
       {Hear({":bob!b@h PRIVMSG ann :\x01VERSION\x01", ":bob!b@h NOTICE ann :=x", ":bob!b@h PRIVMSG ann :plain",
              ":bob!b@h PRIVMSG cy :=x"})},
       {},
       {}},
      {"a peer who quits mid-command leaves nothing behind",
       TStart::InLobbyRoom,
       {TStep{{},
              Server({":bob!b@h PRIVMSG ann :+half", ":bob!b@h QUIT :gone"}) + ":bob!b@h PRIVMSG ann :=new" +
                  Check("new") + "\r\n"}},
       {},
       {{LobbyUserLeft, "bob LOBBY-Tarvelo501\r"}, {LobbyPrivateCommand, "bob new\r"}}},
  });
}

// Every line the session has queued, taken batch by batch as its clock runs.
TLines Drain(TLobbySession& session, std::int64_t& now) {
  TLines lines;
  for (;;) {
    for (auto& line : session.TakeLines()) lines.push_back(std::move(line));
    if (!session.LinesWaiting()) return lines;
    session.Tick(now += TLobbySession::PaceMs);
  }
}

// The longest nicknames there are: 16 characters, each escaped to three bytes.
const std::string LongAnn = "\xC4\xD6\xDC\xE4\xF6\xFC\xDF\xE9\xE8\xEA\xEB\xC9\xC8\xCA\xCB\xC5";
const std::string LongBob = "\xD8\xF8\xC6\xE6\xC7\xE7\xD1\xF1\xC0\xE0\xC1\xE1\xC2\xE2\xC3\xE3";

// Logged in under a long name, having heard the server's lines about itself and us.
void LogInAs(TLobbySession& session, const std::string& nick, const std::vector<std::string>& about) {
  const std::string wire = EscapeIrcName(nick);
  session.Login(nick, "secret", "Tarvelo501");
  std::string lines = ":irc CAP * LS :echo-message\r\n:irc CAP * ACK :echo-message\r\n";
  for (const auto& line : about)
    lines += ":irc " + line.substr(0, line.find('$')) + wire + line.substr(std::min(line.find('$') + 1, line.size())) +
             "\r\n";
  session.Receive(lines + ":irc 376 " + wire + " :End\r\n");
  session.TakeLines();
  session.TakeEvents();
}

// A relayed line never grows past what the server allows, whatever the names
// and the host in front of it, and a piece uses the room it has.
TEST(LobbySession, PiecesLeaveRoomForWhatTheServerPutsInFront) {
  struct Case {
    const char* Name;
    std::vector<std::string> About;  // "$" stands for our wire nickname
    std::string Prefix;              // "nick!user@host" of ours, as the receiver sees it, after the nickname
    std::size_t LineBytes;
    bool Filled;  // the prefix was told, so the pieces fill the line
  };
  const std::string host6 = "2001:db8:ffff:ffff:ffff:ffff:ffff:ffff";
  const Case cases[] = {
      {"the standard line, the prefix from the welcome",
       {"001 $ :Welcome to the Tarvelo IRC Network $!Abcdefghijk@" + host6},
       "!Abcdefghijk@" + host6,
       512,
       true},
      {"a longer line announced",
       {"001 $ :Welcome to the Tarvelo IRC Network $!Abcdefghijk@127.0.0.1", "005 $ LINELEN=1024 :are supported"},
       "!Abcdefghijk@127.0.0.1",
       1024,
       true},
      {"a host shown to others changed after the welcome",
       {"001 $ :Welcome to the Tarvelo IRC Network $!u@h", "396 $ " + std::string(60, 'h') + " :is now your host"},
       "!u@" + std::string(60, 'h'),
       512,
       true},
      {"nothing told of us: the longest user and host the server allows",
       {"001 $ :Welcome", "005 $ USERLEN=11 HOSTLEN=64 :are supported"},
       "!~" + std::string(11, 'u') + "@" + std::string(64, 'h'),
       512,
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TLobbySession ann, bob;
    LogInAs(ann, LongAnn, c.About);
    LogInAs(bob, LongBob, c.About);
    std::string command;
    for (int i = 0; i < 3000; ++i) command += static_cast<char>(i % 7 == 0 ? 0xFE : 'A' + i % 26);
    ann.PrivateGameCommand(LongBob, command);
    std::int64_t now = 0;
    const TLines sent = Drain(ann, now);
    std::string relayed;
    for (std::size_t i = 0; i < sent.size(); ++i) {
      const std::string line = ":" + EscapeIrcName(LongAnn) + c.Prefix + " " + sent[i];
      EXPECT_LE(line.size(), c.LineBytes) << i;
      if (c.Filled && i + 1 < sent.size()) {
        // Short of the spare bytes by at most the ":" a text without a space goes without, and a cut
        // that stepped back before a two-byte character.
        EXPECT_GE(line.size(), c.LineBytes - TLobbySession::SpareLineBytes - 2) << i;
      }
      relayed += line;
    }
    bob.Receive(relayed);
    EXPECT_EQ(bob.TakeEvents(), TEvents({{LobbyPrivateCommand, LongAnn + " " + command + "\r"}}));
  }
}

// A server that reads a few kilobytes at a time gets a big command in batches:
// each at most PaceBytes, the next no sooner than PaceMs later, nothing reordered.
TEST(LobbySession, ABigCommandGoesOutInBatchesAFewMillisecondsApart) {
  TLobbySession session;
  session.Tick(1000);
  LogIn(session);
  session.TakeLines();
  session.Tick(1000 + TLobbySession::PaceMs);
  session.PrivateGameCommand("bob", std::string(TLobbySession::MaxCommandBytes, '\xE9'));
  session.Receive(Server({"PING :after"}));
  std::int64_t now = 1000 + TLobbySession::PaceMs;
  std::vector<std::size_t> batches;
  std::string last;
  while (session.LinesWaiting() || batches.empty()) {
    std::size_t bytes = 0;
    for (const auto& line : session.TakeLines()) bytes += line.size(), last = line;
    batches.push_back(bytes);
    session.Tick(now + TLobbySession::PaceMs - 1);
    EXPECT_TRUE(session.TakeLines().empty()) << "a batch too soon";
    session.Tick(now += TLobbySession::PaceMs);
  }
  const std::size_t wire = 2 * TLobbySession::MaxCommandBytes;
  EXPECT_GE(batches.size(), wire / TLobbySession::PaceBytes);
  EXPECT_LE(batches.size(), wire / TLobbySession::PaceBytes + 3);
  for (std::size_t bytes : batches) EXPECT_LE(bytes, TLobbySession::PaceBytes);
  EXPECT_EQ(last, "PONG after\r\n") << "the answer waits its turn behind the command";
}

TEST(LobbySession, LinkUpkeepAndLeaving) {
  RunAll({
      {"a server PING is answered",
       TStart::InLobbyRoom,
       {Hear({"PING :irc.tarvelo.lan"})},
       {"PONG irc.tarvelo.lan"},
       {}},
      {"leaving sends QUIT and takes the server's closing line quietly",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.Disconnect(); }), Hear({"ERROR :Closing link: (a@h) [Quit: Leaving the lobby]"}),
        Call([](TLobbySession& s) { s.LinkFailed("The remote host closed the connection"); })},
       {"QUIT :Leaving the lobby"},
       {},
       true},
      {"a lost link is reported with its text",
       TStart::InLobbyRoom,
       {Call([](TLobbySession& s) { s.LinkFailed("The remote host closed the connection"); })},
       {},
       {{LobbyError, "The remote host closed the connection"}},
       true},
      {"a line without an end drops the link",
       TStart::InLobbyRoom,
       {TStep{{}, std::string(TLobbySession::MaxLineBytes + 1, 'x')}, Hear({"PING :x"})},
       {},
       {{LobbyError, "The lobby server sent a line without an end."}},
       true},
  });
}

// A broken or hostile server's line that lacks the parameters its handler reads
// is dropped: nothing is read outside the line, and the link goes on.
TEST(LobbySession, ALineShortOfParametersIsDropped) {
  const std::vector<std::string> shortLines = {
      ":irc CAP",      ":irc CAP * LS", ":irc CAP * ACK",   ":irc 353",
      ":irc 353 ann",  ":irc 372",      ":irc 366",         ":irc 322",
      ":irc 001",      ":bob!b@h JOIN", ":bob!b@h PART",    ":bob!b@h KICK",
      ":bob!b@h NICK", ":bob PRIVMSG",  ":bob PRIVMSG ann", ":NickServ!s@h NOTICE",
      ":irc 375",      ":irc 376",      ":irc 433",         ":irc 471",
      ":irc 005",      ":irc 396 ann"};
  for (bool loggedIn : {false, true}) {
    for (const std::string& line : shortLines) {
      SCOPED_TRACE(line + (loggedIn ? " (logged in)" : " (logging in)"));
      TLobbySession session;
      if (loggedIn)
        LogIn(session);
      else
        session.Login("ann", "secret", "Tarvelo501");
      session.TakeLines();
      session.TakeEvents();
      session.Receive(line + "\r\n:irc PING :still-here\r\n");
      EXPECT_EQ(session.TakeLines(), TLines{"PONG still-here\r\n"});
    }
  }
}

TEST(LobbySession, ALineWithoutAnEndIsDroppedBeforeItGrowsPastItsLimit) {
  TLobbySession session;
  LogIn(session);
  session.TakeEvents();
  const std::string piece(1000, 'x');
  for (int i = 0; i < 8; ++i) session.Receive(piece);
  EXPECT_FALSE(session.WantsClose());
  session.Receive(piece);
  EXPECT_TRUE(session.WantsClose());
  EXPECT_EQ(session.TakeEvents(), TEvents({{LobbyError, "The lobby server sent a line without an end."}}));
}

TEST(LobbySession, SilenceIsAskedAfterAMinuteAndDropsTheLinkAfterTwo) {
  TLobbySession session;
  session.Tick(1000);
  LogIn(session);
  session.TakeLines();
  session.Tick(1000 + TLobbySession::PingAfterMs - 1);
  EXPECT_TRUE(session.TakeLines().empty());
  session.Tick(1000 + TLobbySession::PingAfterMs);
  EXPECT_EQ(session.TakeLines(), TLines({"PING tarvelo\r\n"}));
  session.Tick(1000 + TLobbySession::PingAfterMs + 5000);
  EXPECT_TRUE(session.TakeLines().empty()) << "one question is enough";
  session.Receive(Server({":irc PONG irc :tarvelo"}));
  const std::int64_t answered = 1000 + TLobbySession::PingAfterMs + 5000;
  session.Tick(answered + TLobbySession::DropAfterMs - 1);
  EXPECT_FALSE(session.WantsClose()) << "the answer reset the silence";
  session.Tick(answered + TLobbySession::DropAfterMs);
  EXPECT_TRUE(session.WantsClose());
  EXPECT_EQ(session.TakeEvents().back(), (TLobbyEvent{LobbyError, "The lobby server stopped answering."}));
}

// An idle server sends its welcome only once a second; a line from us wakes it,
// so from CAP END until the welcome the session asks every 50 ms.
TEST(LobbySession, TheLoginKeepsTheServerAwakeUntilTheWelcome) {
  TLobbySession session;
  session.Tick(1000);
  session.Login("ann", "secret", "Tarvelo501");
  EXPECT_FALSE(session.AwaitingWelcome()) << "not before CAP END";
  session.Receive(Server({":irc CAP * LS :echo-message", ":irc CAP * ACK :echo-message"}));
  EXPECT_EQ(session.TakeLines().back(), "CAP END\r\n");
  EXPECT_TRUE(session.AwaitingWelcome());
  session.Tick(1000 + TLobbySession::KeepAliveMs - 1);
  EXPECT_TRUE(session.TakeLines().empty());
  session.Tick(1000 + TLobbySession::KeepAliveMs);
  EXPECT_EQ(session.TakeLines(), TLines({"PING tarvelo-login\r\n"}));
  session.Tick(1000 + 2 * TLobbySession::KeepAliveMs);
  EXPECT_EQ(session.TakeLines(), TLines({"PING tarvelo-login\r\n"}));
  session.Receive(Server({":irc PONG irc :tarvelo-login", ":irc 001 ann :Welcome"}));
  EXPECT_FALSE(session.AwaitingWelcome());
  session.Tick(1000 + 10 * TLobbySession::KeepAliveMs);
  EXPECT_TRUE(session.TakeLines().empty()) << "the welcome ends the asking";
}

// The clock a session is given is the program's: a link made after the program
// has run for minutes is not taken for one that has been silent all that time.
TEST(LobbySession, SilenceCountsFromTheLinksOwnStartNotTheProgramsStart) {
  for (const std::int64_t started : {std::int64_t{0}, TLobbySession::DropAfterMs, 10 * TLobbySession::DropAfterMs}) {
    SCOPED_TRACE(started);
    TLobbySession session;
    session.Tick(started);
    session.Login("ann", "secret", "Tarvelo501");
    session.Tick(started + 1000);
    EXPECT_FALSE(session.WantsClose());
    EXPECT_TRUE(session.TakeEvents().empty());
    EXPECT_EQ(session.TakeLines().size(), 3u) << "CAP LS, NICK and USER";
  }
}

}  // namespace
