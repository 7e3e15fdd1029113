#pragma once
// File access for the core: whole-file reads, fixed-length record files, the
// create-or-replace writer, folder listings and case-insensitive name look-up.

#include <climits>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirtote::text {

namespace fs = std::filesystem;

// Largest file read whole when the reader gives no bound of its own: the per-day race-card,
// horse and results files and the jockey file are far smaller.
inline constexpr size_t kMaxDataFileSize = size_t{256} << 20;

// Reads a whole regular file of at most `max_size` bytes. The file is opened once and checked
// on the open descriptor: a folder, a pipe (never waited on), a device or a larger file is
// refused without reading. On failure returns nothing and sets `error` (Japanese text naming
// the file and the reason) when given.
std::optional<std::string> ReadWholeFile(const fs::path& path, size_t max_size,
                                         std::string* error = nullptr);
// The same with the bound kMaxDataFileSize.
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
// A target the user may not write (or one marked read-only: no write permission bit at all)
// is not replaced; a replaced file keeps its permission bits. Temporary files of this target
// left behind by a write that was cut short (a killed process) are removed first.
bool WriteFileAtomic(const fs::path& path, std::string_view bytes, std::string* error = nullptr,
                     Durability durability = Durability::kSync);

// Writes UTF-8 `text` followed by CR LF, encoded as CP932, through WriteFileAtomic.
// Line ends inside `text` are written as they stand.
bool WriteTextFile(const fs::path& path, std::string_view text, std::string* error = nullptr,
                   Durability durability = Durability::kSync);

// Waits until an existing file's bytes are on the disk; false when it cannot, with `error`
// (Japanese text naming the file and the reason) set when given.
bool SyncFile(const fs::path& path, std::string* error = nullptr);

// Names of the plain files of a folder (no folders, no hidden files), sorted by name.
// An unreadable or missing folder gives an empty list.
std::vector<std::string> ListPlainFiles(const fs::path& folder);

// One listing of a folder: its plain files as above, and the names of all its entries
// (folders, hidden and special files too), each sorted by name.
struct FolderListing {
  std::vector<std::string> plain_files;
  std::vector<std::string> all_names;
};
FolderListing ListFolder(const fs::path& folder);

// The file or folder of `folder` whose name equals `name` ignoring ASCII case; the exact
// name wins when both exist, otherwise the first in name order.
std::optional<fs::path> FindIgnoringCase(const fs::path& folder, std::string_view name);

// Longest folder setting that can name a folder: the system's path limit.
inline constexpr size_t kMaxFolderSettingLength = PATH_MAX - 1;

// Resolves a folder setting: an absolute path stays, a relative one is taken below
// `current_folder`. Each component is matched ignoring ASCII case when the exact name does
// not exist ("File" finds "FILE"). Both "/" and "\" separate components. Linear in the
// length of the setting: below a component that does not exist nothing is looked up, and
// each folder is listed at most once. A setting longer than kMaxFolderSettingLength is only
// joined, never looked up (see FolderSettingProblem).
fs::path ResolveFolder(const fs::path& current_folder, std::string_view setting);

// Why a folder setting cannot name a folder (longer than the system's path limit), as a
// Japanese sentence; nothing when it can.
std::optional<std::string> FolderSettingProblem(std::string_view setting);

// Wildcard match of a file name, ignoring ASCII case: "*" any run of characters, "?" one
// character; a pattern ending in ".*" also takes names without an extension ("*.*" takes
// every file name).
bool NameMatches(std::string_view pattern, std::string_view name);

// The text of a path: its bytes, UTF-8 where the system names files in UTF-8. A name that is
// not valid UTF-8 keeps its bytes, so that the text always leads back to the same file; only
// a display may show such bytes differently.
std::string PathText(const fs::path& path);

}  // namespace mirtote::text
