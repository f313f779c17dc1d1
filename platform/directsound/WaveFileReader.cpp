#include "platform/directsound/WaveFileReader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ds {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

HRESULT ReadWholeFile(const std::string& path, std::uint64_t maxBytes,
                      std::vector<std::byte>& bytes) {
  // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused just below.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0) return DSERR_GENERIC;
  struct stat info {};
  if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return DSERR_GENERIC;
  const auto size = static_cast<std::uint64_t>(info.st_size);
  if (size > maxBytes) return DSERR_OUTOFMEMORY;

  // Only the size seen at fstat is read: a file that grows or shrinks meanwhile cannot make
  // us read more, and a shorter one just ends early.
  std::vector<std::byte> content(static_cast<std::size_t>(size));
  std::size_t filled = 0;
  while (filled < content.size()) {
    const ssize_t n = ::read(file.get(), content.data() + filled, content.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return DSERR_GENERIC;
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
  }
  content.resize(filled);
  bytes = std::move(content);
  return DS_OK;
}

}  // namespace ds
