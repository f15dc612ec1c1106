#pragma once

#include <QString>

namespace tarvelo {

// Where the store and the migration find their files. Tests point every one of
// them into a temporary folder.
struct TStoreLocations {
  QString UserFile;      // every write: ~/.config/Tarvelo Group/Tarvelo.conf
  QString MachineFile;   // read fallback: /etc/xdg/Velmora Studio/Tarvelo.conf
  QString LegacyFolder;  // where the old "tarvelo.ini" lies: $XDG_CONFIG_HOME, default ~/.config
  QString DataFolder;    // the files the program writes: ~/.local/share/Tarvelo Group/Tarvelo

  // The places of this user on this machine.
  static TStoreLocations Default();
};

}  // namespace tarvelo
