#pragma once

#include "session/game_life_cycle.h"
#include "session/session.h"
#include "ui/tvlmain.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace tarvelo {

// The saved games of a table window: their folder and the game it starts with.
struct TTableSavedGames {
  QString DataFolder;
  TStartGame Start;
};

// Opens table windows as the program does, each over a session of its own
// that lives as long as this object (so beyond the windows of a test). With
// saved games, the window has the game's life cycle; without, it deals the
// first hand at the end of the start.
class TTableWindows {
 public:
  std::unique_ptr<TfmTvlMain> Open(TSettingsAccess& settings, std::optional<TTableSavedGames> savedGames = {},
                                   TWindowHooks windowHooks = {}, TSessionHooks sessionHooks = {}) {
    sessions_.push_back(std::make_unique<TSession>(settings, std::move(sessionHooks)));
    TSession& session = *sessions_.back();
    auto window = std::make_unique<TfmTvlMain>(session, std::move(windowHooks));
    session.SetDisplay(window.get());
    if (savedGames) {
      lifeCycles_.push_back(std::make_unique<TGameLifeCycle>(session, savedGames->DataFolder));
      window->UseSavedGames(*lifeCycles_.back(), savedGames->Start);
    } else {
      QObject::connect(window.get(), &TfmTvlMain::startUpEnded, &session, [&session] { session.DealFirstHand(); });
    }
    return window;
  }
  // The life cycle of the window opened last with saved games.
  TGameLifeCycle& LastLifeCycle() { return *lifeCycles_.back(); }

 private:
  std::vector<std::unique_ptr<TSession>> sessions_;
  std::vector<std::unique_ptr<TGameLifeCycle>> lifeCycles_;
};

}  // namespace tarvelo
