#pragma once

#include <cstdint>
#include <string>

namespace tarvelo::bench {

// What a process of this machine has used, from /proc: its CPU time so far and its memory.
struct TProcessUsage {
  bool Read = false;                      // the process was there to read
  double CpuSeconds = 0;                  // user and system time
  std::int64_t RssKb = 0, PeakRssKb = 0;  // VmRSS and VmHWM
};
TProcessUsage ReadProcessUsage(std::int64_t pid);
// The process's own name (its comm), e.g. "inspircd".
std::string ProcessName(std::int64_t pid);
// Its command line, the arguments joined by spaces.
std::string ProcessCommandLine(std::int64_t pid);

}  // namespace tarvelo::bench
