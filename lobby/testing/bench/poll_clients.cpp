#include "lobby/testing/bench/poll_clients.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tarvelo::bench {

TPollClients::TPollClients(std::size_t count) : clients_(count), readBuffer_(65536, '\0') {}

TPollClients::~TPollClients() {
  for (std::size_t i = 0; i < clients_.size(); ++i) Close(i);
}

bool TPollClients::Connect(std::size_t index, std::uint16_t port) {
  TClient& client = clients_[index];
  Close(index);
  client.Socket = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (client.Socket < 0) return false;
  // As the program's own link: a command leaves at once, not when the last one is acknowledged.
  const int one = 1;
  ::setsockopt(client.Socket, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(client.Socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
    client.Connecting = false;
    return true;
  }
  if (errno == EINPROGRESS) {
    client.Connecting = true;
    return true;
  }
  Close(index);
  return false;
}

void TPollClients::Close(std::size_t index) {
  TClient& client = clients_[index];
  if (client.Socket >= 0) ::close(client.Socket);
  client.Socket = -1;
  client.Connecting = false;
  client.Out.clear();
}

void TPollClients::Drop(TClient& client, const std::string& why) {
  client.Session.LinkFailed(why);
  Close(static_cast<std::size_t>(&client - clients_.data()));
}

void TPollClients::Round(int waitMs, std::int64_t nowMs, const TEventSink& onEvent) {
  // What the sessions hold leaves before the wait, and what arrived is read after it.
  for (std::size_t i = 0; i < clients_.size(); ++i) {
    TClient& client = clients_[i];
    client.Session.Tick(nowMs);
    // The session may release only part of what it holds at a time: ask every round.
    for (const std::string& line : client.Session.TakeLines())
      if (client.Socket >= 0) client.Out += line;
    if (client.Socket >= 0 && !client.Connecting && !client.Out.empty()) Write(client);
    for (auto& event : client.Session.TakeEvents()) onEvent(i, event);
    if (client.Session.WantsClose() && client.Socket >= 0) Close(i);
  }
  Poll(waitMs);
}

void TPollClients::Poll(int waitMs) {
  polls_.clear();
  polled_.clear();
  for (std::size_t i = 0; i < clients_.size(); ++i) {
    const TClient& client = clients_[i];
    if (client.Socket < 0) continue;
    short events = client.Connecting ? POLLOUT : POLLIN;
    if (!client.Out.empty()) events |= POLLOUT;
    polls_.push_back(pollfd{client.Socket, events, 0});
    polled_.push_back(i);
  }
  if (::poll(polls_.data(), polls_.size(), waitMs) <= 0) return;
  for (std::size_t k = 0; k < polls_.size(); ++k) {
    const short ready = polls_[k].revents;
    if (ready == 0) continue;
    TClient& client = clients_[polled_[k]];
    if (client.Connecting) {
      ConnectEnded(client);
    } else if (ready & (POLLIN | POLLHUP | POLLERR)) {
      Read(client);
    }
  }
}

void TPollClients::ConnectEnded(TClient& client) {
  int error = 0;
  socklen_t size = sizeof error;
  ::getsockopt(client.Socket, SOL_SOCKET, SO_ERROR, &error, &size);
  if (error != 0) {
    Drop(client, std::string("connect: ") + std::strerror(error));
    return;
  }
  client.Connecting = false;
}

void TPollClients::Read(TClient& client) {
  for (;;) {
    const ssize_t got = ::read(client.Socket, readBuffer_.data(), readBuffer_.size());
    if (got > 0) {
      client.Session.Receive(std::string_view(readBuffer_.data(), static_cast<std::size_t>(got)));
      if (static_cast<std::size_t>(got) < readBuffer_.size()) return;
      continue;
    }
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
    if (got < 0 && errno == EINTR) continue;
    Drop(client, got == 0 ? std::string("the server closed the link") : std::string("read: ") + std::strerror(errno));
    return;
  }
}

void TPollClients::Write(TClient& client) {
  while (!client.Out.empty()) {
    const ssize_t put = ::send(client.Socket, client.Out.data(), client.Out.size(), MSG_NOSIGNAL);
    if (put > 0) {
      client.Out.erase(0, static_cast<std::size_t>(put));
      continue;
    }
    if (put < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
    if (put < 0 && errno == EINTR) continue;
    Drop(client, std::string("write: ") + std::strerror(errno));
    return;
  }
}

std::size_t TPollClients::Unwritten() const {
  std::size_t bytes = 0;
  for (const TClient& client : clients_) bytes += client.Out.size();
  return bytes;
}

}  // namespace tarvelo::bench
