#include "lobby/testing/bench/process_usage.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace tarvelo::bench {
namespace {

std::int64_t StatusKb(const std::string& status, const std::string& field) {
  const auto at = status.find("\n" + field + ":");
  if (at == std::string::npos) return 0;
  return std::atoll(status.c_str() + at + field.size() + 2);
}

std::string ReadAll(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace

TProcessUsage ReadProcessUsage(std::int64_t pid) {
  TProcessUsage usage;
  const std::string base = "/proc/" + std::to_string(pid);
  const std::string stat = ReadAll(base + "/stat");
  // The name in parentheses may hold spaces: the fields are counted after its end.
  const auto close = stat.rfind(')');
  if (close == std::string::npos) return usage;
  std::istringstream fields(stat.substr(close + 2));
  std::string field;
  unsigned long long utime = 0, stime = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14) utime = std::stoull(field);
    if (i == 15) stime = std::stoull(field);
  }
  usage.CpuSeconds = static_cast<double>(utime + stime) / static_cast<double>(::sysconf(_SC_CLK_TCK));
  const std::string status = "\n" + ReadAll(base + "/status");
  usage.RssKb = StatusKb(status, "VmRSS");
  usage.PeakRssKb = StatusKb(status, "VmHWM");
  usage.Read = true;
  return usage;
}

std::string ProcessName(std::int64_t pid) {
  std::string name = ReadAll("/proc/" + std::to_string(pid) + "/comm");
  while (!name.empty() && name.back() == '\n') name.pop_back();
  return name;
}

std::string ProcessCommandLine(std::int64_t pid) {
  std::string line = ReadAll("/proc/" + std::to_string(pid) + "/cmdline");
  std::replace(line.begin(), line.end(), '\0', ' ');
  return line;
}

}  // namespace tarvelo::bench
