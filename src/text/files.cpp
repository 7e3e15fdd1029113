#include "text/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>

#include "text/chars.h"
#include "text/cp932.h"
#include "text/file_descriptor.h"

namespace mirtote::text {
namespace {

void SetError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
}

std::string SystemReason(int err) {
  return std::strerror(err);
}

bool IsHidden(const std::string& name) {
  return !name.empty() && name[0] == '.';
}

}  // namespace

std::string PathText(const fs::path& path) {
  return path.string();
}

std::optional<std::string> ReadWholeFile(const fs::path& path, size_t max_size,
                                         std::string* error) {
  // O_NONBLOCK: opening a pipe with no writer would otherwise wait for ever. It changes
  // nothing for a regular file.
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (!fd.valid()) {
    SetError(error, PathText(path) + " を開けません: " + SystemReason(errno));
    return std::nullopt;
  }
  struct stat status {};
  if (::fstat(fd.get(), &status) != 0) {
    SetError(error, PathText(path) + " を読めません: " + SystemReason(errno));
    return std::nullopt;
  }
  if (!S_ISREG(status.st_mode)) {
    SetError(error, PathText(path) + " を読めません: 通常のファイルではありません（" +
                        std::string(FileKindText(status.st_mode)) + "）");
    return std::nullopt;
  }
  const auto size = static_cast<unsigned long long>(status.st_size);
  if (status.st_size < 0 || size > max_size) {
    SetError(error, PathText(path) + " を読めません: ファイルが大きすぎます（" +
                        std::to_string(size) + " バイト、上限 " + std::to_string(max_size) +
                        " バイト）");
    return std::nullopt;
  }
  std::string bytes(static_cast<size_t>(size), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
    if (n == 0) break;  // the file became shorter while it was read
    if (n < 0) {
      if (errno == EINTR) continue;
      SetError(error, PathText(path) + " を読めません: " + SystemReason(errno));
      return std::nullopt;
    }
    done += static_cast<size_t>(n);
  }
  bytes.resize(done);
  return bytes;
}

std::optional<std::string> ReadWholeFile(const fs::path& path, std::string* error) {
  return ReadWholeFile(path, kMaxDataFileSize, error);
}

RecordFile::RecordFile(std::string bytes, size_t record_length)
    : bytes_(std::move(bytes)), length_(record_length == 0 ? 1 : record_length) {
  count_ = bytes_.size() / length_;
}

std::optional<RecordFile> RecordFile::Open(const fs::path& path, size_t record_length,
                                           std::string* error) {
  auto bytes = ReadWholeFile(path, kMaxDataFileSize, error);
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

bool WriteTextFile(const fs::path& path, std::string_view text, std::string* error,
                   Durability durability) {
  std::string bytes = EncodeCp932(text);
  bytes += "\r\n";
  return WriteFileAtomic(path, bytes, error, durability);
}

bool SyncFile(const fs::path& path, std::string* error) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.valid() && ::fsync(fd.get()) == 0 && fd.Close() == 0) return true;
  SetError(error, PathText(path) + " に書き込めません: " + SystemReason(errno));
  return false;
}

FolderListing ListFolder(const fs::path& folder) {
  FolderListing listing;
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  if (ec) return listing;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    std::string name = it->path().filename().string();
    listing.all_names.push_back(name);
    if (IsHidden(name)) continue;
    std::error_code type_ec;
    if (!it->is_regular_file(type_ec)) continue;
    listing.plain_files.push_back(std::move(name));
  }
  std::sort(listing.plain_files.begin(), listing.plain_files.end());
  std::sort(listing.all_names.begin(), listing.all_names.end());
  return listing;
}

std::vector<std::string> ListPlainFiles(const fs::path& folder) {
  return ListFolder(folder).plain_files;
}

namespace {

// Case-blind name look-ups in folders given as path text; each folder is listed at most once.
class FolderIndex {
 public:
  // The entry of `folder` named `name`: the exact name when it exists, otherwise the first
  // name in sorted order that equals it ignoring ASCII case.
  std::optional<std::string> Find(const std::string& folder, std::string_view name) {
    std::string exact = folder;
    if (!exact.empty() && exact.back() != '/') exact += '/';
    exact += name;
    struct stat status {};
    if (::stat(exact.c_str(), &status) == 0) return std::string(name);
    const auto& names = Listing(folder);
    auto it = names.find(AsciiUpper(name));
    if (it == names.end()) return std::nullopt;
    return it->second;
  }

 private:
  // Upper-cased name -> first entry of that name in sorted order.
  const std::map<std::string, std::string>& Listing(const std::string& folder) {
    auto [it, added] = listings_.try_emplace(folder);
    if (!added) return it->second;
    std::vector<std::string> entries;
    std::error_code ec;
    fs::directory_iterator dir(fs::path(folder), ec);
    for (; !ec && dir != fs::directory_iterator(); dir.increment(ec)) {
      entries.push_back(dir->path().filename().string());
    }
    std::sort(entries.begin(), entries.end());
    for (std::string& entry : entries) it->second.try_emplace(AsciiUpper(entry), std::move(entry));
    return it->second;
  }

  std::map<std::string, std::map<std::string, std::string>> listings_;
};

// Drops the last component of `path` as fs::path::parent_path does ("/a/b" -> "/a",
// "/a" -> "/", "a" -> "").
void DropLastComponent(std::string& path) {
  const size_t cut = path.find_last_of('/');
  if (cut == std::string::npos) {
    path.clear();
  } else {
    path.resize(cut == 0 ? 1 : cut);
  }
}

}  // namespace

std::optional<fs::path> FindIgnoringCase(const fs::path& folder, std::string_view name) {
  FolderIndex index;
  auto found = index.Find(PathText(folder), name);
  if (!found) return std::nullopt;
  return folder / *found;
}

fs::path ResolveFolder(const fs::path& current_folder, std::string_view setting) {
  const bool absolute = !setting.empty() && (setting[0] == '/' || setting[0] == '\\');
  std::string result = absolute ? "/" : PathText(current_folder);
  while (result.size() > 1 && result.back() == '/') result.pop_back();
  // A setting too long for any path is only joined: looking it up could take for ever.
  const bool look_up = setting.size() <= kMaxFolderSettingLength;
  // While set, `result` is at or below a component that does not exist: no look-ups there.
  size_t missing_from = std::string::npos;
  FolderIndex index;
  size_t start = 0;
  while (start <= setting.size()) {
    size_t end = setting.find_first_of("/\\", start);
    if (end == std::string_view::npos) end = setting.size();
    const std::string_view part = setting.substr(start, end - start);
    start = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      DropLastComponent(result);
      if (result.size() < missing_from) missing_from = std::string::npos;
      continue;
    }
    std::optional<std::string> found;
    if (look_up && missing_from == std::string::npos) found = index.Find(result, part);
    const size_t before = result.size();
    if (!result.empty() && result.back() != '/') result += '/';
    result += found ? std::string_view(*found) : part;
    if (!found && missing_from == std::string::npos) missing_from = before + 1;
  }
  return fs::path(result);
}

std::optional<std::string> FolderSettingProblem(std::string_view setting) {
  if (setting.size() <= kMaxFolderSettingLength) return std::nullopt;
  return "フォルダ設定が長すぎます（" + std::to_string(setting.size()) + " バイト、上限 " +
         std::to_string(kMaxFolderSettingLength) + " バイト）。";
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

}  // namespace mirtote::text
