#pragma once

#include "lobby/irc/lobby_session.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace tarvelo {

// The lobby's calls on a real IRC network. Each call turns into IRC lines on
// the socket; what the server answers comes out as LobbyEvent signals with
// their codes and texts, each from the event loop and never inside a call, in
// the order they came. No call waits for the network: connecting and leaving
// end in signals. Names and texts are 8-bit (Latin-1), as the program types them.
class TGameServer : public QObject {
  Q_OBJECT
 public:
  static constexpr int ConnectTimeoutMs = 10000;
  static constexpr int TickMs = 1000;  // the session's clock for its silence checks
  static constexpr int DisconnectTimeoutMs = 2000;

  explicit TGameServer(QObject* parent = nullptr);
  ~TGameServer() override;

  // Starts a connection and returns at once: LinkOpened follows, or LinkFailed
  // when no connection was made within ConnectTimeoutMs.
  void GS_Connect(const std::string& host, int port);
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
  // Says goodbye and returns at once; the link ends when the server closes it,
  // or after DisconnectTimeoutMs. Exactly one event 1991 follows, also when not connected.
  void GS_Disconnect();

  // The link is open (it may be leaving).
  bool Connected() const { return linkOpen_; }
  // Every line sent (true) and received (false), for a look at the wire.
  std::function<void(bool sent, const QByteArray& line)> WireLog;

 signals:
  void LinkOpened();
  void LinkFailed();
  void LobbyEvent(int code, const std::string& text);

 private:
  void OnConnected();
  void OnReadyRead();
  void OnError();
  void OnDisconnected();
  void OnTick();
  void OnConnectTimeout();
  // Writes the session's lines, posts its events, and closes the link when it wants.
  void Flush();
  void Post(int code, std::string text = {});
  // A connection that was never made; told from the event loop, so a new try may start at once.
  void ConnectFailed();
  void CloseLink();

  QTcpSocket socket_;
  QTimer tick_, connectTimer_, leaveTimer_;
  QElapsedTimer clock_;
  std::unique_ptr<irc::TLobbySession> session_;
  bool connecting_ = false, linkOpen_ = false;
  int link_ = 0;  // each GS_Connect starts a new link; what an older one had still to tell is dropped
};

}  // namespace tarvelo
