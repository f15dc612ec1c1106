#include "lobby/testing/irc_network.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QThread>

#include <csignal>

namespace tarvelo {
namespace {

const QString Script = QStringLiteral(TARVELO_SOURCE_DIR "/deploy/lobby/lobby-server.sh");

// Gone, or only a zombie left for its parent to collect.
bool Gone(qint64 pid) {
  if (::kill(static_cast<pid_t>(pid), 0) != 0) return true;
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return true;
  const QByteArray line = stat.readAll();
  const int close = line.lastIndexOf(')');
  return close >= 0 && line.mid(close + 2, 1) == "Z";
}

}  // namespace

quint16 FreeLoopbackPort() {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
  return probe.serverPort();
}

TIrcNetwork::~TIrcNetwork() { Stop(); }

bool TIrcNetwork::Installed() {
  return !QStandardPaths::findExecutable("inspircd", {"/usr/sbin", "/usr/bin"}).isEmpty() &&
         !QStandardPaths::findExecutable("atheme-services", {"/usr/sbin", "/usr/bin"}).isEmpty();
}

bool TIrcNetwork::Start() {
  // Another test may take a port between our probe and the server's bind: try again on others.
  for (int attempt = 0; attempt < 3; ++attempt) {
    dir_ = std::make_unique<QTemporaryDir>();
    const quint16 port = FreeLoopbackPort();
    const quint16 linkPort = FreeLoopbackPort();
    if (port && linkPort && port != linkPort &&
        RunScript({"start", dir_->filePath("hub"), QString::number(port)}, linkPort)) {
      port_ = port;
      return true;
    }
    StopByPids(dir_->filePath("hub"));
  }
  return false;
}

bool TIrcNetwork::StartLinked() {
  for (int attempt = 0; attempt < 3; ++attempt) {
    const quint16 port = FreeLoopbackPort();
    if (port && RunScript({"link", dir_->filePath("leaf"), QString::number(port), dir_->filePath("hub")}, 0)) {
      linkedPort_ = port;
      return true;
    }
    StopByPids(dir_->filePath("leaf"));
  }
  return false;
}

bool TIrcNetwork::RunScript(const QStringList& arguments, quint16 linkPort) {
  QProcess script;
  auto environment = QProcessEnvironment::systemEnvironment();
  if (linkPort) environment.insert("LOBBY_LINK_PORT", QString::number(linkPort));
  script.setProcessEnvironment(environment);
  script.setProcessChannelMode(QProcess::MergedChannels);
  script.start("bash", QStringList{Script} + arguments);
  // The script waits at most 20 s for the servers itself.
  if (!script.waitForFinished(30000)) {
    script.kill();
    script.waitForFinished(1000);
    error_ = "lobby-server.sh did not finish";
    return false;
  }
  error_ = QString::fromLocal8Bit(script.readAll());
  return script.exitStatus() == QProcess::NormalExit && script.exitCode() == 0;
}

void TIrcNetwork::StopByPids(const QString& runDir) {
  QList<qint64> pids;
  for (const QString& name : QDir(runDir).entryList({"*.pid"}, QDir::Files)) {
    QFile file(QDir(runDir).filePath(name));
    if (file.open(QIODevice::ReadOnly)) pids << file.readAll().trimmed().toLongLong();
    file.remove();
  }
  for (qint64 pid : pids) {
    if (pid > 1) ::kill(static_cast<pid_t>(pid), SIGTERM);
  }
  QElapsedTimer waited;
  waited.start();
  for (qint64 pid : pids) {
    while (pid > 1 && !Gone(pid) && waited.elapsed() < 5000) QThread::msleep(20);
    if (pid > 1 && !Gone(pid)) ::kill(static_cast<pid_t>(pid), SIGKILL);
  }
}

std::vector<qint64> TIrcNetwork::ServerPids() const {
  std::vector<qint64> pids;
  if (!dir_) return pids;
  for (const QString& folder : {QStringLiteral("hub"), QStringLiteral("leaf")}) {
    const QDir runDir(dir_->filePath(folder));
    for (const QString& name : runDir.entryList({"*.pid"}, QDir::Files, QDir::Name)) {
      QFile file(runDir.filePath(name));
      if (file.open(QIODevice::ReadOnly)) pids.push_back(file.readAll().trimmed().toLongLong());
    }
  }
  return pids;
}

void TIrcNetwork::Stop() {
  if (!dir_) return;
  StopByPids(dir_->filePath("leaf"));
  StopByPids(dir_->filePath("hub"));
  dir_.reset();
  port_ = linkedPort_ = 0;
}

}  // namespace tarvelo
