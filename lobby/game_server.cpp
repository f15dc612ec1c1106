#include "lobby/game_server.h"

namespace tarvelo {
namespace {
// Read in pieces: a server that never ends a line fills no more than this.
constexpr qint64 ReadPieceBytes = 4096;
}  // namespace

TGameServer::TGameServer(QObject* parent) : QObject(parent), session_(std::make_unique<irc::TLobbySession>()) {
  socket_.setReadBufferSize(64 * 1024);
  connect(&socket_, &QTcpSocket::connected, this, &TGameServer::OnConnected);
  connect(&socket_, &QTcpSocket::readyRead, this, &TGameServer::OnReadyRead);
  connect(&socket_, &QTcpSocket::errorOccurred, this, &TGameServer::OnError);
  connect(&socket_, &QTcpSocket::disconnected, this, &TGameServer::OnDisconnected);
  tick_.setInterval(TickMs);
  connect(&tick_, &QTimer::timeout, this, &TGameServer::OnTick);
  connectTimer_.setSingleShot(true);
  connect(&connectTimer_, &QTimer::timeout, this, &TGameServer::OnConnectTimeout);
  leaveTimer_.setSingleShot(true);
  connect(&leaveTimer_, &QTimer::timeout, this, &TGameServer::CloseLink);
  clock_.start();
}

TGameServer::~TGameServer() {
  // A program that ends leaves without a word and without waiting, as if it were killed.
  connecting_ = linkOpen_ = false;
  socket_.disconnect(this);
  socket_.abort();
}

void TGameServer::GS_Connect(const std::string& host, int port) {
  // A link still open or on its way is dropped without a word, and what it still had to tell with it.
  ++link_;
  connecting_ = linkOpen_ = false;
  connectTimer_.stop();
  leaveTimer_.stop();
  tick_.stop();
  socket_.abort();
  session_ = std::make_unique<irc::TLobbySession>();
  session_->Tick(clock_.elapsed());
  if (port <= 0 || port > 65535) return ConnectFailed();
  connecting_ = true;
  connectTimer_.start(ConnectTimeoutMs);
  socket_.connectToHost(QString::fromLatin1(host), static_cast<quint16>(port));
}

void TGameServer::GS_Login(const std::string& nick, const std::string& credential, const std::string& client) {
  session_->Login(nick, credential, client);
  Flush();
}

void TGameServer::GS_Register(const std::string&, const std::string& credential, const std::string& email,
                              const std::string&) {
  session_->Register(credential, email);
  Flush();
}

void TGameServer::GS_GetMOTD() {
  session_->GetMotd();
  Flush();
}

void TGameServer::GS_GetAllRooms(const std::string&) {
  session_->GetAllRooms();
  Flush();
}

void TGameServer::GS_GetUserList(const std::string& room) {
  session_->GetUserList(room);
  Flush();
}

void TGameServer::GS_JoinRoom(const std::string& room) {
  session_->JoinRoom(room);
  Flush();
}

void TGameServer::GS_CreateRoom(const std::string& room, const std::string& kind) {
  session_->CreateRoom(room, kind);
  Flush();
}

void TGameServer::GS_PublicMessage(const std::string& text) {
  session_->PublicMessage(text);
  Flush();
}

void TGameServer::GS_PrivateGameCommand(const std::string& nick, const std::string& text) {
  session_->PrivateGameCommand(nick, text);
  Flush();
}

void TGameServer::GS_Disconnect() {
  if (connecting_) {
    connecting_ = false;
    connectTimer_.stop();
    socket_.abort();
  }
  if (!linkOpen_) {
    Post(irc::LobbyDisconnected);
    return;
  }
  if (session_->Quitting()) return;  // already leaving: its one 1991 is on its way
  session_->Disconnect();
  Flush();
  // The server answers QUIT by closing the link; closing ours before would cut its answer short.
  if (linkOpen_) leaveTimer_.start(DisconnectTimeoutMs);
}

void TGameServer::OnConnected() {
  if (!connecting_) return;
  connecting_ = false;
  connectTimer_.stop();
  socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
  linkOpen_ = true;
  tick_.start();
  emit LinkOpened();
}

void TGameServer::OnReadyRead() {
  while (linkOpen_ && socket_.bytesAvailable() > 0) {
    const QByteArray piece = socket_.read(ReadPieceBytes);
    if (WireLog) WireLog(false, piece);
    session_->Receive(std::string_view(piece.constData(), static_cast<std::size_t>(piece.size())));
    Flush();
  }
}

void TGameServer::OnError() {
  if (connecting_) return OnConnectTimeout();
  if (!linkOpen_) return;
  session_->LinkFailed(socket_.errorString().toStdString());
  Flush();
  CloseLink();
}

void TGameServer::OnDisconnected() {
  if (connecting_) return OnConnectTimeout();
  if (!linkOpen_) return;
  session_->LinkFailed("The lobby server closed the connection.");
  Flush();
  CloseLink();
}

void TGameServer::OnTick() {
  session_->Tick(clock_.elapsed());
  Flush();
}

// Also where a refused connection ends: no link was made.
void TGameServer::OnConnectTimeout() {
  if (!connecting_) return;
  connecting_ = false;
  connectTimer_.stop();
  socket_.abort();
  ConnectFailed();
}

void TGameServer::Flush() {
  for (const auto& line : session_->TakeLines()) {
    const QByteArray bytes(line.data(), static_cast<qsizetype>(line.size()));
    if (WireLog) WireLog(true, bytes);
    if (linkOpen_) socket_.write(bytes);
  }
  if (linkOpen_) socket_.flush();
  for (auto& event : session_->TakeEvents()) Post(event.Code, std::move(event.Text));
  if (linkOpen_ && session_->WantsClose()) CloseLink();
  // Quick ticks only while lines wait for their batch or the login waits for the server's welcome.
  const int interval = session_->LinesWaiting()      ? static_cast<int>(irc::TLobbySession::PaceMs)
                       : session_->AwaitingWelcome() ? static_cast<int>(irc::TLobbySession::KeepAliveMs)
                                                     : TickMs;
  if (linkOpen_ && tick_.interval() != interval) tick_.start(interval);
}

// Queued: whoever hears an event may call the lobby again without its answers overtaking the events still to come.
void TGameServer::Post(int code, std::string text) {
  QMetaObject::invokeMethod(
      this,
      [this, link = link_, code, text = std::move(text)] {
        if (link == link_) emit LobbyEvent(code, text);
      },
      Qt::QueuedConnection);
}

void TGameServer::ConnectFailed() {
  QMetaObject::invokeMethod(
      this,
      [this, link = link_] {
        if (link == link_) emit LinkFailed();
      },
      Qt::QueuedConnection);
}

// The one way a link ends: the socket closes and exactly one 1991 follows.
void TGameServer::CloseLink() {
  if (!linkOpen_) return;
  linkOpen_ = false;
  tick_.stop();
  leaveTimer_.stop();
  socket_.abort();
  Post(irc::LobbyDisconnected);
}

}  // namespace tarvelo
