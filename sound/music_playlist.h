#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvelo {

// Uniform integer in 0..n-1 from the host's random source.
using TRandomInt = std::function<int(int n)>;

// The jukebox: every MIDI file of a folder once per pass, in a shuffled order
// that changes from one pass to the next.
class TMusicPlaylist {
 public:
  std::vector<std::string> Playlist;
  int PlaylistPos = -1;  // -1: no playlist yet, the next entry rebuilds it

  // The next entry; at the start of a pass the folder is read and shuffled.
  // Nothing when the folder has no MIDI file.
  std::optional<std::string> Next(const std::string& folder, const TRandomInt& random);
  // Entries of the pass that Next walks through: the size of the playlist.
  int PassLength() const { return static_cast<int>(Playlist.size()); }
};

// As many swaps of two entries picked at random as there are entries; when
// that gives the order of the pass before again, the order is turned by one.
void ShuffleEntries(std::vector<std::string>& entries, const std::vector<std::string>& previous,
                    const TRandomInt& random);

}  // namespace tarvelo
