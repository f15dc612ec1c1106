#include "lobby/testing/bench/game_load.h"

#include "lobby/irc/event_text.h"
#include "lobby/irc/irc_text.h"
#include "lobby/testing/bench/bench_command.h"

namespace tarvelo::bench {
namespace {
// A damaged command the session itself noticed and dropped.
constexpr int SessionDroppedDamaged = 2122;
}  // namespace

TGameLoad::TGameLoad(TPollClients& clients, std::vector<std::string> nicks, const std::vector<bool>& loggedIn,
                     std::uint32_t seed)
    : clients_(clients), nicks_(std::move(nicks)), nextSendUs_(nicks_.size(), -1), random_(seed) {
  for (std::size_t i = 0; i + 1 < nicks_.size(); i += 2)
    if (loggedIn[i] && loggedIn[i + 1]) pairs_.push_back(TPair{i, 0});
}

std::int64_t TGameLoad::Uniform(std::int64_t low, std::int64_t high) {
  return std::uniform_int_distribution<std::int64_t>(low, high)(random_);
}

void TGameLoad::Start(std::int64_t nowUs) {
  for (TPair& pair : pairs_) {
    nextSendUs_[pair.First] = nowUs + Uniform(1'000'000, 3'000'000);
    nextSendUs_[pair.First + 1] = nowUs + Uniform(1'000'000, 3'000'000);
    pair.NextBigUs = nowUs + Uniform(0, BigMoveEveryUs);
  }
}

void TGameLoad::SendDue(std::int64_t nowUs) {
  for (TPair& pair : pairs_) {
    for (std::size_t player : {pair.First, pair.First + 1}) {
      if (nowUs < nextSendUs_[player]) continue;
      Send(player, false, nowUs);
      nextSendUs_[player] = nowUs + Uniform(1'000'000, 3'000'000);
    }
    if (nowUs >= pair.NextBigUs) {
      Send(pair.First + static_cast<std::size_t>(Uniform(0, 1)), true, nowUs);
      pair.NextBigUs = nowUs + Uniform(BigMoveEveryUs * 9 / 10, BigMoveEveryUs * 11 / 10);
    }
  }
}

void TGameLoad::Send(std::size_t from, bool big, std::int64_t nowUs) {
  const TCommandStamp stamp{sent_.size(), nowUs};
  const std::size_t bytes = big ? BigMoveBytes : static_cast<std::size_t>(Uniform(40, 200));
  sent_.push_back(TSent{big, false});
  ++(big ? figures_.BigSent : figures_.Sent);
  clients_.Session(from).PrivateGameCommand(nicks_[from ^ 1], MakeCommand(stamp, bytes, random_));
}

void TGameLoad::OnEvent(std::size_t client, const irc::TLobbyEvent& event, std::int64_t nowUs) {
  if (event.Code == irc::LobbyPrivateCommand) {
    Delivered(client, event.Text, nowUs);
  } else if (event.Code == SessionDroppedDamaged) {
    ++figures_.Damaged;
    ++figures_.DroppedDamaged;
  } else if (event.Code == irc::LobbyError || event.Code == irc::LobbyDisconnected) {
    ++figures_.LinksLost;
  }
}

void TGameLoad::Delivered(std::size_t client, const std::string& text, std::int64_t nowUs) {
  // The sender's name may hold spaces: the command is what follows the partner's whole name.
  const std::string& sender = nicks_[client ^ 1];
  if (irc::ReadEventText(text).First != sender) ++figures_.MisreadSender;
  std::string command = text.substr(0, text.find('\r'));
  if (command.compare(0, sender.size() + 1, sender + " ") == 0) command.erase(0, sender.size() + 1);
  const TCheckedCommand checked = CheckCommand(command);
  const bool known = checked.Stamp && checked.Stamp->Sequence < sent_.size();
  if (!checked.Whole || !known) {
    ++figures_.Damaged;
    if (irc::EscapeIrcName(sender).size() > sender.size()) ++figures_.DamagedLongNames;
    if (!known) ++figures_.Unreadable;
    if (known) sent_[checked.Stamp->Sequence].Arrived = true;
    return;
  }
  TSent& sent = sent_[checked.Stamp->Sequence];
  sent.Arrived = true;
  ++figures_.Delivered;
  const double ms = static_cast<double>(nowUs - checked.Stamp->SentUs) / 1000.0;
  (sent.Big ? figures_.BigMoveMs : figures_.RelayMs).push_back(ms);
}

TLoadFigures TGameLoad::Figures() const {
  TLoadFigures figures = figures_;
  for (const TSent& sent : sent_)
    if (!sent.Arrived) ++figures.Lost;
  return figures;
}

}  // namespace tarvelo::bench
