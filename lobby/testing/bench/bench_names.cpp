#include "lobby/testing/bench/bench_names.h"

#include "lobby/irc/irc_text.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace tarvelo::bench {
namespace {

const std::string Plain = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
// Characters the session escapes: Latin-1 letters, a space, punctuation.
const std::string Escaped = "\xEB\xC5\xC6\xD8\xDF\xE9\xF6\xFC\xE7\xF1\xE5\xE6\xF8 !.'";

std::string PlainName(std::mt19937& random) {
  std::string name(8 + random() % 9, ' ');
  for (char& c : name) c = Plain[random() % Plain.size()];
  return name;
}

std::string LongName(std::mt19937& random) {
  std::string name(16, ' ');
  for (char& c : name) {
    const bool escaped = random() % 5 != 0;
    c = escaped ? Escaped[random() % Escaped.size()] : Plain[random() % Plain.size()];
  }
  return name;
}

// The server folds letter case: two names that differ only in case are one.
std::string Folded(const std::string& name) {
  std::string wire = irc::EscapeIrcName(name);
  std::transform(wire.begin(), wire.end(), wire.begin(), [](unsigned char c) { return std::tolower(c); });
  return wire;
}

}  // namespace

std::vector<std::string> BenchNicknames(std::size_t count, std::mt19937& random) {
  std::vector<std::string> names;
  std::set<std::string> taken;
  bool longPair = false;
  while (names.size() < count) {
    if (names.size() % 2 == 0) longPair = random() % 5 == 0;
    std::string name = longPair ? LongName(random) : PlainName(random);
    if (taken.insert(Folded(name)).second) names.push_back(std::move(name));
  }
  return names;
}

}  // namespace tarvelo::bench
