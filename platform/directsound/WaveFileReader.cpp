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

HRESULT ReadWholeFile(const std::string& path, std::uint64_t maxBytes, FileBytes& file) {
  // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused just below.
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) return DSERR_GENERIC;
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return DSERR_GENERIC;
  const auto size = static_cast<std::uint64_t>(info.st_size);
  if (size > maxBytes) return DSERR_OUTOFMEMORY;

  // Only the size seen at fstat is read: a file that grows or shrinks meanwhile cannot make
  // us read more, and a shorter one just ends early. Read, not mapped: a mapped file cut
  // short by someone else meanwhile kills the process with SIGBUS on the first page past its
  // new end. The storage is not cleared first: read() fills what is used, and only that much
  // is kept.
  const auto capacity = static_cast<std::size_t>(size);
  auto content = std::make_unique_for_overwrite<std::byte[]>(capacity);
  std::size_t filled = 0;
  while (filled < capacity) {
    const ssize_t n = ::read(fd.get(), content.get() + filled, capacity - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return DSERR_GENERIC;
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
  }
  file.data = std::move(content);
  file.size = filled;
  return DS_OK;
}

}  // namespace ds
