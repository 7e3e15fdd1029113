#pragma once
// Small POSIX helpers of the file functions: a descriptor closed on every path out, and the
// words for a kind of file that is not a regular one.

#include <sys/stat.h>
#include <unistd.h>

#include <string_view>

namespace mirtote::text {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  bool valid() const { return fd_ >= 0; }
  int get() const { return fd_; }
  // Hands the descriptor over; it is no longer closed here.
  int Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }
  // Closes now; the result of close(2), whose failure can be the first sign of a lost write.
  int Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd);
  }

 private:
  int fd_;
};

inline std::string_view FileKindText(mode_t mode) {
  if (S_ISDIR(mode)) return "フォルダ";
  if (S_ISFIFO(mode)) return "名前付きパイプ";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "デバイス";
  if (S_ISSOCK(mode)) return "ソケット";
  return "特殊ファイル";
}

}  // namespace mirtote::text
