#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace tarvelo {

class TRegistryEnhanced;

// A profile's wins and losses. The object is shared between the main list and
// the copy the customise dialog edits, so it lives as long as either holds it.
struct TWinRatio {
  std::int32_t Wins = 0;
  std::int32_t Losses = 0;
};

struct TPlayerProfile {
  QString Name;
  std::shared_ptr<TWinRatio> WinRatio = std::make_shared<TWinRatio>();
};

// The ordered list of profiles and the current one. Profiles are told apart by
// their win/loss object, never by name: two of the same name keep their own figures.
struct TPlayerProfiles {
  std::vector<TPlayerProfile> List;
  int CurrentPlayer = -1;  // -1: no profile is current

  const TPlayerProfile* Current() const;
  // The profile's name, or "Player" when none is current.
  QString PlayerName() const;
  // The index of the profile that owns `ratio`, or -1.
  int IndexOf(const std::shared_ptr<TWinRatio>& ratio) const;
};

constexpr int MaxNameLength = 255;  // names, like every short text, hold at most 255 characters

// A stored profile, "name,wins,losses": split at the first two commas; a count
// that is not a number from 0 to 2147483647 reads as 0. nullopt for an empty text.
std::optional<TPlayerProfile> ParseProfileText(const QString& text);
QString ProfileText(const TPlayerProfile& profile);

// "Player Names\PlayerName" + n from 1 until one is missing or empty; the first is current.
TPlayerProfiles ReadProfiles(const TRegistryEnhanced& store);
// Replaces the stored profiles in one write, the current one first. False when
// the file could not be written (the old profiles stay then).
bool WriteProfiles(TRegistryEnhanced& store, const TPlayerProfiles& profiles);

// One more win or loss; a count at its largest stays there.
void AddWin(TWinRatio& ratio);
void AddLoss(TWinRatio& ratio);

}  // namespace tarvelo
