#include "vocab/code_tables.h"

#include <array>
#include <utility>

#include "text/chars.h"

namespace mirtote::vocab {

namespace {

using Entry = std::pair<std::string_view, std::string_view>;

// Margin between finishers; every key is "TYAKUSA" + the three-character code.
constexpr std::array<Entry, 22> kMargins = {{
    {"TYAKUSAA  ", "  ｱﾀﾏ"}, {"TYAKUSAD  ", " 同着"}, {"TYAKUSAH  ", "   ﾊﾅ"},
    {"TYAKUSAK  ", "  ｸﾋﾞ"}, {"TYAKUSAT  ", " 大差"}, {"TYAKUSAZ  ", "   10"},
    {"TYAKUSA1  ", "    1"}, {"TYAKUSA112", "1.1/2"}, {"TYAKUSA114", "1.1/4"},
    {"TYAKUSA134", "1.3/4"}, {"TYAKUSA2  ", "    2"}, {"TYAKUSA212", "2.1/2"},
    {"TYAKUSA3  ", "    3"}, {"TYAKUSA312", "3.1/2"}, {"TYAKUSA4  ", "    4"},
    {"TYAKUSA5  ", "    5"}, {"TYAKUSA6  ", "    6"}, {"TYAKUSA7  ", "    7"},
    {"TYAKUSA8  ", "    8"}, {"TYAKUSA9  ", "    9"}, {"TYAKUSA 12", "  1/2"},
    {"TYAKUSA 34", "  3/4"},
}};

// Weekday codes start at Saturday and put the holiday third, before Monday.
constexpr std::array<Entry, 18> kDayWeatherGoing = {{
    {"YOUBI1", "土"},
    {"YOUBI2", "日"},
    {"YOUBI3", "祝"},
    {"YOUBI4", "月"},
    {"YOUBI5", "火"},
    {"YOUBI6", "水"},
    {"YOUBI7", "木"},
    {"YOUBI8", "金"},
    {"TENKOU1", "晴"},
    {"TENKOU2", "曇"},
    {"TENKOU3", "雨"},
    {"TENKOU4", "小雨"},
    {"TENKOU5", "雪"},
    {"TENKOU6", "小雪"},
    {"BABA1", "良"},
    {"BABA2", "稍重"},
    {"BABA3", "重"},
    {"BABA4", "不良"},
}};

constexpr std::array<Entry, 5> kFixedClasses = {{
    {"999", "オープン"},
    {"701", "新馬"},
    {"702", "未出走"},
    {"703", "未勝利"},
    {"100", "１億円以下"},
}};

constexpr std::array<Entry, 10> kRaceTypes = {{
    {"11", "サラ系３歳"},
    {"12", "サラ系４歳"},
    {"13", "サラ系４歳上"},
    {"14", "サラ系５歳上"},
    {"18", "サラ系障害４歳上"},
    {"19", "サラ系障害５歳上"},
    {"21", "アラ系３歳"},
    {"22", "アラ系４歳"},
    {"23", "アラ系４歳上"},
    {"24", "アラ系５歳上"},
}};

constexpr std::string_view kUnknownRaceType = "（不明）";
constexpr std::string_view kPrizeLimitSuffix = "００万下";
constexpr std::string_view kFullWidthSpace = "　";

template <size_t N>
const std::string_view* Lookup(const std::array<Entry, N>& table, std::string_view key) {
  for (const Entry& entry : table) {
    if (entry.first == key) return &entry.second;
  }
  return nullptr;
}

template <size_t N>
std::string LookupOrEmpty(const std::array<Entry, N>& table, std::string_view key) {
  const std::string_view* text = Lookup(table, key);
  return text ? std::string(*text) : std::string();
}

}  // namespace

std::string MarginText(std::string_view key) {
  return LookupOrEmpty(kMargins, key);
}

std::string DayWeatherGoingText(std::string_view key) {
  return LookupOrEmpty(kDayWeatherGoing, key);
}

std::string RaceClassText(std::string_view code) {
  if (const std::string_view* text = Lookup(kFixedClasses, code)) return std::string(*text);
  // Any other code is the prize-money limit in millions of yen: "005" -> "５００万下".
  const std::string second = text::Mid(code, 2, 1);
  std::string limit = second == "0" ? std::string() : FlipDigitWidth(second);
  limit += FlipDigitWidth(text::Mid(code, 3, 1));
  limit += kPrizeLimitSuffix;
  return limit;
}

std::string RaceTypeText(std::string_view code) {
  const std::string_view* text = Lookup(kRaceTypes, code);
  return std::string(text ? *text : kUnknownRaceType);
}

std::string FlipDigitWidth(std::string_view character) {
  if (character.size() == 1) {
    const char c = character[0];
    if (c >= '0' && c <= '9') {
      std::string wide;
      text::AppendChar(wide, U'０' + static_cast<char32_t>(c - '0'));
      return wide;
    }
    if (c == ' ') return std::string(kFullWidthSpace);
    return {};
  }
  if (character.empty()) return {};
  size_t i = 0;
  const char32_t c = text::NextChar(character, i);
  if (i == character.size() && c >= U'０' && c <= U'９') {
    return std::string(1, static_cast<char>('0' + (c - U'０')));
  }
  return {};
}

std::string FullWidthDigits(std::string_view digits) {
  std::string out;
  size_t i = 0;
  while (i < digits.size()) {
    const size_t start = i;
    text::NextChar(digits, i);
    if (i <= start) i = start + 1;  // never stall on a bad byte
    out += FlipDigitWidth(digits.substr(start, i - start));
  }
  return out;
}

}  // namespace mirtote::vocab
