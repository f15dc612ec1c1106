#pragma once

#include <QString>
#include <QStringList>

namespace tarvelo {

class TRegistryEnhanced;

constexpr int MatchHistoryLines = 100;  // "MatchHistory\Match0" (newest) to "Match99"

// The 100 stored lines, newest first; missing ones are empty.
QStringList ReadMatchHistory(const TRegistryEnhanced& store);
// Puts `line` first and moves the others one down (the oldest goes), in one
// write of the file: a program killed meanwhile leaves the old history or the new.
bool AddMatchHistoryLine(TRegistryEnhanced& store, const QString& line);
// The same on lines already read; `lines` becomes the new history.
bool AddMatchHistoryLine(TRegistryEnhanced& store, QStringList& lines, const QString& line);

// when: the date and time as the desktop writes them. The winner is named, or "Draw".
QString MatchHistoryLine(const QString& when, const QString& player, const QString& opponent, int playerScore,
                         int opponentScore);
// A match given up before its end: the totals as they stood, and no winner.
QString AbandonedMatchHistoryLine(const QString& when, const QString& player, const QString& opponent, int playerScore,
                                  int opponentScore);

}  // namespace tarvelo
