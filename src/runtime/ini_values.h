#pragma once
// The values of an INI file as QSettings reads them: quotes, "\" escapes, "@@" for a leading
// "@", and a value of several comma-separated parts (a hand-written "a, b") kept as the text
// "a, b". Meant for files the checker accepted (IniFileProblem).

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace mirtote::runtime {

// (section, key) -> value, all UTF-8. A key given twice keeps its last value.
using IniValues = std::map<std::pair<std::string, std::string>, std::string>;
IniValues ReadIniValues(std::string_view bytes);

// The value of the text after "=" of one line.
std::string UnescapedIniValue(std::string_view text);

}  // namespace mirtote::runtime
