#pragma once
// LZH archive extraction: every file of an archive goes into one folder under its base name
// (paths inside the archive are dropped), overwriting files of the same name.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/files.h"

namespace mirtote::jravan {

// Results of ExtractLzh: 0 is success, anything else a failure.
enum LzhStatus : int {
  kLzhOk = 0,
  kLzhUnreadable = 1,   // missing file, not an LZH archive, unsupported method
  kLzhDamaged = 2,      // truncated archive, bad CRC
  kLzhBadName = 3,      // an entry name that is empty or would leave the folder
  kLzhWriteFailed = 4,  // the folder could not take a file
  kLzhNotRegular = 5,   // the archive is a folder, a pipe, a device
  kLzhTooLarge = 6,     // a file, the whole archive or the number of files over the bound
};

// What one archive may put into the folder. A data-service archive holds a handful of files
// of a few MB; a file larger than the readers take (text::kMaxDataFileSize) could not be used
// anyway, and the total keeps an archive built to explode from filling the disk.
struct LzhLimits {
  uint64_t file_bytes = text::kMaxDataFileSize;  // 256 MiB
  uint64_t total_bytes = uint64_t{1} << 30;      // 1 GiB
  size_t files = 1000;
};

// A file of an archive, waiting in a hidden temporary file of the folder.
struct LzhMember {
  std::string name;  // its base name in the archive
  std::filesystem::path file;
  uint64_t size = 0;
};

// The files of one archive, read whole (sizes checked while they are inflated, CRCs good)
// into temporary files of the folder. The temporary files that are still there when this
// goes are removed: a failed archive leaves nothing in the folder.
class StagedLzh {
 public:
  StagedLzh() = default;
  ~StagedLzh();
  StagedLzh(StagedLzh&& other) noexcept;
  StagedLzh& operator=(StagedLzh&&) = delete;
  StagedLzh(const StagedLzh&) = delete;
  StagedLzh& operator=(const StagedLzh&) = delete;

  int status = kLzhOk;
  std::string problem;  // why it failed, when there is more to say than the status
  // In archive order; a later file whose name equals an earlier one ignoring ASCII case
  // replaces it.
  std::vector<LzhMember> members;
};

// Reads every file entry of `archive` into temporary files of `folder`. Entry names are
// CP932 in the archives of the data service and are decoded. Only a regular file is opened
// as an archive; a pipe is never waited on.
StagedLzh StageLzh(const std::filesystem::path& archive, const std::filesystem::path& folder,
                   const LzhLimits& limits = {});

// Extracts every file entry of `archive` into `folder`: staged as above, then all renamed
// onto their names as one. A failure leaves the folder as it was.
int ExtractLzh(const std::filesystem::path& archive, const std::filesystem::path& folder,
               const LzhLimits& limits = {});

// The name an entry is extracted to: the last component of its path ("/" and "\" both
// separate). Nothing for an absolute path, a path with a ".." component, or a base name that
// is empty, "." or "..".
std::optional<std::string> EntryFileName(std::string_view entry_path);

}  // namespace mirtote::jravan
