#pragma once
// LZH archive extraction: every file of an archive goes into one folder under its base name
// (paths inside the archive are dropped), overwriting files of the same name.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mirtote::jravan {

// Results of ExtractLzh: 0 is success, anything else a failure.
enum LzhStatus : int {
  kLzhOk = 0,
  kLzhUnreadable = 1,   // missing file, not an LZH archive, unsupported method
  kLzhDamaged = 2,      // truncated archive, bad CRC
  kLzhBadName = 3,      // an entry name that is empty or would leave the folder
  kLzhWriteFailed = 4,  // the folder could not take a file
};

// Extracts every file entry of `archive` into `folder`. Entry names are CP932 in the
// archives of the data service and are decoded. The archive is read whole before any file of
// the folder is replaced: each entry goes to a temporary file first, and only when every
// entry has been read with a good CRC are they renamed onto their names. A failure leaves
// the folder as it was.
int ExtractLzh(const std::filesystem::path& archive, const std::filesystem::path& folder);

// The name an entry is extracted to: the last component of its path ("/" and "\" both
// separate). Nothing for an absolute path, a path with a ".." component, or a base name that
// is empty, "." or "..".
std::optional<std::string> EntryFileName(std::string_view entry_path);

}  // namespace mirtote::jravan
