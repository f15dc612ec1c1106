#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace tarvelo {

// A real lobby network for tests: InspIRCd with Atheme services, started from
// deploy/lobby/ on free loopback ports and stopped by their process ids.
class TIrcNetwork {
 public:
  TIrcNetwork() = default;
  ~TIrcNetwork();
  TIrcNetwork(const TIrcNetwork&) = delete;
  TIrcNetwork& operator=(const TIrcNetwork&) = delete;

  // Both programs are installed (scripts/setup.sh installs them).
  static bool Installed();
  // Starts the server and its services and waits (bounded) until a player can log in.
  bool Start();
  // Starts a second server linked to the first, for players who meet across servers.
  bool StartLinked();
  void Stop();

  quint16 Port() const { return port_; }
  quint16 LinkedPort() const { return linkedPort_; }
  const QString& Error() const { return error_; }
  // The process ids of the running servers and services, from their run folders' pid files.
  std::vector<qint64> ServerPids() const;

 private:
  bool RunScript(const QStringList& arguments, quint16 linkPort);
  static void StopByPids(const QString& runDir);

  std::unique_ptr<QTemporaryDir> dir_;
  quint16 port_ = 0, linkedPort_ = 0;
  QString error_;
};

// A port on 127.0.0.1 that nothing listens on right now.
quint16 FreeLoopbackPort();

}  // namespace tarvelo
