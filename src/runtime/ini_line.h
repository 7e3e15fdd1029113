#pragma once
// The lines of an INI file taken apart as QSettings takes them: where each line ends, which
// lines open a section and which hold "key=value", and the names as QSettings reads them.
// The file checker, the reader and the writer of the settings store share these rules, so
// that all three see the same sections, keys and values.

#include <string>
#include <string_view>
#include <vector>

namespace mirtote::runtime {

// One line of the file: its text and its line end (LF, CR LF, CR, or nothing at the end).
struct IniLine {
  std::string_view text;
  std::string_view end;
  size_t offset = 0;  // of the text in the file
};
std::vector<IniLine> SplitIniLines(std::string_view bytes);

// What a line holds. `name` is the section name or the key, trimmed and still escaped;
// `value` is everything after the first "=" that is not in double quotes.
struct IniLineParts {
  enum class Kind { kBlank, kSection, kEntry, kOther };
  Kind kind = Kind::kOther;
  std::string_view name;
  std::string_view value;
};
IniLineParts SplitIniLine(std::string_view line);

// Where the first of `wanted` outside double quotes is (a "\" takes the next character with
// it); npos when there is none, and then `ends_quoted` tells whether a quote was left open.
size_t FindOutsideQuotes(std::string_view text, char wanted, bool* ends_quoted = nullptr);

// A section name or key as QSettings reads it: "%XX" and "%UXXXX" stand for that character,
// "\" for "/". UTF-8.
std::string UnescapedIniName(std::string_view name);

// Spaces and tabs cut from both ends.
std::string_view TrimIniSpaces(std::string_view text);

}  // namespace mirtote::runtime
