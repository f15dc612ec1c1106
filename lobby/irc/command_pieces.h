#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo::irc {

// A private game command travels as one or more PRIVMSG texts, its pieces:
// each starts with "+" when another one follows and with "=" when it is the
// last. The command's length and CRC-32 follow its text, so a piece that a
// server cut short or that never came is noticed, and the command is dropped
// instead of handed on wrong.
constexpr char MoreFollows = '+';
constexpr char LastPiece = '=';
constexpr std::size_t CheckBytes = 16;  // the length and the CRC-32, 8 hex digits each

std::uint32_t Crc32(std::string_view bytes);

// The pieces of a command (UTF-8), markers included, each at most `pieceBytes`
// long; never cut inside a character.
std::vector<std::string> CutCommand(std::string_view utf8, std::size_t pieceBytes);

// The pieces that arrive, put together per sender.
class TCommandAssembly {
 public:
  enum class TOutcome { Pending, Whole, Damaged };
  struct TResult {
    TOutcome Outcome = TOutcome::Pending;
    std::string Command;  // the whole command's UTF-8 text
  };

  // One sender's command is at most `maxBytes` long, everyone's together at most `maxTotalBytes`.
  TCommandAssembly(std::size_t maxBytes, std::size_t maxTotalBytes);

  // A piece from `sender` (folded as the server folds names), its marker first.
  // A damaged command is told once, by its first fault; what still comes of it is ignored.
  TResult Add(const std::string& sender, std::string_view piece);
  // The sender left: what it had begun goes.
  void Forget(const std::string& sender);

 private:
  struct TPartial {
    std::string Text;
    bool Spoilt = false;  // told as damaged; its pieces up to its last are ignored
  };
  static bool Checks(std::string_view whole, std::string& command);
  void Drop(std::map<std::string, TPartial>::iterator it);

  std::size_t maxBytes_, maxTotalBytes_, totalBytes_ = 0;
  std::map<std::string, TPartial> partial_;
};

}  // namespace tarvelo::irc
