#include "pat/pat_file.h"

#include <algorithm>

#include "text/chars.h"
#include "text/cp932.h"
#include "text/files.h"
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

// Length of the longest prefix of CP932 `bytes` within `width` that does not split a
// two-byte character.
size_t FittingLength(std::string_view bytes, size_t width) {
  size_t end = 0;
  while (end < bytes.size()) {
    const bool pair =
        text::IsCp932LeadByte(static_cast<unsigned char>(bytes[end])) && end + 1 < bytes.size();
    const size_t next = end + (pair ? 2 : 1);
    if (next > width) break;
    end = next;
  }
  return end;
}

enum class Align { kLeft, kRight };

// Appends CP932 `bytes` as a field of exactly `width` bytes, padded with spaces.
void AppendBytes(std::string& out, std::string_view bytes, size_t width, Align align) {
  const size_t length = FittingLength(bytes, width);
  if (align == Align::kRight) out.append(width - length, ' ');
  out.append(bytes.substr(0, length));
  if (align == Align::kLeft) out.append(width - length, ' ');
}

// Appends UTF-8 `text` encoded to CP932 as a field of `width` bytes.
void AppendField(std::string& out, std::string_view text, size_t width, Align align) {
  AppendBytes(out, text::EncodeCp932(text), width, align);
}

// Odds field: right-aligned; a value too wide for the field keeps its whole part only.
void AppendOdds(std::string& out, std::string_view odds, size_t width) {
  const std::string bytes = text::EncodeCp932(odds);
  std::string_view field = bytes;
  if (field.size() > width) field = field.substr(0, field.find('.'));
  AppendBytes(out, field, width, Align::kRight);
}

void AppendScratchMark(std::string& out, size_t width) {
  static const std::string mark = text::EncodeCp932(kScratchMark);
  AppendBytes(out, mark, width, Align::kRight);
}

// A number right-aligned in `width` bytes: " 5", "12".
void AppendNumber(std::string& out, int n, size_t width) {
  AppendBytes(out, std::to_string(n), width, Align::kRight);
}

void AppendHorseSlot(std::string& out, const HorseOdds& horse, int number) {
  switch (horse.state) {
    case HorseOdds::State::kRunning:
      out += '0';
      AppendNumber(out, number, 2);
      AppendOdds(out, horse.win, 5);
      AppendOdds(out, horse.place_low, 5);
      AppendOdds(out, horse.place_high, 5);
      return;
    case HorseOdds::State::kScratched:
      out += '9';
      AppendNumber(out, number, 2);
      for (int i = 0; i < 3; ++i) AppendScratchMark(out, 5);
      return;
    case HorseOdds::State::kAbsent:
      break;
  }
  out.append(kHorseSlotSize, ' ');
}

void AppendBracketSlot(std::string& out, const PairOdds& slot, int k) {
  auto [a, b] = BracketPairOf(k);
  if (slot.first > 0) a = slot.first;
  if (slot.second > 0) b = slot.second;
  switch (slot.state) {
    case PairOdds::State::kSold:
      out += "0 ";
      break;
    case PairOdds::State::kNotSold:
      out += "9 ";
      break;
    case PairOdds::State::kNoOdds:
      out += "  ";
      break;
    case PairOdds::State::kBlank:
      out.append(kBracketSlotSize, ' ');
      return;
  }
  AppendNumber(out, a, 1);
  out += '-';
  AppendNumber(out, b, 1);
  if (slot.state == PairOdds::State::kSold) {
    AppendOdds(out, slot.odds, 5);
  } else if (slot.state == PairOdds::State::kNotSold) {
    AppendScratchMark(out, 5);
  } else {
    out.append(5, ' ');
  }
}

// Quinella slot of pair (a, b); {0, 0} or a blank state writes 12 spaces.
void AppendQuinellaSlot(std::string& out, const PairOdds& slot, int a, int b) {
  if (slot.first > 0) a = slot.first;
  if (slot.second > 0) b = slot.second;
  const bool sold = slot.state == PairOdds::State::kSold;
  if (a <= 0 || b <= 0 || (!sold && slot.state != PairOdds::State::kNotSold)) {
    out.append(kQuinellaSlotSize, ' ');
    return;
  }
  out += sold ? '0' : '9';
  AppendNumber(out, a, 2);
  out += '-';
  AppendNumber(out, b, 2);
  if (sold) {
    AppendOdds(out, slot.odds, 6);
  } else {
    AppendScratchMark(out, 6);
  }
}

int RunnersOf(const PatHeader& header) {
  if (header.runners > 0 || header.runners_text.empty()) return header.runners;
  return static_cast<int>(text::ValInt(header.runners_text));
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
  const char upper = text::AsciiUpper(c);
  if (upper >= 'A' && upper <= 'C') return upper - 'A' + 10;
  return 0;
}

std::string PatFileName(PatKind kind, char venue_char, char day_char, char race_char) {
  std::string name(kind == PatKind::kZo ? kZoPrefix : kUoPrefix);
  name += text::AsciiUpper(venue_char);
  name += text::AsciiUpper(day_char);
  name += text::AsciiUpper(race_char);
  name += kExtension;
  return name;
}

const vocab::Venue* VenueOfFileName(std::string_view file_name) {
  if (file_name.size() < 4) return nullptr;
  return vocab::VenueByChar(text::AsciiUpper(file_name[3]));
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
  std::string out;
  out.reserve(kUoSizePat31);  // room for the body that the file builders append
  std::string date;
  AppendField(date, header.date8, 8, Align::kLeft);
  out += date;
  out += date;
  out += kDateSeparator1;
  out += date;
  out += kDateSeparator2;
  AppendField(out, header.venue_name, 4, Align::kLeft);
  AppendField(out, header.century2, 2, Align::kRight);
  AppendField(out, header.year2, 2, Align::kRight);
  AppendField(out, header.meeting2, 2, Align::kRight);
  AppendField(out, header.day2, 2, Align::kRight);
  AppendField(out, header.race2, 2, Align::kRight);
  AppendField(out, header.time_kind2, 2, Align::kLeft);
  AppendField(out, header.time4, 4, Align::kLeft);
  AppendField(out, header.race_name, 28, Align::kLeft);
  AppendField(out, header.conditions, 64, Align::kLeft);
  if (layout == PatLayout::kPat31) out.append(kPat31HeaderPadding, ' ');
  if (header.runners_text.empty()) {
    AppendNumber(out, header.runners, 2);
  } else {
    AppendField(out, header.runners_text, 2, Align::kRight);
  }
  return out;
}

std::string BuildZoFile(const ZoContent& content, PatLayout layout) {
  std::string out = BuildPatHeader(content.header, layout);
  for (int i = 1; i <= kMaxHorses; ++i) AppendHorseSlot(out, content.horses[i - 1], i);
  if (layout == PatLayout::kPat31) out.append(kPat31HorsePadding, ' ');
  for (int k = 1; k <= kBracketPairs; ++k) AppendBracketSlot(out, content.brackets[k - 1], k);
  out += kFileEnd;
  return out;
}

std::string BuildUoFile(const UoContent& content, PatLayout layout) {
  std::string out = BuildPatHeader(content.header, layout);
  const int runners = RunnersOf(content.header);
  const int race_pairs = runners <= kMaxHorses ? QuinellaPairCount(runners) : 0;
  int a = 1;
  int b = 2;
  for (int k = 1; k <= kQuinellaPairs; ++k) {
    if (static_cast<size_t>(k) > content.pairs.size()) {
      out.append(kQuinellaSlotSize, ' ');
      continue;
    }
    const bool in_race = k <= race_pairs;
    AppendQuinellaSlot(out, content.pairs[k - 1], in_race ? a : 0, in_race ? b : 0);
    if (in_race && ++b > runners) b = ++a + 1;  // next pair in the order (1,2), (1,3), ...
  }
  out += kFileEnd;
  return out;
}

// ---- reading ----

namespace {

// Bytes [inner, inner + width) of slot `index` (1..count) of a run of slots from `start`;
// empty for an index outside the run.
std::string_view SlotField(std::string_view bytes, int index, int count, size_t start,
                           size_t slot_size, size_t inner, size_t width) {
  if (index < 1 || index > count) return {};
  return text::ByteField(bytes, start + slot_size * static_cast<size_t>(index - 1) + inner, width);
}

std::string_view HorseField(std::string_view bytes, int horse, size_t inner, size_t width) {
  return SlotField(bytes, horse, kMaxHorses, kZoHorseStart, kHorseSlotSize, inner, width);
}

std::string_view BracketField(std::string_view bytes, int k, size_t inner, size_t width) {
  return SlotField(bytes, k, kBracketPairs, kZoBracketStart, kBracketSlotSize, inner, width);
}

std::string_view QuinellaField(std::string_view bytes, int k, size_t inner, size_t width) {
  return SlotField(bytes, k, kQuinellaPairs, kUoPairStart, kQuinellaSlotSize, inner, width);
}

}  // namespace

std::optional<std::string> ReadPatFile(const std::filesystem::path& path, std::string* error) {
  auto bytes = text::ReadWholeFile(path, kMaxPatFileSize, error);
  if (bytes && bytes->size() < kHeaderSizePat95) {
    // Without a whole header the file names no race: it is damaged, not merely empty.
    if (error) {
      *error = text::PathText(path) + " を読めません: ヘッダより短いファイルです（" +
               std::to_string(bytes->size()) + " バイト）";
    }
    return std::nullopt;
  }
  return bytes;
}

std::string_view PatFileView::Field(size_t offset, size_t width) const {
  return text::ByteField(bytes_, offset, width);
}

std::string PatFileView::Text(size_t offset, size_t width) const {
  return text::DecodeField(bytes_, offset, width);
}

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

std::string_view ZoReader::WinOdds(int horse) const {
  return HorseField(bytes(), horse, 3, 5);
}
std::string_view ZoReader::PlaceLow(int horse) const {
  return HorseField(bytes(), horse, 8, 5);
}
std::string_view ZoReader::PlaceHigh(int horse) const {
  return HorseField(bytes(), horse, 13, 5);
}
std::string_view ZoReader::HorseState(int horse) const {
  return HorseField(bytes(), horse, 0, 1);
}
std::string_view ZoReader::BracketOdds(int k) const {
  return BracketField(bytes(), k, 5, 5);
}
std::string_view ZoReader::BracketState(int k) const {
  return BracketField(bytes(), k, 0, 1);
}
std::string_view UoReader::QuinellaOdds(int k) const {
  return QuinellaField(bytes(), k, 6, 6);
}
std::string_view UoReader::QuinellaState(int k) const {
  return QuinellaField(bytes(), k, 0, 1);
}

}  // namespace mirtote::pat
