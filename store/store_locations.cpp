#include "store/store_locations.h"

#include <QSettings>
#include <QStandardPaths>

namespace tarvelo {

TStoreLocations TStoreLocations::Default() {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  TStoreLocations l;
  l.UserFile = config + QStringLiteral("/Tarvelo Group/Tarvelo.conf");
  // Qt's own machine-wide settings folder (/etc/xdg unless Qt was built otherwise).
  l.MachineFile = QSettings(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("Velmora Studio"),
                            QStringLiteral("Tarvelo"))
                      .fileName();
  l.LegacyFolder = config;
  l.DataFolder = data + QStringLiteral("/Tarvelo Group/Tarvelo");
  return l;
}

}  // namespace tarvelo
