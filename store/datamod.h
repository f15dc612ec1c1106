#pragma once

#include "store/registry_tarvelo.h"
#include "store/store_locations.h"

namespace tarvelo {

// The data module: created before the main window and living as long as the
// program, it owns the settings store.
class TdmMain {
 public:
  explicit TdmMain(const TStoreLocations& locations = TStoreLocations::Default()) : rfMain(locations) {}

  TRegistryTarvelo rfMain;
};

}  // namespace tarvelo
