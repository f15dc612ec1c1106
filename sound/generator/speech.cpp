#include "sound/generator/speech.h"

#include "sound/generator/synth.h"

#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tarvelo {

namespace {

// The standard output of a program run without a shell; nothing when it fails.
std::optional<std::string> Output(std::vector<std::string> arguments) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return std::nullopt;
  const pid_t child = fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    dup2(pipeEnds[1], STDOUT_FILENO);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    std::vector<char*> argv;
    for (std::string& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  close(pipeEnds[1]);
  std::string out;
  char buffer[65536];
  ssize_t n;
  while ((n = read(pipeEnds[0], buffer, sizeof buffer)) > 0) out.append(buffer, static_cast<size_t>(n));
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return out;
}

}  // namespace

std::optional<TSamples> Speak(const std::string& text) {
  // A light, friendly voice, a little slower than the default.
  const std::optional<std::string> wav =
      Output({"espeak-ng", "-v", "en-us+f3", "-s", "150", "-p", "55", "--stdout", text});
  if (!wav) return std::nullopt;
  TSamples voice = ParseWav(*wav);
  TrimSilence(voice, 0.02f);
  if (voice.Values.empty()) return std::nullopt;
  return voice;
}

}  // namespace tarvelo
