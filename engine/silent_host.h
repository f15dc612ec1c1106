#pragma once

#include "engine/host.h"
#include "engine/memory_settings.h"
#include "engine/random_source.h"
#include "engine/silent_display.h"

#include <map>
#include <string>

namespace tarvelo {

// A host that shows nothing, never pauses and answers questions with a fixed
// choice: for headless play, and the base of the tests' recording host.
// Settings live in memory; the random source is seeded.
class TSilentHost : public TSilentDisplayOf<TableHost> {
 public:
  explicit TSilentHost(std::uint32_t seed = 1) : Random(seed) {}

  TRandomSource Random;
  TMemorySettings Memory;
  std::map<std::string, std::string>& Settings = Memory.Values;  // lower-case path -> stored text
  bool Network = false;
  bool Deals = true;
  std::string Peer = "Opponent";
  std::string Name = "Player";

  void RecordHandScore(int) override {}
  void RecordMatch(const TGameOverInfo&) override {}
  void DeleteAutoSave() override {}
  bool NetworkGameActive() const override { return Network; }
  std::string PeerName() const override { return Peer; }
  std::string PlayerName() const override { return Name; }
  void PostNetworkDispatch() override {}
  bool LocalSideDeals() const override { return Deals; }
  void PlayComputerTurn() override {}

  int ReadInt(std::string_view path, int defaultValue) override { return Memory.ReadInt(path, defaultValue); }
  bool ReadBool(std::string_view path, bool defaultValue) override { return Memory.ReadBool(path, defaultValue); }
  std::string ReadString(std::string_view path, const std::string& defaultValue) override {
    return Memory.ReadString(path, defaultValue);
  }
  void WriteInt(std::string_view path, int value) override { Memory.WriteInt(path, value); }
  void WriteBool(std::string_view path, bool value) override { Memory.WriteBool(path, value); }
  void WriteString(std::string_view path, const std::string& value) override { Memory.WriteString(path, value); }

  int RandomInt(int n) override { return Random.Int(n); }
  double RandomReal() override { return Random.Real(); }
};

}  // namespace tarvelo
