#include "sound/music_playlist.h"

#include "sound/sound_files.h"

#include <algorithm>

namespace tarvelo {

std::optional<std::string> TMusicPlaylist::Next(const std::string& folder, const TRandomInt& random) {
  if (PlaylistPos < 0) {
    const std::vector<std::string> previous = std::move(Playlist);
    Playlist = MidiFilesIn(folder);
    ShuffleEntries(Playlist, previous, random);
    PlaylistPos = 0;
  }
  if (Playlist.empty()) {
    PlaylistPos = -1;
    return std::nullopt;
  }
  const std::string entry = Playlist[static_cast<size_t>(PlaylistPos)];
  if (++PlaylistPos >= PassLength()) PlaylistPos = -1;
  return entry;
}

void ShuffleEntries(std::vector<std::string>& entries, const std::vector<std::string>& previous,
                    const TRandomInt& random) {
  const int n = static_cast<int>(entries.size());
  for (int i = 0; i < n; ++i) {
    const int a = random(n);
    const int b = random(n);
    std::swap(entries[static_cast<size_t>(a)], entries[static_cast<size_t>(b)]);
  }
  // Distinct entries turned by one never keep their order.
  if (n >= 2 && entries == previous) std::rotate(entries.begin(), entries.begin() + 1, entries.end());
}

}  // namespace tarvelo
