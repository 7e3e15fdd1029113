#include "sample/race_data.h"

#include <algorithm>
#include <fstream>

#include "text/chars.h"
#include "text/cp932.h"
#include "text/number.h"
#include "vocab/code_tables.h"
#include "vocab/venues.h"

namespace mirtote::sample {

namespace {

// `utf8` padded with "　" to `chars` characters, as a CP932 field of `bytes` bytes.
std::string FullWidthField(const std::string& utf8, size_t chars, size_t bytes) {
  std::string padded = utf8;
  for (size_t n = text::CharCount(utf8); n < chars; ++n) padded += "　";
  return Cp932Field(padded, bytes);
}

// A record of `length` spaces with the fields (offset, CP932 bytes) placed in it; a field
// running past the end is cut.
std::string Record(size_t length, std::initializer_list<std::pair<size_t, std::string>> fields) {
  std::string r(length, ' ');
  for (const auto& [offset, bytes] : fields) PutField(r, offset, bytes);
  return r;
}

void SetPair(pat::PairOdds& slot, const std::string& odds) {
  slot.state = odds.empty() ? pat::PairOdds::State::kNotSold : pat::PairOdds::State::kSold;
  slot.odds = odds;
}

}  // namespace

std::vector<EntryFields> MakeEntries(int count, std::vector<std::string> brackets) {
  if (brackets.empty()) {
    // Brackets 1-8 in order; past 8 runners the last brackets take the extra horses.
    for (int b = 1; b <= 8 && count > 0; ++b) {
      const int in_bracket = count < 8 ? (b <= count ? 1 : 0) : count / 8 + (b > 8 - count % 8);
      for (int k = 0; k < in_bracket; ++k) brackets.push_back(std::to_string(b));
    }
  }
  std::vector<EntryFields> entries;
  for (int i = 1; i <= count && static_cast<size_t>(i) <= brackets.size(); ++i) {
    entries.push_back({.bracket = brackets[static_cast<size_t>(i - 1)],
                       .horse_id = "950000" + TwoDigits(i),
                       .jockey_code = "J0" + TwoDigits(i)});
  }
  return entries;
}

std::vector<HorseFields> HorsesFor(const RaceCardFields& card) {
  std::vector<HorseFields> horses;
  for (size_t i = 0; i < card.entries.size(); ++i) {
    if (card.entries[i].bracket.empty()) continue;
    horses.push_back({.id = card.entries[i].horse_id,
                      .name = "ウマ" + vocab::FullWidthDigits(std::to_string(i + 1))});
  }
  return horses;
}

std::string RaceCardRecord(const RaceCardFields& s) {
  const auto f = [](const std::string& text, size_t bytes) { return Cp932Field(text, bytes); };
  // clang-format off
  std::string r = Record(584, {
      {0, f(s.venue_code, 2)}, {2, f(s.year, 2)}, {4, f(s.meeting, 1)}, {5, f(s.day, 1)},
      {6, f(s.race_number, 2)}, {8, f(s.month_day, 4)}, {12, f(s.weekday, 1)},
      {13, f(s.post_time, 4)}, {17, FullWidthField(s.race_name, 30, 60)}, {77, f(s.edition, 3)},
      {80, f(s.race_type, 2)}, {85, f(s.weight_rule, 1)}, {86, f(s.class_codes[0], 3)},
      {89, f(s.class_codes[1], 3)}, {92, f(s.class_codes[2], 3)}, {95, f(s.class_codes[3], 3)},
      {98, f(s.distance, 4)}, {102, f(s.course, 2)}, {104, f(s.grade, 1)},
      {105, TwoDigits(static_cast<int>(s.entries.size()))}, {582, "\r\n"}});
  // clang-format on
  for (size_t i = 0; i < s.entries.size() && i < 18; ++i) {
    const EntryFields& e = s.entries[i];
    if (e.bracket.empty()) continue;
    r.replace(168 + 23 * i, 18,
              f(e.bracket, 1) + f(e.horse_id, 8) + f(e.sex, 1) + " " + f(e.carried_weight, 3) +
                  f(e.jockey_code, 4));
  }
  return r;
}

std::string HorseRecord(const HorseFields& h) {
  return Record(1825, {{0, Cp932Field(h.id, 8)},
                       {9, FullWidthField(h.name, 18, 36)},
                       {89, Cp932Field(h.second_name, 40)},
                       {130, Cp932Field(h.sex, 1)},
                       {133, Cp932Field(h.birth_date, 6)},
                       {724, Cp932Field(h.body_weight, 3)},
                       {860, "470"}});  // an older race's weight, never shown
}

std::string JockeyRecord(const JockeyFields& j) {
  return Record(1065, {{0, Cp932Field(j.code, 4)},
                       {11, FullWidthField(j.family, 8, 16)},
                       {27, FullWidthField(j.given, 8, 16)}});
}

bool WriteBytes(const fs::path& path, const std::string& bytes) {
  std::error_code error;
  fs::create_directories(path.parent_path(), error);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  return static_cast<bool>(out);
}

void WriteMeeting(const fs::path& data, const std::string& stem,
                  const std::vector<RaceCardFields>& cards, const std::vector<HorseFields>& horses,
                  const std::string& den_extension, const std::string& uma_extension) {
  std::string den;
  for (const auto& card : cards) den += RaceCardRecord(card);
  std::string uma;
  for (const auto& horse : horses) uma += HorseRecord(horse);
  WriteBytes(data / (stem + den_extension), den);
  WriteBytes(data / (stem + uma_extension), uma);
}

void WriteJockeys(const fs::path& data, const std::vector<JockeyFields>& jockeys) {
  std::string bytes;
  for (const auto& jockey : jockeys) bytes += JockeyRecord(jockey);
  WriteBytes(data / "騎手.DAT", bytes);
}

pat::ZoContent ZoFor(const RaceCardFields& card, int runners) {
  pat::ZoContent zo;
  const vocab::Venue* venue = vocab::VenueByCode2(card.venue_code);
  // clang-format off
  zo.header = {.date8 = "19" + card.year + card.month_day,
               .venue_name = venue ? std::string(venue->name) : "",
               .century2 = "19", .year2 = card.year, .meeting2 = "0" + card.meeting,
               .day2 = "0" + card.day, .race2 = card.race_number, .time_kind2 = "01",
               .time4 = card.post_time, .race_name = {}, .conditions = {}, .runners = runners,
               .runners_text = {}};
  // clang-format on
  for (int i = 1; i <= runners && i <= pat::kMaxHorses; ++i) {
    zo.horses[static_cast<size_t>(i - 1)] = {pat::HorseOdds::State::kRunning,
                                             pat::OddsText(10 * i + 3), pat::OddsText(10 + i),
                                             pat::OddsText(20 + i)};
  }
  return zo;
}

pat::UoContent UoFor(const pat::ZoContent& zo, int runners) {
  return {zo.header, std::vector<pat::PairOdds>(static_cast<size_t>(runners * (runners - 1) / 2))};
}

void SetQuinella(pat::UoContent& uo, int runners, int a, int b, const std::string& odds) {
  const int slot = pat::QuinellaSlotOf(a, b, runners);
  if (slot >= 1 && static_cast<size_t>(slot) <= uo.pairs.size()) SetPair(uo.pairs[slot - 1], odds);
}

void SetBracket(pat::ZoContent& zo, int a, int b, const std::string& odds) {
  const int slot = pat::BracketSlotOf(a, b);
  if (slot >= 1 && slot <= pat::kBracketPairs) SetPair(zo.brackets[slot - 1], odds);
}

std::string ZoName(const RaceCardFields& card) {
  const vocab::Venue* venue = vocab::VenueByCode2(card.venue_code);
  return pat::PatFileName(pat::PatKind::kZo, venue ? venue->code_char : '?',
                          card.day.empty() ? '?' : card.day[0],
                          pat::RaceChar(static_cast<int>(text::ValInt(card.race_number))));
}

std::string UoName(const RaceCardFields& card) {
  return "U" + ZoName(card).substr(1);
}

fs::path WritePatFiles(const fs::path& folder, const std::string& zo_name, const pat::ZoContent& zo,
                       const std::string& uo_name, const std::optional<pat::UoContent>& uo) {
  WriteBytes(folder / zo_name, pat::BuildZoFile(zo, pat::PatLayout::kPat95));
  if (uo) WriteBytes(folder / uo_name, pat::BuildUoFile(*uo, pat::PatLayout::kPat95));
  return folder / zo_name;
}

std::string TwoDigits(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string RightAligned(const std::string& text, size_t width) {
  return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

std::string Cp932Field(const std::string& utf8, size_t bytes) {
  std::string out = text::EncodeCp932(utf8);
  out.resize(bytes, ' ');
  return out;
}

void PutField(std::string& record, size_t offset, const std::string& bytes) {
  if (offset >= record.size()) return;
  const size_t n = std::min(bytes.size(), record.size() - offset);
  record.replace(offset, n, bytes, 0, n);
}

}  // namespace mirtote::sample
