#include "ai/selfplay/selfplay_run.h"

#include "ai/selfplay/selfplay_bench.h"
#include "ai/selfplay/selfplay_report.h"

namespace tarvelo {

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
