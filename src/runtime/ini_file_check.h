#pragma once
// Whether the settings store can keep an INI file whole. QSettings reads a hand-written file
// leniently and writes back only what it understood: comment lines, lines without "=", the
// text after an unquoted ";", unknown "\" escapes and all but the last of repeated keys are
// lost on its first write, and bytes that are not UTF-8 come back changed. Such a file (often
// a slip: another file named where the settings file was meant) is refused before anything
// runs, and left untouched.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mirtote::runtime {

// Largest settings file accepted: a settings file is a few hundred bytes.
inline constexpr size_t kMaxSettingsFileSize = size_t{1} << 20;

// Why `file` cannot be kept whole by the store, as Japanese text naming the file and, for
// its contents, the line; nothing when it can or does not exist yet. A file whose path is
// not valid UTF-8 is refused too: the store could only reach it under another name. The
// bytes read are given in `bytes` (empty for a file that does not exist).
std::optional<std::string> IniFileProblem(const std::filesystem::path& file,
                                          std::string* bytes = nullptr);
// The same for the contents `bytes` of `file`.
std::optional<std::string> IniTextProblem(const std::filesystem::path& file,
                                          std::string_view bytes);

}  // namespace mirtote::runtime
