#pragma once

#include "engine/game_records.h"
#include "engine/randomness.h"
#include "engine/second_seat.h"
#include "engine/settings_access.h"
#include "engine/table_display.h"

namespace tarvelo {

// Everything the engine and the computer player need from the world outside the
// rules, as one interface made of its roles: the display, the second seat, the
// records, the stored settings and the random source. The session implements it,
// tests record it, the self-play tool silences it.
class TableHost : public TTableDisplay,
                  public TSecondSeat,
                  public TGameRecords,
                  public TSettingsAccess,
                  public TRandomness {
 public:
  ~TableHost() override = default;
};

}  // namespace tarvelo
