#include "pat/pat_file.h"

#include <algorithm>

#include "text/cp932.h"
#include "text/number.h"

namespace mirtote::pat {

namespace {

constexpr std::string_view kZoPrefix = "ZO-";
constexpr std::string_view kUoPrefix = "UO-";
constexpr std::string_view kExtension = ".JRA";
constexpr std::string_view kDateSeparator1 = "02";  // constant header fields after the date
constexpr std::string_view kDateSeparator2 = "01";
constexpr std::string_view kScratchMark = " ﾄﾘｹｼ";  // scratched / not sold
constexpr std::string_view kFileEnd = "A\r\n";

constexpr size_t kHorseSlotSize = 18;
constexpr size_t kBracketSlotSize = 10;
constexpr size_t kQuinellaSlotSize = 12;
constexpr size_t kPat31HeaderPadding = 8;
constexpr size_t kPat31HorsePadding = 72;  // four more empty horse slots

constexpr size_t kZoHorseStart = 142;
constexpr size_t kZoBracketStart = 466;
constexpr size_t kUoPairStart = 142;

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string ToCp932(std::string_view utf8) {
  return IsAscii(utf8) ? std::string(utf8) : text::EncodeCp932(utf8);
}

// Cuts CP932 bytes to at most `width` bytes without splitting a two-byte character.
void CutBytes(std::string& bytes, size_t width) {
  size_t end = 0;
  while (end < bytes.size()) {
    const bool pair =
        text::IsCp932LeadByte(static_cast<unsigned char>(bytes[end])) && end + 1 < bytes.size();
    const size_t next = end + (pair ? 2 : 1);
    if (next > width) break;
    end = next;
  }
  bytes.resize(end);
}

// Text field: CP932, left-aligned, padded with spaces to exactly `width` bytes.
std::string LeftField(std::string_view utf8, size_t width) {
  std::string bytes = ToCp932(utf8);
  CutBytes(bytes, width);
  bytes.append(width - bytes.size(), ' ');
  return bytes;
}

// Numeric field: right-aligned, padded with spaces on the left.
std::string RightField(std::string_view utf8, size_t width) {
  std::string bytes = ToCp932(utf8);
  CutBytes(bytes, width);
  return std::string(width - bytes.size(), ' ') + bytes;
}

// Odds field: right-aligned; a value too wide for the field keeps its whole part only.
std::string OddsField(std::string_view utf8, size_t width) {
  std::string bytes = ToCp932(utf8);
  if (bytes.size() > width) {
    const size_t point = bytes.find('.');
    if (point != std::string::npos) bytes.resize(point);
  }
  CutBytes(bytes, width);
  return std::string(width - bytes.size(), ' ') + bytes;
}

const std::string& ScratchMark(size_t width) {
  static const std::string five = RightField(kScratchMark, 5);
  static const std::string six = RightField(kScratchMark, 6);
  return width == 5 ? five : six;
}

// A horse number right-aligned in two bytes: " 5", "12".
std::string Number2(int n) {
  return RightField(std::to_string(n), 2);
}

std::string HorseSlot(const HorseOdds& horse, int number) {
  switch (horse.state) {
    case HorseOdds::State::kRunning:
      return "0" + Number2(number) + OddsField(horse.win, 5) + OddsField(horse.place_low, 5) +
             OddsField(horse.place_high, 5);
    case HorseOdds::State::kScratched:
      return "9" + Number2(number) + ScratchMark(5) + ScratchMark(5) + ScratchMark(5);
    case HorseOdds::State::kAbsent:
      break;
  }
  return std::string(kHorseSlotSize, ' ');
}

std::string BracketSlot(const PairOdds& slot, int k) {
  auto [a, b] = BracketPairOf(k);
  if (slot.first > 0) a = slot.first;
  if (slot.second > 0) b = slot.second;
  const std::string pair =
      RightField(std::to_string(a), 1) + "-" + RightField(std::to_string(b), 1);
  switch (slot.state) {
    case PairOdds::State::kSold:
      return "0 " + pair + OddsField(slot.odds, 5);
    case PairOdds::State::kNotSold:
      return "9 " + pair + ScratchMark(5);
    case PairOdds::State::kNoOdds:
      return "  " + pair + std::string(5, ' ');
    case PairOdds::State::kBlank:
      break;
  }
  return std::string(kBracketSlotSize, ' ');
}

std::string QuinellaSlot(const PairOdds& slot, int k, int runners) {
  auto [a, b] = QuinellaPairOf(k, runners);
  if (slot.first > 0) a = slot.first;
  if (slot.second > 0) b = slot.second;
  const bool known_pair = a > 0 && b > 0;
  if (known_pair && slot.state == PairOdds::State::kSold) {
    return "0" + Number2(a) + "-" + Number2(b) + OddsField(slot.odds, 6);
  }
  if (known_pair && slot.state == PairOdds::State::kNotSold) {
    return "9" + Number2(a) + "-" + Number2(b) + ScratchMark(6);
  }
  return std::string(kQuinellaSlotSize, ' ');
}

int RunnersOf(const PatHeader& header) {
  if (header.runners > 0 || header.runners_text.empty()) return header.runners;
  return static_cast<int>(text::ValInt(header.runners_text));
}

char AsciiUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::optional<PatLayout> ParsePatType(std::string_view value) {
  if (value == "PAT95") return PatLayout::kPat95;
  if (value == "PAT31") return PatLayout::kPat31;
  return std::nullopt;
}

// ---- names ----

char RaceChar(int race) {
  if (race >= 1 && race <= 9) return static_cast<char>('0' + race);
  if (race >= 10 && race <= 12) return static_cast<char>('A' + race - 10);
  return '\0';
}

int RaceOfChar(char c) {
  if (c >= '1' && c <= '9') return c - '0';
  const char upper = AsciiUpper(c);
  if (upper >= 'A' && upper <= 'C') return upper - 'A' + 10;
  return 0;
}

std::string PatFileName(PatKind kind, char venue_char, char day_char, char race_char) {
  std::string name(kind == PatKind::kZo ? kZoPrefix : kUoPrefix);
  name += AsciiUpper(venue_char);
  name += AsciiUpper(day_char);
  name += AsciiUpper(race_char);
  name += kExtension;
  return name;
}

// ---- pair orders ----

std::pair<int, int> BracketPairOf(int k) {
  if (k < 1 || k > kBracketPairs) return {0, 0};
  int a = 1;
  while (k > 9 - a) {
    k -= 9 - a;
    ++a;
  }
  return {a, a + k - 1};
}

int BracketSlotOf(int a, int b) {
  if (a < 1 || b < a || b > 8) return 0;
  // Pairs of the rows before a: sum of (9 - i) for i = 1 .. a-1.
  return 9 * (a - 1) - a * (a - 1) / 2 + (b - a + 1);
}

int QuinellaPairCount(int n) {
  return n < 2 ? 0 : n * (n - 1) / 2;
}

int QuinellaSlotOf(int a, int b, int n) {
  if (a < 1 || b <= a || b > n || n > kMaxHorses) return 0;
  return (a - 1) * n - a * (a - 1) / 2 + (b - a);
}

std::pair<int, int> QuinellaPairOf(int k, int n) {
  if (n > kMaxHorses || k < 1 || k > QuinellaPairCount(n)) return {0, 0};
  int a = 1;
  while (k > n - a) {
    k -= n - a;
    ++a;
  }
  return {a, a + k};
}

// ---- writing ----

std::string OddsText(long long tenths) {
  const bool negative = tenths < 0;
  const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(tenths)
                                                : static_cast<unsigned long long>(tenths);
  std::string text = negative ? "-" : "";
  text += std::to_string(magnitude / 10);
  text += '.';
  text += static_cast<char>('0' + magnitude % 10);
  return text;
}

std::string BuildPatHeader(const PatHeader& header, PatLayout layout) {
  const std::string date = LeftField(header.date8, 8);
  std::string out;
  out.reserve(kHeaderSizePat31);
  out += date;
  out += date;
  out += kDateSeparator1;
  out += date;
  out += kDateSeparator2;
  out += LeftField(header.venue_name, 4);
  out += RightField(header.century2, 2);
  out += RightField(header.year2, 2);
  out += RightField(header.meeting2, 2);
  out += RightField(header.day2, 2);
  out += RightField(header.race2, 2);
  out += LeftField(header.time_kind2, 2);
  out += LeftField(header.time4, 4);
  out += LeftField(header.race_name, 28);
  out += LeftField(header.conditions, 64);
  if (layout == PatLayout::kPat31) out.append(kPat31HeaderPadding, ' ');
  const std::string runners =
      header.runners_text.empty() ? std::to_string(header.runners) : header.runners_text;
  out += RightField(runners, 2);
  return out;
}

std::string BuildZoFile(const ZoContent& content, PatLayout layout) {
  std::string out = BuildPatHeader(content.header, layout);
  out.reserve(kZoSizePat31);
  for (int i = 1; i <= kMaxHorses; ++i) out += HorseSlot(content.horses[i - 1], i);
  if (layout == PatLayout::kPat31) out.append(kPat31HorsePadding, ' ');
  for (int k = 1; k <= kBracketPairs; ++k) out += BracketSlot(content.brackets[k - 1], k);
  out += kFileEnd;
  return out;
}

std::string BuildUoFile(const UoContent& content, PatLayout layout) {
  std::string out = BuildPatHeader(content.header, layout);
  out.reserve(kUoSizePat31);
  const int runners = RunnersOf(content.header);
  for (int k = 1; k <= kQuinellaPairs; ++k) {
    if (static_cast<size_t>(k) <= content.pairs.size()) {
      out += QuinellaSlot(content.pairs[k - 1], k, runners);
    } else {
      out.append(kQuinellaSlotSize, ' ');
    }
  }
  out += kFileEnd;
  return out;
}

// ---- reading ----

std::string ZoReader::RaceKey(std::string_view venue_code2) const {
  std::string key(venue_code2);
  key += Field(kOffsetYear, 2);
  key += Field(kOffsetMeeting + 1, 1);
  key += Field(kOffsetDay + 1, 1);
  std::string race(Field(kOffsetRace, 2));
  if (!race.empty() && race[0] == ' ') race[0] = '0';
  key += race;
  return key;
}

int ZoReader::RunnerCount() const {
  const long long n = text::ValInt(Field(kOffsetRunners, 2));
  return static_cast<int>(std::clamp<long long>(n, 0, 99));
}

namespace {

// Byte offset of a field inside slot `index` (1-based) of a run of slots; npos when the
// index is outside 1..count.
size_t SlotOffset(int index, int count, size_t start, size_t slot_size, size_t inner) {
  if (index < 1 || index > count) return std::string_view::npos;
  return start + slot_size * static_cast<size_t>(index - 1) + inner;
}

std::string_view SlotField(std::string_view bytes, size_t offset, size_t width) {
  if (offset == std::string_view::npos) return {};
  return text::ByteField(bytes, offset, width);
}

}  // namespace

std::string_view ZoReader::WinOdds(int horse) const {
  return SlotField(bytes_, SlotOffset(horse, kMaxHorses, kZoHorseStart, kHorseSlotSize, 3), 5);
}

std::string_view ZoReader::PlaceLow(int horse) const {
  return SlotField(bytes_, SlotOffset(horse, kMaxHorses, kZoHorseStart, kHorseSlotSize, 8), 5);
}

std::string_view ZoReader::PlaceHigh(int horse) const {
  return SlotField(bytes_, SlotOffset(horse, kMaxHorses, kZoHorseStart, kHorseSlotSize, 13), 5);
}

std::string_view ZoReader::HorseState(int horse) const {
  return SlotField(bytes_, SlotOffset(horse, kMaxHorses, kZoHorseStart, kHorseSlotSize, 0), 1);
}

std::string_view ZoReader::BracketOdds(int k) const {
  return SlotField(bytes_, SlotOffset(k, kBracketPairs, kZoBracketStart, kBracketSlotSize, 5), 5);
}

std::string_view ZoReader::BracketState(int k) const {
  return SlotField(bytes_, SlotOffset(k, kBracketPairs, kZoBracketStart, kBracketSlotSize, 0), 1);
}

std::string_view ZoReader::Field(size_t offset, size_t width) const {
  return text::ByteField(bytes_, offset, width);
}

std::string ZoReader::Text(size_t offset, size_t width) const {
  return text::DecodeField(bytes_, offset, width);
}

std::string_view UoReader::QuinellaOdds(int k) const {
  return SlotField(bytes_, SlotOffset(k, kQuinellaPairs, kUoPairStart, kQuinellaSlotSize, 6), 6);
}

std::string_view UoReader::QuinellaState(int k) const {
  return SlotField(bytes_, SlotOffset(k, kQuinellaPairs, kUoPairStart, kQuinellaSlotSize, 0), 1);
}

std::string_view UoReader::Field(size_t offset, size_t width) const {
  return text::ByteField(bytes_, offset, width);
}

}  // namespace mirtote::pat
