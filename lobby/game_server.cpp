#include "lobby/game_server.h"

#include "lobby/lobby_event.h"

#include <QCoreApplication>

namespace tarvelo {
namespace {
// Read in pieces: a server that never ends a line fills no more than this.
constexpr qint64 ReadPieceBytes = 4096;
}  // namespace

TGameServer::TGameServer(QObject* parent) : QObject(parent), session_(std::make_unique<irc::TLobbySession>()) {
  socket_.setReadBufferSize(64 * 1024);
  connect(&socket_, &QTcpSocket::readyRead, this, &TGameServer::OnReadyRead);
  connect(&socket_, &QTcpSocket::errorOccurred, this, &TGameServer::OnError);
  connect(&socket_, &QTcpSocket::disconnected, this, &TGameServer::OnDisconnected);
  tick_.setInterval(1000);
  connect(&tick_, &QTimer::timeout, this, &TGameServer::OnTick);
  clock_.start();
}

TGameServer::~TGameServer() {
  // A program that ends leaves without a word, as if it were killed.
  linkOpen_ = false;
  socket_.disconnect(this);
  socket_.abort();
}

int TGameServer::GS_Connect(const std::string& host, int port, QObject* window) {
  if (linkOpen_) {
    linkOpen_ = false;
    socket_.abort();
  }
  window_ = window;
  session_ = std::make_unique<irc::TLobbySession>();
  session_->Tick(clock_.elapsed());
  if (port <= 0 || port > 65535) return -1;
  socket_.connectToHost(QString::fromLatin1(host), static_cast<quint16>(port));
  if (!socket_.waitForConnected(ConnectTimeoutMs)) {
    socket_.abort();
    return -1;
  }
  socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
  linkOpen_ = true;
  tick_.start();
  return 0;
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
  if (!linkOpen_) {
    Post(irc::LobbyDisconnected);
    return;
  }
  session_->Disconnect();
  Flush();
  // The server answers QUIT by closing the link; closing ours before would cut its answer short.
  QElapsedTimer waited;
  waited.start();
  while (linkOpen_ && waited.elapsed() < DisconnectTimeoutMs) {
    socket_.waitForReadyRead(static_cast<int>(DisconnectTimeoutMs - waited.elapsed()));
  }
  CloseLink();
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
  if (!linkOpen_) return;
  session_->LinkFailed(socket_.errorString().toStdString());
  Flush();
  CloseLink();
}

void TGameServer::OnDisconnected() {
  if (!linkOpen_) return;
  session_->LinkFailed("The lobby server closed the connection.");
  Flush();
  CloseLink();
}

void TGameServer::OnTick() {
  session_->Tick(clock_.elapsed());
  Flush();
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
}

void TGameServer::Post(int code, std::string text) {
  if (window_) QCoreApplication::postEvent(window_, new TLobbyEventMessage(code, std::move(text)));
}

// The one way a link ends: the socket closes and exactly one 1991 follows.
void TGameServer::CloseLink() {
  if (!linkOpen_) return;
  linkOpen_ = false;
  tick_.stop();
  socket_.abort();
  Post(irc::LobbyDisconnected);
}

}  // namespace tarvelo
