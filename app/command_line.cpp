#include "app/command_line.h"

namespace tarvelo {

namespace {
constexpr QStringView LobbyArgument = u"/ip:";
constexpr QStringView LinkScheme = u"tarvelo:";

// A "tarvelo:" link ("tarvelo:host", "tarvelo://host" or "tarvelo:/ip:host")
// stands for the "/ip:" argument with the same address.
QString AsArgument(const QString& argument) {
  if (!argument.startsWith(LinkScheme, Qt::CaseInsensitive)) return argument;
  QString address = argument.mid(LinkScheme.size());
  if (address.startsWith(LobbyArgument)) return address;
  if (address.startsWith(u"//")) address.remove(0, 2);
  return LobbyArgument.toString() + address;
}
}  // namespace

TCommandLine ParseCommandLine(const QStringList& given) {
  QStringList arguments;
  for (const QString& argument : given) arguments.append(AsArgument(argument));
  TCommandLine line;
  line.Start.FromAutoSave = arguments.isEmpty();
  if (!arguments.isEmpty()) {
    const QString& first = arguments.first();
    if (!first.contains(LobbyArgument) && first != u"/setup" && first.contains(u".tvl")) line.Start.SavedGame = first;
  }
  for (const QString& argument : arguments) {
    const qsizetype at = argument.indexOf(LobbyArgument);
    if (at < 0 || line.LobbyAutoLogin) continue;
    line.LobbyAutoLogin = true;
    line.LobbyAddress = argument.mid(at + LobbyArgument.size());
  }
  return line;
}

}  // namespace tarvelo
