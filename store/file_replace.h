#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvelo {

// The system calls that replace a file, one step each, so that a test can stop
// a save after any of them. Each returns 0 or the error number.
class TFileSteps {
 public:
  virtual ~TFileSteps() = default;
  virtual int Create(const std::string& path, int& fd) = 0;  // a new, empty file
  virtual int Write(int fd, std::string_view bytes) = 0;     // all of the bytes
  virtual int Sync(int fd) = 0;
  virtual int Close(int fd) = 0;
  virtual int Rename(const std::string& from, const std::string& to) = 0;
  virtual int SyncFolder(const std::string& folder) = 0;
  virtual void Remove(const std::string& path) = 0;
};

// The operating system's own steps.
TFileSteps& SystemFileSteps();

// The file beside `path` that a save writes before it takes the place of `path`.
std::string PartFileName(const std::string& path);

// Writes the parts one after another into a new file beside `path`, and only
// when all of them are on the disk puts that file in the place of `path`. At
// every moment `path` holds either its old content or the new one, whole.
// Returns 0 or the error number of the step that failed; nothing is left behind then.
int ReplaceFile(const std::string& path, const std::vector<std::string>& parts, TFileSteps& steps = SystemFileSteps());

}  // namespace tarvelo
