#include "cli/report_output.h"

#include "text/cp932.h"

namespace mirtote::cli {

std::string OutputBytes(std::string_view text, bool utf8) {
  return utf8 ? std::string(text) : text::EncodeCp932(text);
}

void WriteReport(std::ostream& out, std::string_view report_text, bool utf8) {
  WriteText(out, std::string(report_text) + "\r\n", utf8);
}

void WriteText(std::ostream& out, std::string_view text, bool utf8) {
  const std::string bytes = OutputBytes(text, utf8);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
}

}  // namespace mirtote::cli
