#pragma once

#include "engine/memory_settings.h"
#include "session/session.h"
#include "session/tests/recording_display.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace tarvelo {

// One QCoreApplication for the whole test program, made on first use and never
// deleted: the session needs an event loop, not a screen.
inline QCoreApplication& TestCoreApp() {
  static int argc = 1;
  static char name[] = "tarvelo-session-tests";
  static char* argv[] = {name, nullptr};
  static QCoreApplication* app = new QCoreApplication(argc, argv);
  return *app;
}

// Runs the event loop for a while, as the program's does between inputs.
inline void RunEventLoop(int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  do QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  while (clock.elapsed() < milliseconds);
}

// A seeded session against the Expert with a recording display, and no pauses.
struct SessionFixture {
  explicit SessionFixture(TSessionHooks hooks = {}) {
    TestCoreApp();
    settings.WriteString("Settings\\Level", "Expert");
    settings.WriteInt("Settings\\Aggression", 0);
    session = std::make_unique<TSession>(settings, std::move(hooks), 7);
    session->SetDisplay(&display);
  }
  // Runs the event loop until nothing waits for the engine.
  void Settle() {
    for (int pass = 0; pass < 1000 && session->EventsWaiting() > 0; ++pass) RunEventLoop(1);
  }

  TMemorySettings settings;
  TRecordingDisplay display;
  std::unique_ptr<TSession> session;
};

}  // namespace tarvelo
