#include "store/high_scores.h"

#include "store/registry_enhanced.h"

namespace tarvelo {

QString HighScoreKey(THighScoreSet set, int level) {
  return QString::fromLatin1(HighScoreLevelNames[level]) + (set == SetMatch ? QStringLiteral("Match") : QString());
}

THighScores ReadHighScores(const TRegistryEnhanced& store) {
  THighScores scores;
  for (THighScoreSet set : {SetHand, SetMatch}) {
    for (int level = 0; level < HighScoreLevels; ++level) {
      const QString key = HighScoreKey(set, level) + u'\\';
      for (int rank = 1; rank <= HighScoreRanks; ++rank) {
        THighScoreEntry& entry = scores.Table(set, level)[rank - 1];
        entry.Score = store.ReadValue(key + QStringLiteral("Score%1").arg(rank), 0);
        entry.Name = store.ReadValue(key + QStringLiteral("Name%1").arg(rank), QString());
        entry.Date = store.ReadValue(key + QStringLiteral("Date%1").arg(rank), QString());
      }
    }
  }
  return scores;
}

bool WriteHighScoreTable(TRegistryEnhanced& store, THighScoreSet set, int level, const THighScoreTable& table) {
  TRegistryEnhanced::TNamedValues values;
  for (int rank = 1; rank <= HighScoreRanks; ++rank) {
    const THighScoreEntry& entry = table[rank - 1];
    values.append({QStringLiteral("Score%1").arg(rank), QString::number(entry.Score)});
    values.append({QStringLiteral("Name%1").arg(rank), entry.Name});
    values.append({QStringLiteral("Date%1").arg(rank), entry.Date});
  }
  return store.ReplaceKey(HighScoreKey(set, level), values);
}

int PlaceHighScore(THighScoreTable& table, std::int32_t score) {
  if (table[HighScoreRanks - 1].Score >= score) return 0;
  int rank = 1;
  for (int r = HighScoreRanks; r >= 1; --r) {
    if (table[r - 1].Score >= score) {
      rank = r + 1;
      break;
    }
  }
  for (int r = HighScoreRanks; r > rank; --r) table[r - 1] = table[r - 2];
  table[rank - 1] = THighScoreEntry{score, {}, {}};
  return rank;
}

}  // namespace tarvelo
