// A program killed while it writes the profiles leaves the old ones or the
// new ones, whole: never none, never a mix of two generations.
#include "store/player_profiles.h"
#include "store/registry_enhanced.h"
#include "store/tests/store_fixture.h"

#include <QFile>
#include <QProcess>
#include <QThread>

using namespace tarvelo;

namespace {

using ProfileKill = TStoreTest;

TEST_F(ProfileKill, AKilledWriterLeavesOneWholeGeneration) {
  const QString file = PathOf("Tarvelo.conf");
  for (int round = 0; round < 12; ++round) {
    QProcess writer;
    writer.start(TARVELO_PROFILE_WRITER, {file});
    ASSERT_TRUE(writer.waitForStarted());
    ASSERT_TRUE(writer.waitForReadyRead(10000));  // one generation is on the disk
    QThread::msleep(static_cast<unsigned long>(round * 7 % 40));
    writer.kill();
    writer.waitForFinished();
    // A writer killed between making its lock file and writing its number into
    // it leaves an empty lock, which Qt takes for stale only after 30 seconds.
    QFile lock(file + ".lock");
    if (lock.exists() && lock.size() == 0) lock.remove();

    const TPlayerProfiles profiles = ReadProfiles(TRegistryEnhanced(FreshCopy(file), QString()));
    ASSERT_EQ(profiles.List.size(), 5u) << "round " << round;
    const QString generation = profiles.List[0].Name.section('-', 0, 0);
    for (const TPlayerProfile& profile : profiles.List) {
      EXPECT_EQ(profile.Name.section('-', 0, 0), generation) << "round " << round;
      EXPECT_EQ("G" + QString::number(profile.WinRatio->Wins), generation);
    }
  }
}

}  // namespace
