#pragma once

#include "engine/game.h"
#include "engine/testing/table_builder.h"
#include "store/saved_game_file.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>
#include <string>

namespace tarvelo {

// Every field of a saved game's file, with the same seeds.
inline std::string SavedFileOf(const TGame& game) {
  return WriteSavedGame(game.Table, game.Layout.SizeIndex, [] { return 0; });
}

// A game in progress that a deal could not give: three cards in hand.
inline void LayGameInProgress(TGame& game) {
  TTableBuilder(game).Build("hand: 7H 7S 4D; melds: KH KS KD 9C 9S 9D; oppmelds: 5H 5S 5D; pile: 8C").PlayerHasDrawn();
  game.Table.GameInProgress = true;
  game.Table.PlayerScore = 1230;
}

inline QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void PutFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

}  // namespace tarvelo
