#pragma once
// Standard output of the report commands: the bytes the window would have produced,
// CP932 unless --utf8 asks for UTF-8.

#include <ostream>
#include <string>
#include <string_view>

namespace mirtote::cli {

// The bytes of `text` for standard output, without anything added.
std::string OutputBytes(std::string_view text, bool utf8);

// Writes a report as a viewer's Save writes it: the text, then CR LF.
void WriteReport(std::ostream& out, std::string_view report_text, bool utf8);

// Writes text as it stands (the clipboard text of a run, for one).
void WriteText(std::ostream& out, std::string_view text, bool utf8);

}  // namespace mirtote::cli
