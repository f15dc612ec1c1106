#include "store/store_locations.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

// Sets an environment variable for one scope and puts the old value back.
class TScopedVariable {
 public:
  TScopedVariable(const char* name, const QByteArray& value)
      : Name_(name), Had_(qEnvironmentVariableIsSet(name)), Old_(qgetenv(name)) {
    if (value.isNull())
      qunsetenv(name);
    else
      qputenv(name, value);
  }
  ~TScopedVariable() {
    if (Had_)
      qputenv(Name_, Old_);
    else
      qunsetenv(Name_);
  }

 private:
  const char* Name_;
  bool Had_;
  QByteArray Old_;
};

TEST(StoreLocations, FollowTheUsersFoldersAndQtsMachineFolder) {
  const TScopedVariable config("XDG_CONFIG_HOME", "/tmp/tarvelo-test-config");
  const TScopedVariable data("XDG_DATA_HOME", "/tmp/tarvelo-test-data");
  const TStoreLocations l = TStoreLocations::Default();
  EXPECT_EQ(l.UserFile.toStdString(), "/tmp/tarvelo-test-config/Tarvelo Group/Tarvelo.conf");
  EXPECT_EQ(l.LegacyFolder.toStdString(), "/tmp/tarvelo-test-config");
  EXPECT_EQ(l.DataFolder.toStdString(), "/tmp/tarvelo-test-data/Tarvelo Group/Tarvelo");
  EXPECT_EQ(l.MachineFile.toStdString(), "/etc/xdg/Velmora Studio/Tarvelo.conf");
}

TEST(StoreLocations, WithoutXdgVariablesTheyLieInTheHomeFolder) {
  const TScopedVariable config("XDG_CONFIG_HOME", QByteArray());
  const TScopedVariable data("XDG_DATA_HOME", QByteArray());
  const TStoreLocations l = TStoreLocations::Default();
  const QString home = QDir::homePath();
  EXPECT_EQ(l.UserFile, home + "/.config/Tarvelo Group/Tarvelo.conf");
  EXPECT_EQ(l.LegacyFolder, home + "/.config");
  EXPECT_EQ(l.DataFolder, home + "/.local/share/Tarvelo Group/Tarvelo");
}

}  // namespace
