// The lobby window's answers to what the lobby client tells: it shows them and decides nothing.
#include "lobby/window/lobby_window.h"
#include "store/setting_keys.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace tarvelo {

void TfmLobbyGS::ListenToClient() {
  TLobbyClient* client = &client_;
  connect(client, &TLobbyClient::StateChanged, this, [this](TLobbyState state) {
    // The wait cursor while a link is being made or ended.
    SetBusyCursor(state == LoggingIn || state == LoggingOut);
    ShowLists();
  });
  // The chat's lines are the client's: shown as they come, and all of them when the window opens.
  meChat->clear();
  for (const QString& line : client->Transcript()) meChat->appendPlainText(line);
  connect(client, &TLobbyClient::TranscriptLine, this, [this](const QString& line) { meChat->appendPlainText(line); });
  connect(client, &TLobbyClient::TranscriptCleared, meChat, &QPlainTextEdit::clear);
  connect(client, &TLobbyClient::LoggedIn, this,
          [this] { store_.WriteValue(PathOf(Setting::Username), edNickname->text()); });
  connect(client, &TLobbyClient::Failed, this, [this] { UpdateLobbyButtons(); });
  connect(client, &TLobbyClient::RoomJoined, this, [this] { edInput->setFocus(); });
  connect(client, &TLobbyClient::PlayersChanged, this, &TfmLobbyGS::ShowLists);
  connect(client, &TLobbyClient::MatchesChanged, this, &TfmLobbyGS::ShowLists);
}

void TfmLobbyGS::ShowLists() {
  QStringList players, matches;
  if (Lobby().LobbyState == InLobby) {
    for (const std::string& nick : client_.Players()) players << FromLatin1(nick);
    for (const TLobbyMatch& match : client_.Matches()) {
      matches << QString("%1 - %2").arg(FromLatin1(match.First), FromLatin1(match.Second));
    }
  }
  const QListWidgetItem* current = lbPlayers->currentItem();
  const QString selected = current && current->isSelected() ? current->text() : QString();
  {
    const QSignalBlocker quiet(lbPlayers);
    lbPlayers->clear();
    lbPlayers->addItems(players);
    if (const auto found = lbPlayers->findItems(selected, Qt::MatchExactly); !selected.isEmpty() && !found.isEmpty()) {
      lbPlayers->setCurrentItem(found.first());
    }
  }
  lbPlaying->clear();
  lbPlaying->addItems(matches);
  UpdateLobbyButtons();
}

}  // namespace tarvelo
