#include "sound/generator/midi_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <tuple>

namespace tarvelo {

namespace {

constexpr int TicksPerBeat = 480;

void Put32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((v >> shift) & 0xff));
}

void PutVarLen(std::string& out, std::uint32_t v) {
  std::uint8_t bytes[5];
  int n = 0;
  do {
    bytes[n++] = static_cast<std::uint8_t>(v & 0x7f);
    v >>= 7;
  } while (v && n < 5);
  while (n-- > 0) out.push_back(static_cast<char>(bytes[n] | (n ? 0x80 : 0)));
}

std::string Chunk(const std::string& id, const std::string& body) {
  std::string out = id;
  Put32(out, static_cast<std::uint32_t>(body.size()));
  return out + body;
}

struct TEvent {
  std::uint32_t Tick;
  int Order;  // note-offs before note-ons at the same tick
  std::string Bytes;
};

std::string TrackBody(std::vector<TEvent> events) {
  std::stable_sort(events.begin(), events.end(), [](const TEvent& a, const TEvent& b) {
    return std::tie(a.Tick, a.Order) < std::tie(b.Tick, b.Order);
  });
  std::string body;
  std::uint32_t now = 0;
  for (const TEvent& e : events) {
    PutVarLen(body, e.Tick - now);
    now = e.Tick;
    body += e.Bytes;
  }
  PutVarLen(body, TicksPerBeat);  // a beat of silence lets the last note ring
  body += std::string("\xff\x2f\x00", 3);
  return body;
}

std::uint32_t Tick(double beats) { return static_cast<std::uint32_t>(std::lround(beats * TicksPerBeat)); }

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s.push_back(static_cast<char>(v));
  return s;
}

std::string PartTrack(const TPart& part) {
  const int ch = part.Channel & 0x0f;
  std::vector<TEvent> events = {{0, 0, Bytes({0xc0 | ch, part.Program})}, {0, 0, Bytes({0xb0 | ch, 7, part.Volume})}};
  for (const TNote& n : part.Notes) {
    events.push_back({Tick(n.Start), 1, Bytes({0x90 | ch, n.Pitch, n.Velocity})});
    events.push_back({Tick(n.Start + n.Length), 0, Bytes({0x80 | ch, n.Pitch, 0})});
  }
  return TrackBody(std::move(events));
}

std::string TempoTrack(const TPiece& piece) {
  const auto perBeat = static_cast<std::uint32_t>(60000000 / std::max(1, piece.BeatsPerMinute));
  std::string tempo = Bytes({0xff, 0x51, 3});
  tempo += Bytes({static_cast<int>(perBeat >> 16) & 0xff, static_cast<int>(perBeat >> 8) & 0xff,
                  static_cast<int>(perBeat) & 0xff});
  const std::string meter = Bytes({0xff, 0x58, 4, piece.BeatsPerBar, 2, 24, 8});
  return TrackBody({{0, 0, tempo}, {0, 0, meter}});
}

}  // namespace

std::string MidiFileBytes(const TPiece& piece) {
  std::string header;
  header += Bytes({0, 1});  // format 1
  const auto tracks = static_cast<int>(piece.Parts.size() + 1);
  header += Bytes({(tracks >> 8) & 0xff, tracks & 0xff, (TicksPerBeat >> 8) & 0xff, TicksPerBeat & 0xff});
  std::string file = Chunk("MThd", header) + Chunk("MTrk", TempoTrack(piece));
  for (const TPart& part : piece.Parts) file += Chunk("MTrk", PartTrack(part));
  return file;
}

bool WriteMidi(const std::string& path, const TPiece& piece) {
  const std::string bytes = MidiFileBytes(piece);
  std::ofstream file(path, std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace tarvelo
