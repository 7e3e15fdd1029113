#pragma once
// File access for the core: whole-file reads, fixed-length record files, the
// create-or-replace writer, folder listings and case-insensitive name look-up.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirtote::text {

namespace fs = std::filesystem;

// Reads a whole file as bytes. On failure returns nothing and sets `error` (Japanese text)
// when given.
std::optional<std::string> ReadWholeFile(const fs::path& path, std::string* error = nullptr);

// A fixed-length record file held in memory: record k (1-based) starts at (k - 1) * length;
// the record count is the file length divided by the length, a shorter tail is ignored.
class RecordFile {
 public:
  RecordFile() = default;
  RecordFile(std::string bytes, size_t record_length);
  static std::optional<RecordFile> Open(const fs::path& path, size_t record_length,
                                        std::string* error = nullptr);

  size_t count() const { return count_; }
  size_t record_length() const { return length_; }
  // Record k, 1-based; an empty view when k is out of range.
  std::string_view Record(size_t k) const;
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
  size_t length_ = 1;
  size_t count_ = 0;
};

// Builds a fixed-length record file in memory; each record is padded with spaces or cut
// to the record length.
class RecordFileBuilder {
 public:
  explicit RecordFileBuilder(size_t record_length)
      : length_(record_length == 0 ? 1 : record_length) {}
  void Append(std::string_view record);
  const std::string& bytes() const { return bytes_; }
  size_t count() const { return bytes_.size() / length_; }

 private:
  size_t length_;
  std::string bytes_;
};

// Whether a write waits until the bytes are on the disk (fsync) before it replaces the target.
// A file rewritten many times in one run is synced once, after its last write (SyncFile).
enum class Durability { kSync, kNoSync };

// Creates or replaces `path` with `bytes`: written to a temporary file in the same folder,
// then renamed over the target, so a failure never leaves half a file nor loses the old one.
bool WriteFileAtomic(const fs::path& path, std::string_view bytes, std::string* error = nullptr,
                     Durability durability = Durability::kSync);

// Writes UTF-8 `text` followed by CR LF, encoded as CP932, through WriteFileAtomic.
// Line ends inside `text` are written as they stand.
bool WriteTextFile(const fs::path& path, std::string_view text, std::string* error = nullptr,
                   Durability durability = Durability::kSync);

// Waits until an existing file's bytes are on the disk; false when it cannot.
bool SyncFile(const fs::path& path);

// Names of the plain files of a folder (no folders, no hidden files), sorted by name.
// An unreadable or missing folder gives an empty list.
std::vector<std::string> ListPlainFiles(const fs::path& folder);

// The file or folder of `folder` whose name equals `name` ignoring ASCII case; the exact
// name wins when both exist, otherwise the first in name order.
std::optional<fs::path> FindIgnoringCase(const fs::path& folder, std::string_view name);

// Resolves a folder setting: an absolute path stays, a relative one is taken below
// `current_folder`. Each component is matched ignoring ASCII case when the exact name does
// not exist ("File" finds "FILE"). Both "/" and "\" separate components.
fs::path ResolveFolder(const fs::path& current_folder, std::string_view setting);

// True when a listing for `pattern` yields at least one plain file. The pattern is a
// folder path, a separator and a file-name pattern with "*" and "?" (ASCII case ignored);
// an empty name part ("folder/" or "folder\") matches any file. Relative patterns are taken
// below `current_folder`. An existing empty folder counts as missing.
bool AnyFileMatches(std::string_view pattern, const fs::path& current_folder);

// Wildcard match of a file name, ignoring ASCII case: "*" any run of characters, "?" one
// character; a pattern ending in ".*" also takes names without an extension ("*.*" takes
// every file name).
bool NameMatches(std::string_view pattern, std::string_view name);

// The text of a path as UTF-8 (paths are UTF-8 on the supported systems).
std::string PathText(const fs::path& path);

}  // namespace mirtote::text
