#include "ai/selfplay/selfplay_run.h"

#include "ai/selfplay/selfplay_bench.h"
#include "ai/selfplay/selfplay_report.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace tarvelo {

bool ReadSelfPlayOptions(int argc, char* argv[], TSelfPlayOptions& options, std::ostream& err) {
  try {
    options = ParseSelfPlayOptions(std::vector<std::string>(argv + 1, argv + argc));
    return true;
  } catch (const std::invalid_argument& error) {
    err << "tarvelo-selfplay: " << error.what() << "\n\n" << SelfPlayUsage();
    return false;
  }
}

int RunSelfPlay(TSelfPlayOptions options, std::ostream& out) {
  if (options.Help) {
    out << SelfPlayUsage();
    return 0;
  }
  if (options.Bench) {
    out << BenchText(RunBench());
    return 0;
  }
  if (options.Trace) options.Match.Trace = &out;
  const TMatchResults results = PlayMatch(options.Match);
  out << SummaryText(options.Match, results);
  if (options.Json) out << JsonLine(options.Match, results) << '\n';
  return 0;
}

}  // namespace tarvelo
