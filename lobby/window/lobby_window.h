#pragma once

#include "lobby/lobby_client.h"
#include "store/registry_tarvelo.h"

#include <QDialog>

#include <functional>
#include <string>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tarvelo {

// What the lobby window needs from the rest of the program.
struct TLobbyWindowHooks {
  std::function<std::string()> CurrentPlayerName;  // the default nickname: the current profile's name
  std::function<std::string()> Credential;         // the user's login secret
  std::function<void(const std::string& nick)> InviteSelected;
  std::function<void()> CancelInvitation;
};

// The lobby window: log in with a nickname, choose a room by type of game,
// chat with the room, see who is available and who is playing. Everything a
// server or another player sends is shown as plain text. The lobby client
// decides what the lobby's events mean; this window shows its state and what
// it tells, and passes on what the player asks.
class TfmLobbyGS : public QDialog {
  Q_OBJECT
 public:
  TfmLobbyGS(TLobbyClient& client, TRegistryTarvelo& store, TLobbyWindowHooks hooks, QWidget* parent = nullptr);
  ~TfmLobbyGS() override;

  // When shown: settings, lists, and the login at once when asked for.
  void Open(bool autoLogin);
  void LobbyLogin();
  void LobbyLogout();
  void UpdateLobbyButtons();
  // The client's players and matches, shown while in the lobby; the selected player stays selected.
  void ShowLists();
  void SanitizeNickname();
  void LoadLobbySettings();
  void SaveLobbySettings();
  // A line for the lobby's chat; it is the client's, and shows here as it comes.
  void AddChat(const QString& line);

  QPushButton *bnLogin, *bnLogout, *bnClose, *bnInvite, *bnCancel, *bnSend;
  QLineEdit *edNickname, *edPrivateRoom, *edInput;
  QRadioButton* rbType[3];
  QPlainTextEdit* meChat;
  QListWidget *lbPlayers, *lbPlaying;
  QLabel* lbHint;
  QAction *miFont, *miColor, *miCopy;
  QColor BackgroundColor;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void BuildControls();
  void BuildChatMenu();
  // The window's answers to what the client tells.
  void ListenToClient();
  void GameTypeChanged(int index);
  // False, with the request for the name, for a private room whose field is empty.
  bool PrivateRoomNamed(int type);
  void Send();
  void CopyChat();
  void ChooseFont();
  void ChooseColor();
  void ApplyFont(const QFont& font);
  bool MayClose() const;
  int CheckedType() const;
  void SetBusyCursor(bool busy);
  // The 8-bit text of the program and the window's text.
  static std::string Latin1(const QString& text) { return text.toLatin1().toStdString(); }
  const TLobby& Lobby() const { return client_.Lobby(); }

  TLobbyClient& client_;
  TRegistryTarvelo& store_;
  TLobbyWindowHooks hooks_;
  bool busy_ = false;
};

}  // namespace tarvelo
