// tarvelo-selfplay: whole games between two computer levels, without a window.
#include "ai/selfplay/selfplay_bench.h"
#include "ai/selfplay/selfplay_options.h"
#include "ai/selfplay/selfplay_report.h"

#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
  using namespace tarvelo;
  TSelfPlayOptions options;
  try {
    options = ParseSelfPlayOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& error) {
    std::cerr << "tarvelo-selfplay: " << error.what() << "\n\n" << SelfPlayUsage();
    return 2;
  }
  if (options.Help) {
    std::cout << SelfPlayUsage();
    return 0;
  }
  if (options.Bench) {
    std::cout << BenchText(RunBench());
    return 0;
  }
  if (options.Trace) options.Match.Trace = &std::cout;
  const TMatchResults results = PlayMatch(options.Match);
  std::cout << SummaryText(options.Match, results);
  if (options.Json) std::cout << JsonLine(options.Match, results) << '\n';
  return 0;
}
