#pragma once

#include "store/registry_enhanced.h"
#include "store/statistics.h"
#include "store/store_settings.h"
#include "store/tests/store_fixture.h"

#include <memory>

namespace tarvelo {

// A store in a temporary folder with the statistics over it, as the program has them.
class TStatisticsTest : public TStoreTest {
 protected:
  TStatisticsTest() { Restart(); }

  // A fresh start of the program on the file as it is now.
  void Restart() {
    if (Store) {
      const QString copy = FreshCopy(Store->UserFile());
      Store = std::make_unique<TRegistryEnhanced>(copy, QString());
    } else {
      Store = std::make_unique<TRegistryEnhanced>(PathOf("Tarvelo.conf"), QString());
    }
    Settings = std::make_unique<TStoreSettings>(*Store);
    Stats = std::make_unique<TStatistics>(*Store, *Settings);
    Stats->Now = [] { return QDateTime(QDate(2026, 3, 14), QTime(15, 9)); };
  }

  std::unique_ptr<TRegistryEnhanced> Store;
  std::unique_ptr<TStoreSettings> Settings;
  std::unique_ptr<TStatistics> Stats;
};

}  // namespace tarvelo
