// tarvelo-selfplay: whole games between two computer levels without a window,
// on one table or, with --lobby, between two sessions through the lobby.
#include "ai/selfplay/selfplay_options.h"
#include "ai/selfplay/selfplay_report.h"
#include "ai/selfplay/selfplay_run.h"
#include "net/selfplay/network_match.h"

#include <QCoreApplication>

#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
  using namespace tarvelo;
  TSelfPlayOptions options;
  if (!ReadSelfPlayOptions(argc, argv, options, std::cerr)) return 2;
  if (options.Lobby.empty() || options.Help || options.Bench) return RunSelfPlay(options, std::cout);
  QCoreApplication app(argc, argv);
  TNetworkFigures figures;
  std::string error;
  const TMatchResults results = PlayNetworkMatch(options, figures, error);
  if (!error.empty()) {
    std::cerr << "tarvelo-selfplay: " << error << '\n';
    return 1;
  }
  std::cout << SummaryText(options.Match, results) << NetworkSummaryText(figures);
  if (options.Json) std::cout << NetworkJsonLine(options.Match, results, figures) << '\n';
  return 0;
}
