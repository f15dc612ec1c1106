#include "sound/testing/sound_fixture.h"

#include <QDir>

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace tarvelo;

namespace {

using MusicTest = TSoundTest;

TEST_F(MusicTest, TheJukeboxPlaysEveryPieceOncePerPassInANewOrderEachPass) {
  const std::vector<std::string> pieces = {InMusic("a.mid"), InMusic("B.MID"), InMusic("c.Mid"), InMusic("d.mid")};
  for (const std::string& p : pieces) MakeFile(p);
  MakeFile(InMusic("notes.txt"));
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(InMusic("folder.mid"))));  // a folder is no piece
  UseJukebox();
  Draws = {0, 3, 1, 2, 2, 0, 3, 1, /* second pass */ 1, 2, 0, 0, 3, 3, 2, 1};
  Sound.NextMusic();
  for (int i = 1; i < 8; ++i) PlayOut();
  ASSERT_EQ(Audio.Pieces.size(), 8u);
  const std::vector<std::string> first(Audio.Pieces.begin(), Audio.Pieces.begin() + 4);
  const std::vector<std::string> second(Audio.Pieces.begin() + 4, Audio.Pieces.end());
  std::vector<std::string> sorted = pieces;
  std::sort(sorted.begin(), sorted.end());
  for (std::vector<std::string> pass : {first, second}) {
    std::sort(pass.begin(), pass.end());
    EXPECT_EQ(pass, sorted);
  }
  EXPECT_NE(first, second);
}

TEST_F(MusicTest, APassThatWouldRepeatTheOrderBeforeIsTurned) {
  for (const char* name : {"a.mid", "b.mid", "c.mid"}) MakeFile(InMusic(name));
  UseJukebox();
  // Every draw 0: the swaps leave each pass in name order.
  Sound.NextMusic();
  for (int i = 1; i < 6; ++i) PlayOut();
  const std::vector<std::string> first(Audio.Pieces.begin(), Audio.Pieces.begin() + 3);
  const std::vector<std::string> second(Audio.Pieces.begin() + 3, Audio.Pieces.end());
  EXPECT_EQ(first, (std::vector<std::string>{InMusic("a.mid"), InMusic("b.mid"), InMusic("c.mid")}));
  EXPECT_NE(first, second);
}

TEST_F(MusicTest, APieceThatVanishedIsSkippedAndTheNextPlays) {
  for (const char* name : {"a.mid", "b.mid", "c.mid"}) MakeFile(InMusic(name));
  UseJukebox();
  Sound.NextMusic();  // name order: a, b, c
  ASSERT_TRUE(QFile::remove(QString::fromStdString(InMusic("b.mid"))));
  PlayOut();
  EXPECT_EQ(Audio.Pieces, (std::vector<std::string>{InMusic("a.mid"), InMusic("c.mid")}));
  EXPECT_TRUE(Audio.MusicOn);
}

// None of these may spin: each ends with the music stopped after at most one
// try of each piece of the pass.
TEST_F(MusicTest, APassOfPiecesThatDoNotPlayEndsInSilence) {
  for (const char* name : {"a.mid", "b.mid", "c.mid"}) MakeFile(InMusic(name));
  UseJukebox();
  Audio.Refused = {InMusic("a.mid"), InMusic("b.mid"), InMusic("c.mid")};
  Sound.NextMusic();
  EXPECT_TRUE(Audio.Pieces.empty());
  EXPECT_FALSE(Audio.MusicOn);
  // Another call gives up at once as well.
  Sound.NextMusic();
  EXPECT_TRUE(Audio.Pieces.empty());
}

TEST_F(MusicTest, PiecesThatEndAtOnceStopTheMusicAfterOnePass) {
  for (const char* name : {"a.mid", "b.mid", "c.mid"}) MakeFile(InMusic(name));
  UseJukebox();
  Sound.NextMusic();
  for (int i = 0; i < 10 && Audio.MusicOn; ++i) Audio.FinishPiece();  // no time passes
  EXPECT_EQ(Audio.Pieces.size(), 3u);
  EXPECT_FALSE(Audio.MusicOn);
}

TEST_F(MusicTest, OnePieceThatEndsAtOnceAmongGoodOnesDoesNotStopTheMusic) {
  for (const char* name : {"a.mid", "b.mid", "c.mid"}) MakeFile(InMusic(name));
  UseJukebox();
  Sound.NextMusic();    // a
  PlayOut();            // b
  Audio.FinishPiece();  // b over at once: c
  PlayOut();
  EXPECT_EQ(Audio.Pieces.size(), 4u);
  EXPECT_TRUE(Audio.MusicOn);
}

TEST_F(MusicTest, FolderEntriesThatAreNoPlayableFileNeverPlay) {
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(InMusic("only.mid"))));
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(MusicFolder() + "/sub")));
  MakeFile(InMusic("sub/deeper.mid"));
  UseJukebox();
  Sound.NextMusic();
  EXPECT_TRUE(Audio.Pieces.empty());
  EXPECT_TRUE(Sound.Jukebox.Playlist.empty());
}

TEST_F(MusicTest, TheSingleFileRepeatsKeepsItsCaseAndStopsWhenItCannotPlay) {
  MakeFile(InData("ARCADIA.MID"));
  Sound.Music.MusicOn = true;
  Sound.Music.MusicType = 0;
  Sound.NextMusic();
  PlayOut();
  EXPECT_EQ(Audio.Pieces, (std::vector<std::string>{InData("ARCADIA.MID"), InData("ARCADIA.MID")}));

  // Over at once: the music stops rather than start it again and again.
  Audio.Pieces.clear();
  Audio.FinishPiece();
  EXPECT_TRUE(Audio.Pieces.empty());
  EXPECT_FALSE(Audio.MusicOn);

  Sound.Music.MusicFile = "missing.mid";
  Sound.RestartMusic();
  EXPECT_TRUE(Audio.Pieces.empty());
  EXPECT_FALSE(Audio.MusicOn);
}

TEST_F(MusicTest, MusicOffOrAnEmptyFolderGivesNoMusic) {
  MakeFile(InMusic("a.mid"));
  UseJukebox();
  Sound.Music.MusicOn = false;
  Sound.NextMusic();
  EXPECT_TRUE(Audio.Pieces.empty());
  Sound.Music.MusicOn = true;
  Sound.Music.MusicFolder = Dir.filePath("empty").toStdString();
  Sound.NextMusic();
  EXPECT_TRUE(Audio.Pieces.empty());
  EXPECT_FALSE(Audio.MusicOn);
}

TEST_F(MusicTest, ARestartReadsTheFolderAgainAndStartsOnce) {
  MakeFile(InMusic("a.mid"));
  UseJukebox();
  Sound.NextMusic();
  MakeFile(InMusic("b.mid"));
  Sound.RestartMusic();
  EXPECT_EQ(Audio.Pieces.size(), 2u);
  EXPECT_EQ(Sound.Jukebox.Playlist.size(), 2u);
  // After a pass that failed, a restart tries again.
  Audio.Refused = {InMusic("a.mid"), InMusic("b.mid")};
  PlayOut();
  PlayOut();
  Audio.Refused.clear();
  const size_t before = Audio.Pieces.size();
  Sound.RestartMusic();
  EXPECT_EQ(Audio.Pieces.size(), before + 1);
}

}  // namespace
