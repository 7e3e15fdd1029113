#pragma once
// A scratch folder for the targets that go through files: made once per process under /dev/shm
// (or the system's temporary folder), emptied before each input and removed at the end; and the
// check of what the conversions leave in it.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "convert/conversion.h"
#include "fuzz/fuzz_input.h"
#include "pat/pat_file.h"

namespace mirtote::fuzz {

class ScratchFolder {
 public:
  ScratchFolder() {
    // In memory where the system has such a folder: every pseudo-PAT file is written with
    // fsync, which on a disk would keep the fuzzer to a few inputs a second.
    std::error_code error;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::string name = (base / "mirtote-fuzz-XXXXXX").string();
    if (!mkdtemp(name.data())) __builtin_trap();
    path_ = name;
  }
  ~ScratchFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }

  // The folder, emptied.
  const std::filesystem::path& Fresh() const {
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      std::filesystem::remove_all(entry.path());
    }
    return path_;
  }

 private:
  std::filesystem::path path_;
};

inline void WriteInput(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) __builtin_trap();
}

// What the odds source conversions must hold for any input: every message is UTF-8, files
// are written only into the pseudo-PAT folder, and every file there is a whole ZO or UO file
// of the layout (829 / 1981 bytes in PAT95, 909 / 1989 bytes in PAT31).
inline void CheckConversion(const convert::ConversionResult& result,
                            const std::filesystem::path& folder, bool pat31) {
  for (const auto& message : result.messages) CheckText(message);
  for (const auto& path : result.files_written) {
    if (path.parent_path() != folder) __builtin_trap();
  }
  const size_t zo_size = pat31 ? pat::kZoSizePat31 : pat::kZoSizePat95;
  const size_t uo_size = pat31 ? pat::kUoSizePat31 : pat::kUoSizePat95;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (!entry.is_regular_file()) __builtin_trap();
    const std::string name = entry.path().filename().string();
    const size_t size = entry.file_size();
    if (!(name.starts_with("ZO") && size == zo_size) &&
        !(name.starts_with("UO") && size == uo_size)) {
      __builtin_trap();
    }
  }
}

}  // namespace mirtote::fuzz
