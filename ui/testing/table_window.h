#pragma once

#include "session/session.h"
#include "ui/tvlmain.h"

#include <QStringList>

#include <memory>
#include <vector>

namespace tarvelo {

// Opens table windows as the program does, each over a session of its own
// that lives as long as this object (so beyond the windows of a test).
class TTableWindows {
 public:
  std::unique_ptr<TfmTvlMain> Open(TSettingsAccess& settings, const QStringList& arguments = {},
                                   TWindowHooks windowHooks = {}, TSessionHooks sessionHooks = {}) {
    sessions_.push_back(std::make_unique<TSession>(settings, std::move(sessionHooks)));
    auto window = std::make_unique<TfmTvlMain>(*sessions_.back(), arguments, std::move(windowHooks));
    sessions_.back()->SetDisplay(window.get());
    return window;
  }

 private:
  std::vector<std::unique_ptr<TSession>> sessions_;
};

}  // namespace tarvelo
