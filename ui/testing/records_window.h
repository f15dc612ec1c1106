#pragma once

#include "store/registry_enhanced.h"
#include "store/store_settings.h"
#include "ui/player_records.h"
#include "ui/testing/table_window.h"

#include <QTemporaryDir>

#include <memory>

namespace tarvelo {

// A table window over a store of its own with the program's records attached,
// as the program opens it. Settings written before Open are in force.
struct TRecordsWindow {
  void Open() {
    TSessionHooks sessionHooks;
    records.AddTo(sessionHooks);
    window = tables.Open(settings, {}, {}, sessionHooks);
    records.Attach(*window);
    window->EndStartUp();
  }

  QTemporaryDir dir;
  TRegistryEnhanced store{dir.filePath("Tarvelo.conf"), QString()};
  TStoreSettings settings{store};
  TPlayerRecords records{store, settings};
  TTableWindows tables;
  std::unique_ptr<TfmTvlMain> window;
};

}  // namespace tarvelo
