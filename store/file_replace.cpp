#include "store/file_replace.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tarvelo {

namespace {

class TSystemFileSteps : public TFileSteps {
 public:
  int Create(const std::string& path, int& fd) override {
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    return fd < 0 ? errno : 0;
  }
  int Write(int fd, std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return n < 0 ? errno : EIO;
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
  }
  int Sync(int fd) override { return ::fsync(fd) == 0 ? 0 : errno; }
  int Close(int fd) override { return ::close(fd) == 0 ? 0 : errno; }
  int Rename(const std::string& from, const std::string& to) override {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
  }
  int SyncFolder(const std::string& folder) override {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int result = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return result;
  }
  void Remove(const std::string& path) override { ::unlink(path.c_str()); }
};

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

TFileSteps& SystemFileSteps() {
  static TSystemFileSteps steps;
  return steps;
}

std::string PartFileName(const std::string& path) { return path + "." + std::to_string(::getpid()) + ".part"; }

int ReplaceFile(const std::string& path, const std::vector<std::string>& parts, TFileSteps& steps) {
  const std::string part = PartFileName(path);
  int fd = -1;
  int error = steps.Create(part, fd);
  if (error != 0) return error;
  for (const std::string& bytes : parts)
    if ((error = steps.Write(fd, bytes)) != 0) break;
  // On the disk before it is renamed: a crash must never leave the name on an empty file.
  if (error == 0) error = steps.Sync(fd);
  const int closed = steps.Close(fd);
  if (error == 0) error = closed;
  if (error == 0) error = steps.Rename(part, path);
  if (error != 0) {
    steps.Remove(part);
    return error;
  }
  // The rename itself reaches the disk with the folder; the file is whole either way.
  steps.SyncFolder(FolderOf(path));
  return 0;
}

}  // namespace tarvelo
