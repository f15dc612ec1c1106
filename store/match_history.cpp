#include "store/match_history.h"

#include "store/registry_enhanced.h"

namespace tarvelo {

namespace {
const QString HistoryKey = QStringLiteral("MatchHistory");
QString LineName(int n) { return QStringLiteral("Match%1").arg(n); }
}  // namespace

QStringList ReadMatchHistory(const TRegistryEnhanced& store) {
  QStringList lines;
  for (int n = 0; n < MatchHistoryLines; ++n) lines << store.ReadValue(HistoryKey + u'\\' + LineName(n), QString());
  return lines;
}

bool AddMatchHistoryLine(TRegistryEnhanced& store, const QString& line) {
  QStringList lines = ReadMatchHistory(store);
  return AddMatchHistoryLine(store, lines, line);
}

bool AddMatchHistoryLine(TRegistryEnhanced& store, QStringList& lines, const QString& line) {
  lines.prepend(line);
  lines.resize(MatchHistoryLines);
  TRegistryEnhanced::TNamedValues values;
  for (int n = 0; n < MatchHistoryLines; ++n) values.append({LineName(n), lines[n]});
  return store.ReplaceKey(HistoryKey, values);
}

namespace {
// "when: player - opponent: 5120 - 3000"; joined, not formatted: a name holding "%1" stays as it is.
QString MatchLine(const QString& when, const QString& player, const QString& opponent, int playerScore,
                  int opponentScore) {
  return when + QStringLiteral(": ") + player + QStringLiteral(" - ") + opponent + QStringLiteral(": ") +
         QString::number(playerScore) + QStringLiteral(" - ") + QString::number(opponentScore);
}
}  // namespace

QString MatchHistoryLine(const QString& when, const QString& player, const QString& opponent, int playerScore,
                         int opponentScore) {
  const QString winner = playerScore > opponentScore   ? player
                         : playerScore < opponentScore ? opponent
                                                       : QStringLiteral("Draw");
  return MatchLine(when, player, opponent, playerScore, opponentScore) + QStringLiteral(", winner: ") + winner;
}

QString AbandonedMatchHistoryLine(const QString& when, const QString& player, const QString& opponent, int playerScore,
                                  int opponentScore) {
  return MatchLine(when, player, opponent, playerScore, opponentScore) + QStringLiteral(", abandoned");
}

}  // namespace tarvelo
