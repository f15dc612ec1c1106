#include "lobby/irc/command_pieces.h"

#include <gtest/gtest.h>

using namespace tarvelo::irc;

namespace {

using TOutcome = TCommandAssembly::TOutcome;

std::string Utf8E9(std::size_t count) {
  std::string out;
  for (std::size_t i = 0; i < count; ++i) out += "\xC3\xA9";
  return out;
}

// What a receiver makes of `pieces` from one sender: each outcome that is not Pending, in order.
std::vector<std::pair<TOutcome, std::string>> Assemble(TCommandAssembly& assembly,
                                                       const std::vector<std::string>& pieces,
                                                       const std::string& sender = "bob") {
  std::vector<std::pair<TOutcome, std::string>> out;
  for (const auto& piece : pieces) {
    auto result = assembly.Add(sender, piece);
    if (result.Outcome != TOutcome::Pending) out.emplace_back(result.Outcome, std::move(result.Command));
  }
  return out;
}

TEST(CommandPieces, TheChecksumIsTheStandardCrc32) {
  EXPECT_EQ(Crc32(""), 0u);
  EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
  EXPECT_EQ(CutCommand("", 400), std::vector<std::string>{"=0000000000000000"});
  EXPECT_EQ(CutCommand("123456789", 400), std::vector<std::string>{"=12345678900000009CBF43926"});
}

TEST(CommandPieces, PiecesFitTheirSizeAndComeBackWhole) {
  struct Case {
    const char* Name;
    std::string Command;
    std::size_t PieceBytes;
  };
  const Case cases[] = {
      {"empty", "", 40},
      {"fills one piece with its check exactly", std::string(39 - CheckBytes, 'x'), 40},
      {"one byte more", std::string(40 - CheckBytes, 'x'), 40},
      {"two-byte characters across every cut", Utf8E9(1000), 41},
      {"the largest command, in the smallest pieces", Utf8E9(65536), 32},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const auto pieces = CutCommand(c.Command, c.PieceBytes);
    std::string joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      EXPECT_LE(pieces[i].size(), c.PieceBytes);
      EXPECT_EQ(pieces[i].front(), i + 1 == pieces.size() ? LastPiece : MoreFollows);
      ASSERT_GT(pieces[i].size(), 1u);
      EXPECT_NE(static_cast<unsigned char>(pieces[i][1]) & 0xC0, 0x80) << "a piece starts inside a character";
      joined += pieces[i].substr(1);
    }
    EXPECT_EQ(joined.substr(0, c.Command.size()), c.Command);
    TCommandAssembly assembly(2 * 65536, 1 << 20);
    const auto outcomes = Assemble(assembly, pieces);
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].first, TOutcome::Whole);
    EXPECT_EQ(outcomes[0].second, c.Command);
  }
}

// Whatever a server did to the pieces, a command is handed on only as it was sent,
// and a damaged one is told once.
TEST(CommandPieces, ACutOrMissingPieceIsToldOnceAndNeverHandedOn) {
  const auto first = CutCommand(std::string(130, 'a'), 40);  // four pieces
  const auto second = CutCommand("next", 40);
  ASSERT_EQ(first.size(), 4u);
  auto cutTail = [](std::string piece, std::size_t bytes) { return piece.substr(0, piece.size() - bytes); };
  struct Case {
    const char* Name;
    std::vector<std::string> Pieces;
    std::vector<TOutcome> Outcomes;
  };
  const Case cases[] = {
      {"whole", first, {TOutcome::Whole}},
      {"the last piece cut short", {first[0], first[1], first[2], cutTail(first[3], 3)}, {TOutcome::Damaged}},
      {"a middle piece cut short", {first[0], cutTail(first[1], 1), first[2], first[3]}, {TOutcome::Damaged}},
      {"a middle piece missing", {first[0], first[2], first[3]}, {TOutcome::Damaged}},
      {"a last piece without its check", {"=hello"}, {TOutcome::Damaged}},
      {"a check in lower case", {"=abc00000003352441c2"}, {TOutcome::Damaged}},
      {"the last piece missing: the next command cannot be trusted either",
       {first[0], first[1], first[2], second[0]},
       {TOutcome::Damaged}},
      {"a damaged command does not spoil the next",
       {first[0], first[2], first[3], second[0]},
       {TOutcome::Damaged, TOutcome::Whole}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TCommandAssembly assembly(1000, 1 << 20);
    std::vector<TOutcome> outcomes;
    for (const auto& [outcome, command] : Assemble(assembly, c.Pieces)) outcomes.push_back(outcome);
    EXPECT_EQ(outcomes, c.Outcomes);
  }
}

TEST(CommandPieces, WhatIsPutTogetherStaysBounded) {
  // One sender: past its bound the command is told once and the rest of it ignored.
  TCommandAssembly assembly(100, 250);
  const auto big = CutCommand(std::string(300, 'x'), 40);
  const auto outcomes = Assemble(assembly, big);
  ASSERT_EQ(outcomes.size(), 1u);
  EXPECT_EQ(outcomes[0].first, TOutcome::Damaged);
  EXPECT_EQ(Assemble(assembly, CutCommand("after", 40)).at(0).first, TOutcome::Whole);

  // Everyone together: three senders each within their own bound but not all at once.
  TCommandAssembly shared(100, 200);
  const auto part = CutCommand(std::string(99, 'y'), 40);  // 39 + 39 + 37 bytes
  std::vector<std::pair<std::string, TOutcome>> told;
  for (bool last : {false, true})
    for (const char* sender : {"ann", "bob", "cy"})
      for (std::size_t i = last ? part.size() - 1 : 0; i < (last ? part.size() : part.size() - 1); ++i)
        if (const auto outcome = shared.Add(sender, part[i]).Outcome; outcome != TOutcome::Pending)
          told.emplace_back(sender, outcome);
  EXPECT_EQ(told, (std::vector<std::pair<std::string, TOutcome>>{
                      {"cy", TOutcome::Damaged}, {"ann", TOutcome::Whole}, {"bob", TOutcome::Whole}}));

  // A sender who leaves takes its half command along, and its bytes are freed.
  assembly.Add("dan", big[0]);
  assembly.Forget("dan");
  EXPECT_EQ(Assemble(assembly, CutCommand("fresh", 40), "dan").at(0).first, TOutcome::Whole);
}

}  // namespace
