#pragma once
// One "key=value" line of an INI file written as QSettings writes it, every other line of the
// file kept byte for byte, so that QSettings (and the store) read the file as before with
// just that value changed.

#include <string>
#include <string_view>

namespace mirtote::runtime {

// Whether QSettings writes the name as it is: letters, digits, "_", "-" and "." only.
bool IsPlainIniName(std::string_view name);

// The text QSettings reads back as `value` (valid UTF-8): a leading "@" doubled, "\" and "\""
// escaped, control characters as "\t", "\x1f" and the like, the whole in double quotes when
// it holds ",", ";" or "=" or begins or ends with a space.
std::string EscapedIniValue(std::string_view value);

// `bytes` with key=value in [section] (plain names): the key's line replaced (kept when it
// already reads as `value`), or a new line after the section's last one, or the section
// appended at the end. New lines end as the file's first line does ("\n" for a new file).
std::string WithIniValue(std::string_view bytes, std::string_view section, std::string_view key,
                         std::string_view value);

}  // namespace mirtote::runtime
