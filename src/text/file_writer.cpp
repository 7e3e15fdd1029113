// The create-or-replace writer: a temporary file beside the target, renamed over it.

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "text/file_descriptor.h"
#include "text/files.h"

namespace mirtote::text {

namespace {

constexpr std::string_view kTempMark = ".tmp";
constexpr size_t kMaxTempDigits = 10;  // the decimal digits of a 32-bit random number
constexpr int kTempAttempts = 4;

std::string Reason(int err) {
  return std::strerror(err);
}

bool Fail(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

// The temporary files of target "NAME" are ".NAME.tmp" followed by decimal digits.
std::string TempPrefix(const fs::path& target) {
  return "." + target.filename().string() + std::string(kTempMark);
}

bool IsTempName(std::string_view name, std::string_view prefix) {
  if (!name.starts_with(prefix)) return false;
  const std::string_view digits = name.substr(prefix.size());
  if (digits.empty() || digits.size() > kMaxTempDigits) return false;
  for (char c : digits)
    if (c < '0' || c > '9') return false;
  return true;
}

// Removes the temporary files of the target that no writer holds any more. A writer keeps
// an exclusive lock on its temporary file until it is renamed, so a file that can be locked
// was left by a write that was cut short. Only regular files of exactly that name pattern
// are touched; a link is never followed.
void RemoveStaleTemps(const fs::path& folder, const std::string& prefix) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  const int dir_fd = ::dirfd(dir);
  while (const dirent* entry = ::readdir(dir)) {
    if (!IsTempName(entry->d_name, prefix)) continue;
    FileDescriptor fd(
        ::openat(dir_fd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) continue;
    struct stat opened {
    }, named{};
    if (::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode)) continue;
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;  // its writer is still at work
    // Still the same file under that name (not renamed and replaced meanwhile).
    if (::fstatat(dir_fd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) != 0 ||
        named.st_ino != opened.st_ino || named.st_dev != opened.st_dev) {
      continue;
    }
    ::unlinkat(dir_fd, entry->d_name, 0);
  }
  ::closedir(dir);
}

// A target that exists and may not be replaced: why, or nothing. A file with no write
// permission bit is read-only for everyone, also for a user the system would let write it.
std::optional<std::string> ReplaceProblem(const fs::path& path, const struct stat& target) {
  if (S_ISDIR(target.st_mode)) return "フォルダです";
  if (!S_ISREG(target.st_mode)) {
    return "通常のファイルではありません（" + std::string(FileKindText(target.st_mode)) + "）";
  }
  if ((target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return "読み取り専用のファイルです";
  if (::access(path.c_str(), W_OK) != 0) return Reason(errno);
  return std::nullopt;
}

}  // namespace

bool WriteFileAtomic(const fs::path& path, std::string_view bytes, std::string* error,
                     Durability durability) {
  fs::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  const std::string shown = PathText(path);

  struct stat target {};
  const bool replacing = ::stat(path.c_str(), &target) == 0;
  if (replacing) {
    if (auto problem = ReplaceProblem(path, target)) {
      return Fail(error, shown + " に書き込めません: " + *problem);
    }
  }
  const std::string prefix = TempPrefix(path);
  RemoveStaleTemps(folder, prefix);

  // Create the temporary file and lock it. A cleaner in another process may, in the instant
  // between the two, take it for stale and remove it: then another name is tried.
  std::random_device random;
  fs::path temp;
  int created = -1;
  for (int attempt = 0; attempt < kTempAttempts && created < 0; ++attempt) {
    temp = folder / (prefix + std::to_string(random()));
    FileDescriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd.valid()) {
      if (errno == EEXIST) continue;
      return Fail(error, shown + " を作成できません: " + Reason(errno));
    }
    struct stat own {};
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 || ::fstat(fd.get(), &own) != 0 ||
        own.st_nlink == 0) {
      continue;
    }
    created = fd.Release();
  }
  if (created < 0) return Fail(error, shown + " を作成できません: 一時ファイルを作れません");
  FileDescriptor fd(created);

  auto fail_and_remove = [&](const char* what, int err) {
    fd.Close();
    ::unlink(temp.c_str());
    return Fail(error, shown + what + Reason(err));
  };
  if (replacing) {
    // The new file takes the old one's permission bits, and its owner where allowed.
    if (::fchmod(fd.get(), target.st_mode & 07777) != 0) {
      return fail_and_remove(" に書き込めません: ", errno);
    }
    if (target.st_uid != ::geteuid() || target.st_gid != ::getegid()) {
      [[maybe_unused]] int ignored = ::fchown(fd.get(), target.st_uid, target.st_gid);
    }
  }
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail_and_remove(" に書き込めません: ", errno);
    }
    done += static_cast<size_t>(n);
  }
  if (durability == Durability::kSync && ::fsync(fd.get()) != 0) {
    return fail_and_remove(" に書き込めません: ", errno);
  }
  if (fd.Close() != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    return Fail(error, shown + " に書き込めません: " + Reason(err));
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    return Fail(error, shown + " を置き換えられません: " + Reason(err));
  }
  return true;
}

}  // namespace mirtote::text
