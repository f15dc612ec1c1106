#pragma once

#include "lobby/irc/command_pieces.h"
#include "lobby/irc/irc_message.h"
#include "lobby/irc/lobby_events.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo::irc {

// The lobby's IRC session without a socket: the lobby's calls and the bytes
// that arrive go in; the lines to send and the lobby events come out. Names
// and texts are 8-bit as the program types them; the session escapes the
// names and carries the texts as UTF-8.
class TLobbySession {
 public:
  static constexpr std::size_t MaxLineBytes = 8192;  // a longer line without its end drops the link
  // A private command's text (8-bit; twice as long at most as UTF-8 on the
  // wire), and what everyone's commands being put together may hold.
  static constexpr std::size_t MaxCommandBytes = 65536;
  static constexpr std::size_t MaxAssemblyBytes = 1 << 20;
  // A line the server relays gets our "nick!user@host" in front and may not
  // grow past the length the server announces (LINELEN, else 512): a piece
  // leaves room for both and for this much more.
  static constexpr std::size_t SpareLineBytes = 8;
  static constexpr std::size_t MinPieceBytes = 32;
  // Lines go out in batches of at most PaceBytes, PaceMs apart: a server that
  // reads 10,240 bytes at a time holds the tail of a longer burst until
  // something else wakes it, a whole second on a quiet server.
  static constexpr std::size_t PaceBytes = 8192;
  static constexpr std::int64_t PaceMs = 2;
  static constexpr std::int64_t PingAfterMs = 60000;
  static constexpr std::int64_t DropAfterMs = 120000;
  // Between CAP END and the welcome the session asks the server this often: an
  // idle InspIRCd sends its welcome only in its once-a-second housekeeping, and
  // a line from us wakes it.
  static constexpr std::int64_t KeepAliveMs = 50;

  // --- The lobby's calls
  // Once logged in, the player enters the client's main room ("LOBBY-" + client).
  void Login(std::string_view nick, std::string_view credential, std::string_view client);
  void Register(std::string_view credential, std::string_view email);
  void GetMotd();
  void GetAllRooms();
  void GetUserList(std::string_view room);
  void JoinRoom(std::string_view room);
  // kind "2": a room for two, closed to a third; "0": an open room.
  void CreateRoom(std::string_view room, std::string_view kind);
  void PublicMessage(std::string_view text);
  void PrivateGameCommand(std::string_view nick, std::string_view text);
  void Disconnect();

  // --- The link
  void Receive(std::string_view bytes);
  void Tick(std::int64_t nowMs);
  // The link failed (a socket error); reported unless the session was leaving anyway.
  void LinkFailed(std::string_view text);

  // --- What comes out
  // Each with its CR LF; in order, as many as the current batch allows.
  std::vector<std::string> TakeLines();
  // Lines wait for the next batch: the link's owner ticks every PaceMs meanwhile.
  bool LinesWaiting() const { return !queued_.empty() && !wantsClose_; }
  std::vector<TLobbyEvent> TakeEvents();
  bool WantsClose() const { return wantsClose_; }
  bool Quitting() const { return quitting_; }
  // Waiting for the welcome after CAP END: the link's owner ticks every KeepAliveMs meanwhile.
  bool AwaitingWelcome() const { return awaitingWelcome_ && !registered_ && !wantsClose_; }
  const std::string& CurrentRoom() const { return currentRoom_; }

 private:
  struct TPendingJoin {
    std::string Room;
    bool Create = false;
    bool ForTwo = false;
    bool Joined = false;
    int Members = 0;
  };

  void Send(const TIrcMessage& message);
  void Emit(int code, std::string text = {});
  void Fail(int code, std::string text = {});
  void HandleLine(std::string_view line);
  void HandleMessage(const TIrcMessage& message);
  void HandleNumeric(int numeric, const TIrcMessage& message);
  void HandleCap(const TIrcMessage& message);
  void HandleSaslOutcome(bool ok);
  void HandleWelcomeEnd();
  void HandleMotd(int numeric, const TIrcMessage& message);
  void HandleNames(const TIrcMessage& message);
  void HandleNamesEnd(const TIrcMessage& message);
  void HandleJoinRefused(int numeric, const TIrcMessage& message);
  void HandleJoin(const TIrcMessage& message);
  void HandleLeave(const TIrcMessage& message);
  void HandlePrivmsg(const TIrcMessage& message);
  void HandleNotice(const TIrcMessage& message);
  void HandleError(const TIrcMessage& message);
  void HandleSupport(const TIrcMessage& message);
  void LearnOwnPrefix(const TIrcMessage& message);
  // The text one PRIVMSG to `target` may carry so that the relayed line stays whole.
  std::size_t PieceBytes(std::string_view target) const;
  void StartJoin(std::string_view room, bool create, bool forTwo);
  void EnterMainRoom();
  bool IsMe(std::string_view wireNick) const;
  static std::string Channel(std::string_view room);
  static std::string RoomOf(std::string_view channel);

  std::deque<std::string> queued_;
  std::size_t batchBytes_ = 0;
  std::int64_t batchStart_ = 0;
  std::vector<TLobbyEvent> events_;
  std::string buffer_;
  bool wantsClose_ = false, quitting_ = false, loggedIn_ = false;
  std::string nick_, wireNick_, credential_, mainRoom_;
  bool capsListed_ = false, echo_ = false, registered_ = false, welcomeEnded_ = false;
  enum class TSasl { None, Running, Ok, Failed } sasl_ = TSasl::None;
  std::string offeredCaps_;
  bool nickInUse_ = false, registering_ = false, motdRequested_ = false;
  std::string currentRoom_;
  TPendingJoin pending_;
  bool joining_ = false, listing_ = false;
  std::map<std::string, bool> names_;  // channel of an asked user list -> its names have started
  TCommandAssembly commands_{2 * MaxCommandBytes, MaxAssemblyBytes};  // folded sender -> its command so far
  std::size_t lineBytes_ = MaxMessageBytes + 2;                       // LINELEN, CR LF included
  std::size_t userBytes_ = 11, hostBytes_ = 64;                       // USERLEN, HOSTLEN
  std::string userHost_;  // "!user@host" as the server puts it in front of our lines
  std::int64_t now_ = 0, lastHeard_ = 0;
  bool clockStarted_ = false, pinged_ = false;
  bool awaitingWelcome_ = false;
  std::int64_t lastKeepAlive_ = 0;
};

}  // namespace tarvelo::irc
