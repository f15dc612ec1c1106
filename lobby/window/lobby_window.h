#pragma once

#include "lobby/game_server.h"
#include "lobby/lobby.h"
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

class TLobbyEventMessage;

// What the lobby window needs from the rest of the program.
struct TLobbyWindowHooks {
  std::function<std::string()> CurrentPlayerName;  // the default nickname: the current profile's name
  std::function<std::string()> Credential;         // the user's login secret
  // The invitation protocol: a text to show in the chat, or empty.
  std::function<std::string(const std::string& sender, const std::string& command)> HandlePrivateCommand;
  std::function<void(const std::string& nick)> InviteSelected;
  std::function<void()> CancelInvitation;
};

// The lobby window: log in with a nickname, choose a room by type of game,
// chat with the room, see who is available and who is playing. Everything a
// server or another player sends is shown as plain text.
class TfmLobbyGS : public QDialog {
  Q_OBJECT
 public:
  // `eventWindow` receives the lobby's events (the main window, which passes them on here); without one, this window.
  TfmLobbyGS(TLobby& lobby, TGameServer& server, TRegistryTarvelo& store, QObject* eventWindow, TLobbyWindowHooks hooks,
             QWidget* parent = nullptr);

  // When shown: settings, lists, and the login at once when asked for.
  void Open(bool autoLogin);
  void HandleLobbyEvent(int code, const std::string& text);
  void LobbyLogin();
  void LobbyLogout();
  void UpdateLobbyButtons();
  void SanitizeNickname();
  void ErrorAndDisconnect(const QString& text);
  void LoadLobbySettings();
  void SaveLobbySettings();
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
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void BuildControls();
  void BuildChatMenu();
  void GameTypeChanged(int index);
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
  static QString FromLatin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  }
  void RemovePlayer(const QString& nick);
  void AddPlayer(const QString& nick);

  TLobby& lobby_;
  TGameServer& server_;
  TRegistryTarvelo& store_;
  QObject* eventWindow_;
  TLobbyWindowHooks hooks_;
  bool inLoginOrLogout_ = false;
  bool busy_ = false;
  QStringList running_;  // the matches of a room list being read
};

}  // namespace tarvelo
