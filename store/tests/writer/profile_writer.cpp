// Writes generation after generation of five profiles into a settings file
// until it is killed: the kill test of the profile write stops it at random
// moments and reads what is left.
#include "store/player_profiles.h"
#include "store/registry_enhanced.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc != 2) return 2;
  tarvelo::TRegistryEnhanced store(QString::fromLocal8Bit(argv[1]), QString());
  for (int generation = 1;; ++generation) {
    tarvelo::TPlayerProfiles profiles;
    for (int k = 1; k <= 5; ++k) {
      profiles.List.push_back(tarvelo::TPlayerProfile{QString("G%1-%2").arg(generation).arg(k)});
      profiles.List.back().WinRatio->Wins = generation;
    }
    profiles.CurrentPlayer = generation % 5;
    if (!tarvelo::WriteProfiles(store, profiles)) return 1;
    std::printf("%d\n", generation);
    std::fflush(stdout);
  }
}
