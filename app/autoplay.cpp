#include "app/autoplay.h"

#include "ai/selfplay/selfplay_options.h"

#include <QtGlobal>

#include <stdexcept>

namespace tarvelo {

TAutoplay::TAutoplay(TSession& session, const TComputerSettings& level, int pauseMilliseconds)
    : session_(session), player_(level) {
  pause_.setSingleShot(true);
  pause_.setInterval(pauseMilliseconds);
  connect(&pause_, &QTimer::timeout, this, [this] { session_.Post([this] { PlayIfOnTurn(); }); });
  connect(&session_, &TSession::tableChanged, this, [this] {
    if (!pause_.isActive()) pause_.start();
  });
  pause_.start();
}

void TAutoplay::PlayIfOnTurn() {
  if (!session_.Game().PlayerOnTurn()) return;
  session_.Guarded([this] { player_.PlayTurn(session_.MutableGame()); });
}

std::unique_ptr<TAutoplay> AutoplayFromEnvironment(TSession& session) {
  const QString value = qEnvironmentVariable("TARVELO_AUTOPLAY");
  if (value.isEmpty()) return nullptr;
  const QStringList parts = value.split(':');
  try {
    const int level = LevelFromName(parts[0].toStdString());
    const int pause = parts.size() > 1 ? std::max(0, parts[1].toInt()) : 300;
    return std::make_unique<TAutoplay>(session, TComputerSettings{.computerLevel = level}, pause);
  } catch (const std::invalid_argument& error) {
    qWarning("TARVELO_AUTOPLAY: %s", error.what());
    return nullptr;
  }
}

}  // namespace tarvelo
