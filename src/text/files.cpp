#include "text/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>

#include "text/chars.h"
#include "text/cp932.h"

namespace mirtote::text {
namespace {

void SetError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
}

std::string SystemReason(int err) {
  return std::strerror(err);
}

// Splits a setting or pattern into components on "/" and "\".
std::vector<std::string> SplitPath(std::string_view s) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : s) {
    if (c == '/' || c == '\\') {
      parts.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  parts.push_back(current);
  return parts;
}

bool IsHidden(const std::string& name) {
  return !name.empty() && name[0] == '.';
}

}  // namespace

std::string PathText(const fs::path& path) {
  return path.string();
}

std::optional<std::string> ReadWholeFile(const fs::path& path, std::string* error) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    SetError(error, PathText(path) + " を開けません: " + SystemReason(errno));
    return std::nullopt;
  }
  std::string bytes;
  off_t size = ::lseek(fd, 0, SEEK_END);
  if (size > 0) bytes.reserve(static_cast<size_t>(size));
  ::lseek(fd, 0, SEEK_SET);
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      int err = errno;
      ::close(fd);
      SetError(error, PathText(path) + " を読めません: " + SystemReason(err));
      return std::nullopt;
    }
    bytes.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return bytes;
}

RecordFile::RecordFile(std::string bytes, size_t record_length)
    : bytes_(std::move(bytes)), length_(record_length == 0 ? 1 : record_length) {
  count_ = bytes_.size() / length_;
}

std::optional<RecordFile> RecordFile::Open(const fs::path& path, size_t record_length,
                                           std::string* error) {
  auto bytes = ReadWholeFile(path, error);
  if (!bytes) return std::nullopt;
  return RecordFile(std::move(*bytes), record_length);
}

std::string_view RecordFile::Record(size_t k) const {
  if (k == 0 || k > count_) return {};
  return std::string_view(bytes_).substr((k - 1) * length_, length_);
}

void RecordFileBuilder::Append(std::string_view record) {
  std::string r(record.substr(0, length_));
  r.resize(length_, ' ');
  bytes_ += r;
}

bool WriteFileAtomic(const fs::path& path, std::string_view bytes, std::string* error,
                     Durability durability) {
  fs::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  std::random_device rd;
  fs::path temp = folder / ("." + path.filename().string() + ".tmp" + std::to_string(rd()));
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) {
    SetError(error, PathText(path) + " を作成できません: " + SystemReason(errno));
    return false;
  }
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      int err = errno;
      ::close(fd);
      ::unlink(temp.c_str());
      SetError(error, PathText(path) + " に書き込めません: " + SystemReason(err));
      return false;
    }
    done += static_cast<size_t>(n);
  }
  const bool synced = durability == Durability::kNoSync || ::fsync(fd) == 0;
  if (!synced || ::close(fd) != 0) {
    int err = errno;
    if (!synced) ::close(fd);
    ::unlink(temp.c_str());
    SetError(error, PathText(path) + " に書き込めません: " + SystemReason(err));
    return false;
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    SetError(error, PathText(path) + " を置き換えられません: " + SystemReason(err));
    return false;
  }
  return true;
}

bool WriteTextFile(const fs::path& path, std::string_view text, std::string* error,
                   Durability durability) {
  std::string bytes = EncodeCp932(text);
  bytes += "\r\n";
  return WriteFileAtomic(path, bytes, error, durability);
}

bool SyncFile(const fs::path& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  return ::close(fd) == 0 && synced;
}

std::vector<std::string> ListPlainFiles(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  if (ec) return names;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    std::string name = it->path().filename().string();
    if (IsHidden(name)) continue;
    std::error_code type_ec;
    if (!it->is_regular_file(type_ec)) continue;
    names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::optional<fs::path> FindIgnoringCase(const fs::path& folder, std::string_view name) {
  std::error_code ec;
  fs::path exact = folder / std::string(name);
  if (fs::exists(exact, ec)) return exact;
  std::vector<std::string> matches;
  fs::directory_iterator it(folder, ec);
  if (ec) return std::nullopt;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    std::string entry = it->path().filename().string();
    if (EqualsIgnoringAsciiCase(entry, name)) matches.push_back(entry);
  }
  if (matches.empty()) return std::nullopt;
  std::sort(matches.begin(), matches.end());
  return folder / matches.front();
}

fs::path ResolveFolder(const fs::path& current_folder, std::string_view setting) {
  std::vector<std::string> parts = SplitPath(setting);
  bool absolute = !setting.empty() && (setting[0] == '/' || setting[0] == '\\');
  fs::path result = absolute ? fs::path("/") : current_folder;
  for (const std::string& part : parts) {
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      result = result.parent_path();
      continue;
    }
    auto found = FindIgnoringCase(result, part);
    result = found ? *found : result / part;
  }
  return result;
}

bool NameMatches(std::string_view pattern, std::string_view name) {
  // Iterative wildcard match with back-tracking to the last "*". "?" and "*" step over whole
  // characters, so "?" takes one Japanese character of a name.
  size_t p = 0, n = 0, star = std::string_view::npos, mark = 0;
  bool matched = true;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '?') {
      ++p;
      NextChar(name, n);
    } else if (p < pattern.size() && pattern[p] != '*' &&
               AsciiUpper(pattern[p]) == AsciiUpper(name[n])) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      mark = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      NextChar(name, mark);
      n = mark;
    } else {
      matched = false;
      break;
    }
  }
  while (matched && p < pattern.size() && pattern[p] == '*') ++p;
  if (matched && p == pattern.size()) return true;
  // A pattern ending in ".*" also takes a name without that extension: "*.*" takes every file.
  if (pattern.size() >= 2 && pattern.ends_with(".*")) {
    return NameMatches(pattern.substr(0, pattern.size() - 2), name);
  }
  return false;
}

bool AnyFileMatches(std::string_view pattern, const fs::path& current_folder) {
  size_t cut = pattern.find_last_of("/\\");
  std::string_view folder_part = cut == std::string_view::npos ? "" : pattern.substr(0, cut + 1);
  std::string_view name_part = cut == std::string_view::npos ? pattern : pattern.substr(cut + 1);
  fs::path folder = ResolveFolder(current_folder, folder_part);
  if (name_part.empty()) name_part = "*";
  for (const std::string& name : ListPlainFiles(folder))
    if (NameMatches(name_part, name)) return true;
  return false;
}

}  // namespace mirtote::text
