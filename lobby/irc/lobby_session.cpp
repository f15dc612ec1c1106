#include "lobby/irc/lobby_session.h"

#include "lobby/irc/irc_text.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <utility>

namespace tarvelo::irc {
namespace {

std::string Base64(std::string_view bytes) {
  static const char table[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    unsigned value = static_cast<unsigned char>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) value |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    if (i + 2 < bytes.size()) value |= static_cast<unsigned char>(bytes[i + 2]);
    out += table[(value >> 18) & 63];
    out += table[(value >> 12) & 63];
    out += i + 1 < bytes.size() ? table[(value >> 6) & 63] : '=';
    out += i + 2 < bytes.size() ? table[value & 63] : '=';
  }
  return out;
}

std::string Folded(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool HasWord(std::string_view words, std::string_view word) {
  std::size_t start = 0;
  while (start < words.size()) {
    const std::size_t end = std::min(words.find(' ', start), words.size());
    std::string_view found = words.substr(start, end - start);
    found = found.substr(0, found.find('='));  // "sasl=PLAIN,EXTERNAL" offers sasl
    if (found == word) return true;
    start = end + 1;
  }
  return false;
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != text.npos; }

// A nickname as the room shows it: without the mode prefixes of a NAMES reply.
std::string_view WithoutModePrefix(std::string_view name) {
  while (!name.empty() && std::string_view("~&@%+").find(name.front()) != std::string_view::npos) name.remove_prefix(1);
  return name;
}

// The parameters a line must carry before its handler reads them: a shorter
// line, from a broken or hostile server, is dropped whole. Handlers read a
// missing parameter only through Param, which gives an empty text.
std::size_t ParamsNeeded(std::string_view command) {
  static constexpr std::pair<std::string_view, std::size_t> needed[] = {
      {"CAP", 3}, {"JOIN", 1}, {"PART", 1}, {"KICK", 2}, {"NICK", 1}, {"PRIVMSG", 2}, {"NOTICE", 2},
      {"001", 1}, {"005", 2},  {"322", 2},  {"353", 2},  {"366", 2},  {"372", 1},     {"396", 2}};
  for (const auto& [name, count] : needed)
    if (name == command) return count;
  return 0;
}
}  // namespace

// --- The lobby's calls

void TLobbySession::Login(std::string_view nick, std::string_view credential, std::string_view client) {
  nick_ = StripLineBreaks(nick);
  wireNick_ = EscapeIrcName(nick_);
  credential_ = StripLineBreaks(credential);
  mainRoom_ = "LOBBY-" + StripLineBreaks(client);
  lastHeard_ = now_;
  Send(MakeMessage("CAP", {"LS", "302"}));
  Send(MakeMessage("NICK", {wireNick_}));
  Send(MakeMessage("USER", {wireNick_, "0", "*", Latin1ToUtf8(StripLineBreaks(client))}));
}

void TLobbySession::Register(std::string_view credential, std::string_view email) {
  registering_ = true;
  Send(MakeMessage("PRIVMSG", {"NickServ", "REGISTER " + Latin1ToUtf8(StripLineBreaks(credential)) + " " +
                                               Latin1ToUtf8(StripLineBreaks(email))}));
}

void TLobbySession::GetMotd() {
  motdRequested_ = true;
  Send(MakeMessage("MOTD"));
}

void TLobbySession::GetAllRooms() {
  listing_ = false;
  Send(MakeMessage("LIST"));
}

void TLobbySession::GetUserList(std::string_view room) {
  const std::string channel = Channel(room);
  names_[Folded(channel)] = false;
  Send(MakeMessage("NAMES", {channel}));
}

void TLobbySession::JoinRoom(std::string_view room) { StartJoin(room, false, false); }

void TLobbySession::CreateRoom(std::string_view room, std::string_view kind) { StartJoin(room, true, kind == "2"); }

void TLobbySession::StartJoin(std::string_view room, bool create, bool forTwo) {
  const std::string name = StripLineBreaks(room);
  if (name.empty()) return;
  if (!currentRoom_.empty() && Folded(EscapeIrcName(currentRoom_)) == Folded(EscapeIrcName(name))) {
    Emit(LobbyAlreadyInRoom, name + "\r");
    return;
  }
  if (joining_ && Folded(EscapeIrcName(pending_.Room)) == Folded(EscapeIrcName(name))) {
    pending_.Create = pending_.Create || create;  // the JOIN on its way does for both
    return;
  }
  // One room at a time: the lobby shows one room's players and chat.
  if (!currentRoom_.empty()) Send(MakeMessage("PART", {Channel(currentRoom_)}));
  if (joining_) Send(MakeMessage("PART", {Channel(pending_.Room)}));  // the room on its way is left as well
  currentRoom_.clear();
  pending_ = TPendingJoin{name, create, forTwo};
  joining_ = true;
  Send(MakeMessage("JOIN", {Channel(name)}));
}

// A player who logs in is in the client's main room, made by the first who comes.
void TLobbySession::EnterMainRoom() {
  loggedIn_ = true;
  Emit(LobbyLoggedIn);
  StartJoin(mainRoom_, true, false);
}

void TLobbySession::PublicMessage(std::string_view text) {
  const std::string utf8 = Latin1ToUtf8(StripLineBreaks(text));
  if (currentRoom_.empty()) {
    Emit(LobbyChatRefused);
    return;
  }
  const std::string channel = Channel(currentRoom_);
  for (const auto& piece : CutUtf8(utf8, PieceBytes(channel))) {
    Send(MakeMessage("PRIVMSG", {channel, piece}));
    if (!echo_) Emit(LobbyPublicMessage, nick_ + " " + Utf8ToLatin1(piece) + "\r");
  }
}

void TLobbySession::PrivateGameCommand(std::string_view nick, std::string_view text) {
  const std::string target = EscapeIrcName(StripLineBreaks(nick));
  if (target.empty()) return;
  for (auto& piece : CutCommand(Latin1ToUtf8(StripLineBreaks(text)), PieceBytes(target)))
    Send(MakeMessage("PRIVMSG", {target, std::move(piece)}));
}

std::size_t TLobbySession::PieceBytes(std::string_view target) const {
  // Until the server has told us, the longest user and host it may give us.
  const std::size_t prefix =
      wireNick_.size() + (userHost_.empty() ? 2 + userBytes_ + 1 + hostBytes_ : userHost_.size());
  const std::size_t relayed = 1 + prefix + std::string_view(" PRIVMSG ").size() + target.size() + 2 + 2;
  return lineBytes_ > relayed + SpareLineBytes + MinPieceBytes ? lineBytes_ - relayed - SpareLineBytes : MinPieceBytes;
}

void TLobbySession::Disconnect() {
  if (quitting_ || wantsClose_) return;
  quitting_ = true;
  Send(MakeMessage("QUIT", {"Leaving the lobby"}));
}

// --- The link

void TLobbySession::Receive(std::string_view bytes) {
  if (wantsClose_) return;
  lastHeard_ = now_;
  pinged_ = false;
  buffer_.append(bytes);
  std::size_t start = 0;
  for (std::size_t end; (end = buffer_.find('\n', start)) != std::string::npos && !wantsClose_; start = end + 1) {
    std::string_view line(buffer_.data() + start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    HandleLine(line);
  }
  buffer_.erase(0, start);
  if (buffer_.size() > MaxLineBytes) {
    buffer_.clear();
    Fail(LobbyError, "The lobby server sent a line without an end.");
  }
}

void TLobbySession::Tick(std::int64_t nowMs) {
  now_ = nowMs;
  // The clock is the program's: the link's silence counts from the first time it is told.
  if (!clockStarted_) {
    clockStarted_ = true;
    lastHeard_ = now_;
  }
  if (wantsClose_) return;
  if (AwaitingWelcome() && now_ - lastKeepAlive_ >= KeepAliveMs) {
    lastKeepAlive_ = now_;
    Send(MakeMessage("PING", {"tarvelo-login"}));
  }
  if (now_ - batchStart_ >= PaceMs) {
    batchStart_ = now_;
    batchBytes_ = 0;
  }
  if (now_ - lastHeard_ >= DropAfterMs) {
    Fail(LobbyError, "The lobby server stopped answering.");
  } else if (now_ - lastHeard_ >= PingAfterMs && !pinged_) {
    pinged_ = true;
    Send(MakeMessage("PING", {"tarvelo"}));
  }
}

void TLobbySession::LinkFailed(std::string_view text) {
  if (quitting_ || wantsClose_) return;
  Fail(LobbyError, std::string(text));
}

std::vector<std::string> TLobbySession::TakeLines() {
  std::vector<std::string> lines;
  while (!queued_.empty() && (batchBytes_ == 0 || batchBytes_ + queued_.front().size() <= PaceBytes)) {
    batchBytes_ += queued_.front().size();
    lines.push_back(std::move(queued_.front()));
    queued_.pop_front();
  }
  return lines;
}

std::vector<TLobbyEvent> TLobbySession::TakeEvents() { return std::exchange(events_, {}); }

void TLobbySession::Send(const TIrcMessage& message) {
  if (wantsClose_) return;
  if (const auto wire = SerializeIrcMessage(message, lineBytes_ - 2)) queued_.push_back(*wire + "\r\n");
}

void TLobbySession::Emit(int code, std::string text) { events_.push_back({code, std::move(text)}); }

// An error that ends the link: nothing more is read after it.
void TLobbySession::Fail(int code, std::string text) {
  Emit(code, std::move(text));
  wantsClose_ = true;
}

// --- What arrives

void TLobbySession::HandleLine(std::string_view line) {
  if (const auto message = ParseIrcLine(line, lineBytes_ - 2)) HandleMessage(*message);
}

void TLobbySession::HandleMessage(const TIrcMessage& message) {
  const std::string& command = message.Command;
  if (message.Params.size() < ParamsNeeded(command)) return;
  LearnOwnPrefix(message);
  if (command.size() == 3 && std::isdigit(static_cast<unsigned char>(command[0]))) {
    HandleNumeric(std::stoi(command), message);
  } else if (command == "PING") {
    Send(MakeMessage("PONG", {message.Param(0)}));
  } else if (command == "CAP") {
    HandleCap(message);
  } else if (command == "AUTHENTICATE" && message.Param(0) == "+") {
    Send(MakeMessage("AUTHENTICATE", {Base64(wireNick_ + '\0' + wireNick_ + '\0' + Latin1ToUtf8(credential_))}));
  } else if (command == "JOIN") {
    HandleJoin(message);
  } else if (command == "PART" || command == "KICK" || command == "QUIT") {
    HandleLeave(message);
  } else if (command == "NICK" && IsMe(message.Nick())) {
    wireNick_ = message.Param(0);
  } else if (command == "PRIVMSG") {
    HandlePrivmsg(message);
  } else if (command == "NOTICE") {
    HandleNotice(message);
  } else if (command == "ERROR") {
    HandleError(message);
  }
}

void TLobbySession::HandleCap(const TIrcMessage& message) {
  const std::string& sub = message.Param(1);
  if (sub == "LS" && !capsListed_) {
    // "CAP * LS * :..." says that more lines of capabilities follow.
    const bool more = message.Params.size() > 3 && message.Param(2) == "*";
    offeredCaps_ += " " + message.Params.back();
    if (more) return;
    capsListed_ = true;
    std::string wanted;
    if (HasWord(offeredCaps_, "sasl")) wanted = "sasl";
    if (HasWord(offeredCaps_, "echo-message")) wanted += wanted.empty() ? "echo-message" : " echo-message";
    if (wanted.empty()) {
      HandleSaslOutcome(false);
    } else {
      Send(MakeMessage("CAP", {"REQ", wanted}));
    }
  } else if (sub == "ACK") {
    const std::string& acked = message.Params.back();
    echo_ = HasWord(acked, "echo-message");
    if (HasWord(acked, "sasl")) {
      sasl_ = TSasl::Running;
      Send(MakeMessage("AUTHENTICATE", {"PLAIN"}));
    } else {
      HandleSaslOutcome(false);
    }
  } else if (sub == "NAK") {
    HandleSaslOutcome(false);
  }
}

void TLobbySession::HandleSaslOutcome(bool ok) {
  if (sasl_ == TSasl::Ok || sasl_ == TSasl::Failed) return;
  sasl_ = ok ? TSasl::Ok : TSasl::Failed;
  if (nickInUse_) {
    // Someone holds the nickname: ourselves from an earlier link, when the account is ours.
    Emit(ok ? LobbyAlreadyLoggedIn : LobbyNickInUse);
    return;
  }
  Send(MakeMessage("CAP", {"END"}));
  awaitingWelcome_ = true;
  lastKeepAlive_ = now_;
}

void TLobbySession::HandleNumeric(int numeric, const TIrcMessage& message) {
  switch (numeric) {
    case 1:
      registered_ = true;
      wireNick_ = message.Param(0);
      // "Welcome to the ... Network nick!user@host": how the server will show us to others.
      if (const std::string& text = message.Params.back(); text.find('@') != text.npos) {
        const std::string_view last = std::string_view(text).substr(text.rfind(' ') + 1);
        if (const auto bang = last.find('!'); bang != last.npos) userHost_ = last.substr(bang);
      }
      break;
    case 5:
      HandleSupport(message);
      break;
    case 396:
      // Our host as others see it changed.
      if (const auto at = userHost_.find('@'); at != userHost_.npos)
        userHost_ = userHost_.substr(0, at + 1) + message.Param(1);
      break;
    case 375:
    case 372:
    case 376:
    case 422:
      HandleMotd(numeric, message);
      break;
    case 321:
      Emit(LobbyRoomsStart);
      listing_ = true;
      break;
    case 322:
      if (!listing_) Emit(LobbyRoomsStart);
      listing_ = true;
      Emit(LobbyRoom, RoomOf(message.Param(1)) + "\r");
      break;
    case 323:
      if (!listing_) Emit(LobbyRoomsStart);
      listing_ = false;
      Emit(LobbyRoomsEnd);
      break;
    case 353:
      HandleNames(message);
      break;
    case 366:
      HandleNamesEnd(message);
      break;
    case 403:
    case 405:
    case 471:
    case 473:
    case 474:
    case 475:
    case 477:
    case 479:
      HandleJoinRefused(numeric, message);
      break;
    case 401:
      // A private command to someone no longer on the lobby: the peer of a game may have gone.
      Emit(LobbyNoSuchUser, UnescapeIrcName(message.Param(1)) + "\r");
      break;
    case 404:
      Emit(LobbyChatRefused);
      break;
    case 432:
      if (!registered_) Emit(LobbyNickInvalid);
      break;
    case 433:
      if (registered_) break;
      nickInUse_ = true;
      if (sasl_ == TSasl::Ok || sasl_ == TSasl::Failed)
        Emit(sasl_ == TSasl::Ok ? LobbyAlreadyLoggedIn : LobbyNickInUse);
      break;
    case 465:
      Fail(LobbyBanned);
      break;
    case 903:
      HandleSaslOutcome(true);
      break;
    case 902:
    case 904:
    case 905:
    case 906:
    case 907:
      HandleSaslOutcome(false);
      break;
    default:
      break;
  }
}

// The server's own message of the day at registration ends the welcome; the
// lobby is logged in only then, so what the program asks for next is its own.
void TLobbySession::HandleWelcomeEnd() {
  welcomeEnded_ = true;
  if (sasl_ == TSasl::Ok) {
    EnterMainRoom();
  } else {
    Emit(LobbyNotRegistered);
  }
}

void TLobbySession::HandleMotd(int numeric, const TIrcMessage& message) {
  if (!registered_) return;
  if (!welcomeEnded_) {
    if (numeric == 376 || numeric == 422) HandleWelcomeEnd();
    return;
  }
  if (!motdRequested_) return;
  if (numeric == 375 || numeric == 422) Emit(LobbyMotdStart);
  if (numeric == 372) {
    std::string_view text = message.Params.back();
    if (text.starts_with("- "))
      text.remove_prefix(2);
    else if (text.starts_with("-"))
      text.remove_prefix(1);
    Emit(LobbyMotdLine, Utf8ToLatin1(text) + "\r");
  }
  if (numeric == 376 || numeric == 422) {
    motdRequested_ = false;
    Emit(LobbyMotdEnd);
  }
}

void TLobbySession::HandleNames(const TIrcMessage& message) {
  const std::string channel = Folded(message.Param(message.Params.size() - 2));
  const std::string& list = message.Params.back();
  std::vector<std::string_view> names;
  for (std::size_t start = 0; start < list.size();) {
    const std::size_t end = std::min(list.find(' ', start), list.size());
    if (end > start) names.push_back(WithoutModePrefix(std::string_view(list).substr(start, end - start)));
    start = end + 1;
  }
  if (joining_ && pending_.Joined && channel == Folded(Channel(pending_.Room))) {
    pending_.Members += static_cast<int>(names.size());
    return;
  }
  const auto asked = names_.find(channel);
  if (asked == names_.end()) return;
  if (!asked->second) Emit(LobbyUsersStart);
  asked->second = true;
  for (auto name : names) Emit(LobbyUser, UnescapeIrcName(name) + " ");
}

void TLobbySession::HandleNamesEnd(const TIrcMessage& message) {
  const std::string channel = Folded(message.Param(1));
  if (joining_ && pending_.Joined && channel == Folded(Channel(pending_.Room))) {
    joining_ = false;
    const bool created = pending_.Members <= 1;
    if (created && !pending_.Create) {
      // Our JOIN made the room; it did not exist, so it goes again.
      Send(MakeMessage("PART", {Channel(pending_.Room)}));
      Emit(LobbyNoSuchRoom, pending_.Room + "\r");
      return;
    }
    currentRoom_ = pending_.Room;
    if (created && pending_.ForTwo) Send(MakeMessage("MODE", {Channel(currentRoom_), "+l", "2"}));
    Emit(LobbyJoined, currentRoom_ + "\r");
    return;
  }
  const auto asked = names_.find(channel);
  if (asked == names_.end()) return;
  if (!asked->second) Emit(LobbyUsersStart);
  names_.erase(asked);
}

void TLobbySession::HandleJoinRefused(int numeric, const TIrcMessage& message) {
  if (!joining_ || Folded(message.Param(1)) != Folded(Channel(pending_.Room))) return;
  joining_ = false;
  Emit(numeric == 471 ? LobbyRoomFull : LobbyNoSuchRoom, pending_.Room + "\r");
}

void TLobbySession::HandleJoin(const TIrcMessage& message) {
  const std::string channel = Folded(message.Param(0));
  if (IsMe(message.Nick())) {
    if (joining_ && channel == Folded(Channel(pending_.Room))) pending_.Joined = true;
    return;
  }
  if (!currentRoom_.empty() && channel == Folded(Channel(currentRoom_))) {
    Emit(LobbyUserJoined, UnescapeIrcName(message.Nick()) + " " + currentRoom_ + "\r");
  }
}

void TLobbySession::HandleLeave(const TIrcMessage& message) {
  const bool kick = message.Command == "KICK";
  const std::string who = kick ? message.Param(1) : message.Nick();
  commands_.Forget(Folded(who));
  if (currentRoom_.empty()) return;
  if (message.Command != "QUIT" && Folded(message.Param(0)) != Folded(Channel(currentRoom_))) return;
  if (IsMe(who)) {
    if (kick) Emit(LobbyUserLeft, nick_ + " " + std::exchange(currentRoom_, {}) + "\r");
    return;
  }
  // The server tells of a quit only those who share a room with the one who quit.
  Emit(LobbyUserLeft, UnescapeIrcName(who) + " " + currentRoom_ + "\r");
}

void TLobbySession::HandlePrivmsg(const TIrcMessage& message) {
  const std::string& target = message.Param(0);
  const std::string& text = message.Params.back();
  if (!text.empty() && text.front() == '\x01') return;  // CTCP is not ours
  const std::string sender = UnescapeIrcName(message.Nick());
  if (!target.empty() && target.front() == '#') {
    if (!currentRoom_.empty() && Folded(target) == Folded(Channel(currentRoom_))) {
      Emit(LobbyPublicMessage, sender + " " + Utf8ToLatin1(text) + "\r");
    }
    return;
  }
  if (!IsMe(target)) return;
  const auto result = commands_.Add(Folded(message.Nick()), text);
  if (result.Outcome == TCommandAssembly::TOutcome::Whole)
    Emit(LobbyPrivateCommand, sender + " " + Utf8ToLatin1(result.Command) + "\r");
  else if (result.Outcome == TCommandAssembly::TOutcome::Damaged)
    Emit(LobbyCommandDamaged, sender + "\r");
}

// "LINELEN=1024 USERLEN=11 HOSTLEN=64": what a relayed line may hold and what goes in front of it.
void TLobbySession::HandleSupport(const TIrcMessage& message) {
  for (std::size_t i = 1; i + 1 < message.Params.size(); ++i) {
    const std::string& token = message.Params[i];
    const auto equals = token.find('=');
    if (equals == token.npos) continue;
    const std::string_view key = std::string_view(token).substr(0, equals);
    const std::size_t value = std::strtoul(token.c_str() + equals + 1, nullptr, 10);
    if (key == "LINELEN") lineBytes_ = std::clamp<std::size_t>(value, MaxMessageBytes + 2, MaxLineBytes);
    if (key == "USERLEN" && value > 0 && value < 256) userBytes_ = value;
    if (key == "HOSTLEN" && value > 0 && value < 256) hostBytes_ = value;
  }
}

// Every line of ours the server shows us (a JOIN, an echoed message) carries our prefix as others see it.
void TLobbySession::LearnOwnPrefix(const TIrcMessage& message) {
  const auto bang = message.Prefix.find('!');
  if (bang != std::string::npos && message.Prefix.find('@', bang) != std::string::npos && IsMe(message.Nick()))
    userHost_ = message.Prefix.substr(bang);
}

void TLobbySession::HandleNotice(const TIrcMessage& message) {
  if (!registering_ || Folded(message.Nick()) != "nickserv") return;
  const std::string& text = message.Params.back();
  if (Contains(text, "is now registered")) {
    registering_ = false;
    EnterMainRoom();
  } else if (Contains(text, "is already registered")) {
    registering_ = false;
    Emit(LobbyNickTaken);
  } else if (Contains(text, "is invalid")) {
    // The services keep account names of at most 31 bytes: a name of many escaped characters is longer.
    registering_ = false;
    Emit(LobbyNickInvalid);
  }
}

void TLobbySession::HandleError(const TIrcMessage& message) {
  if (quitting_) {
    wantsClose_ = true;
    return;
  }
  const std::string text = Utf8ToLatin1(message.Param(0));
  const bool banned = Contains(text, "-Lined") || Contains(Folded(text), "banned");
  Fail(banned ? LobbyBanned : LobbyError, banned ? std::string() : text);
}

bool TLobbySession::IsMe(std::string_view wireNick) const { return Folded(wireNick) == Folded(wireNick_); }

std::string TLobbySession::Channel(std::string_view room) { return "#" + EscapeIrcName(room); }

std::string TLobbySession::RoomOf(std::string_view channel) {
  if (!channel.empty() && channel.front() == '#') channel.remove_prefix(1);
  return UnescapeIrcName(channel);
}

}  // namespace tarvelo::irc
