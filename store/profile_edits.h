#pragma once

#include "store/player_profiles.h"

#include <QString>

#include <memory>
#include <optional>

namespace tarvelo {

// The "Players" page's work on a copy of the profile list. The copy shares the
// win/loss objects with the main list: a reset of statistics holds even when
// the dialog is cancelled, while a deletion or a new name reaches the main
// list only through Result().
class TProfileEdits {
 public:
  explicit TProfileEdits(const TPlayerProfiles& main);

  enum class TNameCheck { Accepted, Cancelled, Comma };
  // What an input box's answer amounts to: an empty name is a Cancel, a comma is refused.
  static TNameCheck CheckName(const QString& name);

  const std::vector<TPlayerProfile>& List() const { return profiles_.List; }
  bool Empty() const { return profiles_.List.empty(); }
  // "Current Player": the current name, or "Player" when there is none.
  QString CurrentName() const;
  int CurrentIndex() const { return profiles_.IndexOf(current_); }
  int Selected() const { return selected_; }
  void Select(int index);

  // Each gives the name check; only an accepted name changes the list. The
  // name is cut to its first 255 characters.
  TNameCheck Add(const QString& name);
  TNameCheck Rename(int index, const QString& name);  // the profile becomes current
  void Delete(int index);
  void SetCurrent(int index);
  void ResetStats(int index);

  // The edited list with its current profile, found by identity.
  TPlayerProfiles Result() const;

 private:
  bool Valid(int index) const { return index >= 0 && index < static_cast<int>(profiles_.List.size()); }

  TPlayerProfiles profiles_;
  std::shared_ptr<TWinRatio> current_;
  int selected_ = -1;
};

}  // namespace tarvelo
