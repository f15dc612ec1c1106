#pragma once

#include <string>
#include <vector>

namespace tarvelo {

// The folder of the files the program brings (sounds, music): share/tarvelo
// beside the folder of the binary, which holds in the build tree (bin/ and
// share/ side by side) as in an installed prefix.
std::string ProgramDataFolder();
std::string DataFolderBeside(const std::string& binaryFolder);

// A name without folder lies in `folder`; a path is kept as it is. The name's
// case is kept: file names on Linux are case-sensitive.
std::string ResolveSoundFile(const std::string& name, const std::string& folder);
// An existing, readable regular file: a folder or a missing file never plays.
bool IsPlayableFile(const std::string& path);
// Every MIDI file of a folder ("*.mid" in any case), as full paths in name order.
std::vector<std::string> MidiFilesIn(const std::string& folder);

}  // namespace tarvelo
