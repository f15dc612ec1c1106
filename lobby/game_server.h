#pragma once

#include "lobby/irc/lobby_session.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace tarvelo {

// The lobby's calls on a real IRC network. Each call turns into IRC lines on
// the socket; what the server answers arrives at the window given to
// GS_Connect as TLobbyEventMessage events (type 1990) with their codes and
// texts. Names and texts are 8-bit (Latin-1), as the program types them.
class TGameServer : public QObject {
  Q_OBJECT
 public:
  static constexpr int ConnectTimeoutMs = 10000;
  static constexpr int DisconnectTimeoutMs = 2000;

  explicit TGameServer(QObject* parent = nullptr);
  ~TGameServer() override;

  // Less than 0 when no connection was made within ConnectTimeoutMs.
  int GS_Connect(const std::string& host, int port, QObject* window);
  void GS_Login(const std::string& nick, const std::string& credential, const std::string& client);
  // The design's further account fields ("a", 0) carry nothing on this network and are not asked for.
  void GS_Register(const std::string& nick, const std::string& credential, const std::string& email,
                   const std::string& client);
  void GS_GetMOTD();
  // Every room of the network is the game's own, so the filter keeps them all.
  void GS_GetAllRooms(const std::string& filter);
  void GS_GetUserList(const std::string& room);
  void GS_JoinRoom(const std::string& room);
  void GS_CreateRoom(const std::string& room, const std::string& kind);
  void GS_PublicMessage(const std::string& text);
  void GS_PrivateGameCommand(const std::string& nick, const std::string& text);
  // Leaves within DisconnectTimeoutMs; exactly one event 1991 follows, also when not connected.
  void GS_Disconnect();

  bool Connected() const { return linkOpen_; }
  // Every line sent (true) and received (false), for a look at the wire.
  std::function<void(bool sent, const QByteArray& line)> WireLog;

 private:
  void OnReadyRead();
  void OnError();
  void OnDisconnected();
  void OnTick();
  // Writes the session's lines, posts its events, and closes the link when it wants.
  void Flush();
  void Post(int code, std::string text = {});
  void CloseLink();

  QTcpSocket socket_;
  QTimer tick_;
  QElapsedTimer clock_;
  QPointer<QObject> window_;
  std::unique_ptr<irc::TLobbySession> session_;
  bool linkOpen_ = false;
};

}  // namespace tarvelo
