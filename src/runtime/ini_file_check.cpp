#include "runtime/ini_file_check.h"

#include <sys/stat.h>

#include <set>
#include <string_view>

#include "runtime/ini_line.h"
#include "text/chars.h"
#include "text/files.h"

namespace mirtote::runtime {

namespace {

constexpr std::string_view kUtf8Bom = "\xef\xbb\xbf";

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Why the value of a "key=value" line would not be read as written; nothing when it would.
std::optional<std::string> ValueProblem(std::string_view value) {
  static constexpr std::string_view kEscapes = "abfnrtv\"'?\\01234567";
  // A value starting with "@" names a type ("@Variant(...)"); the store writes "@@" for "@".
  const std::string_view unquoted = value.starts_with('"') ? value.substr(1) : value;
  if (unquoted.starts_with('@') && !unquoted.starts_with("@@")) {
    return "「@」で始まる値は別の型として読まれます（「@」は「@@」と書きます）";
  }
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\') {
      const char next = i + 1 < value.size() ? value[i + 1] : '\0';
      const bool hex = next == 'x' && i + 2 < value.size() && IsHexDigit(value[i + 2]);
      if (!hex && (next == '\0' || kEscapes.find(next) == std::string_view::npos)) {
        return "「\\」とその次の文字が読まれません（「\\」は「\\\\」と書きます）";
      }
      ++i;
    }
  }
  return std::nullopt;
}

// Why the quotes and ";" of a line would make QSettings read it otherwise: an unquoted ";"
// ends the line, an unclosed quote takes the next lines in.
std::optional<std::string> QuoteProblem(std::string_view text) {
  bool open_quote = false;
  if (FindOutsideQuotes(text, ';', &open_quote) != std::string_view::npos) {
    return "引用符の外の「;」から後ろが読まれません";
  }
  if (open_quote) return "引用符「\"」が閉じていません";
  return std::nullopt;
}

// Why one line would not be kept; `section` is updated by a section line, `keys` collects
// "section/key".
std::optional<std::string> LineProblem(std::string_view line, std::string& section,
                                       std::set<std::string>& keys) {
  for (char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 && c != '\t') || byte == 0x7f) {
      return "制御文字があります（設定ファイルではないようです）";
    }
  }
  if (!text::IsValidUtf8(line))
    return "UTF-8 の文字ではないバイトがあります（設定ファイルではないようです）";
  const std::string_view text = TrimIniSpaces(line);
  if (text.empty()) return std::nullopt;
  if (text.front() == ';' || text.front() == '#') return "コメント行です（保存のときに消えます）";
  if (auto problem = QuoteProblem(text)) return problem;
  const IniLineParts parts = SplitIniLine(text);
  if (text.front() == '[') {
    if (text.back() != ']') return "「[」で始まる行が「]」で終わっていません";
    section = UnescapedIniName(parts.name);
    return std::nullopt;
  }
  if (parts.kind != IniLineParts::Kind::kEntry) return "「キー=値」の形ではありません";
  if (parts.name.empty()) return "キーがありません";
  if (auto problem = ValueProblem(TrimIniSpaces(parts.value))) return problem;
  if (!keys.insert(section + "/" + UnescapedIniName(parts.name)).second) {
    return "同じキーが前にもあります（一つしか残りません）";
  }
  return std::nullopt;
}

std::string Refusal(const std::filesystem::path& file, const std::string& reason) {
  return "設定ファイルとして使えません（保存すると内容が失われます）。ファイルは変更していません。"
         "\r" +
         text::PathText(file) + "\r" + reason + "\r";
}

}  // namespace

std::optional<std::string> IniFileProblem(const std::filesystem::path& file, std::string* bytes) {
  if (bytes) bytes->clear();
  if (!text::IsValidUtf8(text::PathText(file))) {
    return Refusal(file, "名前（フォルダ名を含む）が UTF-8 ではありません");
  }
  struct stat status {};
  if (::stat(file.c_str(), &status) != 0) return std::nullopt;  // created on the first write
  std::string error;
  auto read = text::ReadWholeFile(file, kMaxSettingsFileSize, &error);
  if (!read) {
    return "設定ファイルを読めません。ファイルは変更していません。\r" + text::PathText(file) +
           "\r" + error + "\r";
  }
  if (auto problem = IniTextProblem(file, *read)) return problem;
  if (bytes) *bytes = std::move(*read);
  return std::nullopt;
}

std::optional<std::string> IniTextProblem(const std::filesystem::path& file,
                                          std::string_view bytes) {
  // QSettings reads past a byte order mark but takes the file for damaged when it writes.
  if (bytes.starts_with(kUtf8Bom)) {
    return Refusal(
        file, "1 行目: 先頭に BOM（EF BB BF）があります（BOM なしの UTF-8 で保存してください）");
  }
  std::string section;
  std::set<std::string> keys;
  size_t number = 0;
  for (const IniLine& line : SplitIniLines(bytes)) {
    ++number;
    if (auto problem = LineProblem(line.text, section, keys)) {
      return Refusal(file, std::to_string(number) + " 行目: " + *problem);
    }
  }
  return std::nullopt;
}

}  // namespace mirtote::runtime
