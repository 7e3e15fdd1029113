#include "pat/newspaper_sheet.h"

#include <algorithm>
#include <array>

#include "pat/pat_file.h"
#include "pat/text_columns.h"
#include "text/chars.h"
#include "text/cp932.h"
#include "text/number.h"
#include "vocab/code_tables.h"

namespace mirtote::pat {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr size_t kSheetRuleColumns = 73;
constexpr std::string_view kWinHeading = "　　単勝　　複　勝         1             枠　連";
constexpr std::string_view kPredictedOdds = "(予測オッズ)";

// Every position the sheets read lies below this, also when a field holds two-byte
// characters; a short file is padded with blanks up to it.
constexpr size_t kReadLimit = kUoSizePat95 + 32;

constexpr int kBrackets = 8;

std::string SheetRule(char c) {
  return std::string(kSheetRuleColumns, c) + std::string(kCrLf);
}

}  // namespace

SheetFile::SheetFile(std::string_view bytes) : bytes_(bytes) {
  for (char& c : bytes_) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  if (bytes_.size() < kReadLimit) bytes_.resize(kReadLimit, ' ');
}

std::string SheetFile::Chars(size_t position, size_t count) const {
  return text::ReadChars(bytes_, position, count);
}

int SheetFile::Runners() const {
  return static_cast<int>(std::clamp<long long>(text::ValInt(Chars(141, 2)), 0, kMaxHorses));
}

std::string OddsTimeLabel(const SheetFile& file) {
  const std::string hour = file.Chars(45, 2);
  if (hour == "  ") return std::string(kPredictedOdds);
  std::string label =
      vocab::FullWidthDigits(hour) + "：" + vocab::FullWidthDigits(file.Chars(47, 2)) + " ";
  const std::string kind = file.Chars(43, 1);
  if (kind == "0") label += "現在";
  if (kind == "1") label += "発走";
  return label;
}

std::string TitleLine(const SheetFile& file, int race) {
  std::string line = file.Chars(29, 2) + " ";
  line += vocab::FullWidthDigits(file.Chars(35, 2)) + "年 ";
  line += vocab::FlipDigitWidth(text::Mid(file.Chars(37, 2), 2, 1)) + "回 ";
  line += vocab::FlipDigitWidth(text::Mid(file.Chars(39, 2), 2, 1)) + "日目 ";
  line += BlankTensFullWidth(file.Chars(5, 2)) + "月";
  line += BlankTensFullWidth(file.Chars(7, 2)) + "日 ";
  line += (race < 10 ? "　" : "") + vocab::FullWidthDigits(std::to_string(race)) + "Ｒ ";
  // An unknown race name (blank, or starting with a full-width space) gives way to the
  // conditions text.
  const std::string head = file.Chars(49, 2);
  const bool unnamed = head == "  " || text::Left(head, 1) == "　";
  const std::string name = unnamed ? file.Chars(77, 14) : file.Chars(49, 14);
  line += name.substr(0, name.find(' '));
  line += kCrLf;
  return line;
}

std::string WinPlaceBracketSheet(const SheetFile& zo) {
  std::string out(kWinHeading);
  out.append(10, ' ');
  out += OddsTimeLabel(zo);
  out += kCrLf;

  // Row b of the staircase holds the pairs (1, b) to (b, b) and ends with the number that
  // heads the next column.
  std::array<std::string, kBrackets> rows;
  for (int k = 1; k <= kBracketPairs; ++k) {
    const auto [a, b] = BracketPairOf(k);
    std::string odds = zo.Chars(462 + 10 * static_cast<size_t>(k), 5);
    if (odds == "     ") odds = "-----";
    rows[b - 1] += " " + odds;
    if (b == kBrackets) {
      rows[a - 1] += "  ";
      if (a < kBrackets) rows[a - 1] += TwoColumnNumber(a + 1);
      rows[a - 1] += kCrLf;
    }
  }

  const int runners = zo.Runners();
  for (int i = 1; i <= runners; ++i) {
    const size_t slot = 18 * static_cast<size_t>(i);
    out += TwoColumnNumber(i) + " " + zo.Chars(128 + slot, 5) + " " + zo.Chars(133 + slot, 5) +
           "～" + zo.Chars(138 + slot, 5);
    if (i <= kBrackets) {
      out += " " + TwoColumnNumber(i) + rows[i - 1];
    } else {
      out += kCrLf;
    }
  }
  return out;
}

std::string RaceSheetBlock(const SheetFile& file, int race, OddsSheetKind kind) {
  std::string out = SheetRule('=');
  out += TitleLine(file, race);
  out += SheetRule('-');
  out += kind == OddsSheetKind::kQuinella ? QuinellaTriangle(file) : WinPlaceBracketSheet(file);
  out += SheetRule('=');
  return out;
}

std::string TwoColumnNumber(int n) {
  return (n < 10 ? " " : "") + std::to_string(n);
}

}  // namespace mirtote::pat
