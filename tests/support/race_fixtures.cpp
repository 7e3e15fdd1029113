#include "support/race_fixtures.h"

#include <fstream>
#include <stdexcept>

#include "support/test_support.h"
#include "text/chars.h"
#include "text/cp932.h"
#include "text/number.h"
#include "vocab/code_tables.h"
#include "vocab/venues.h"

namespace mirtote::testing {

namespace {

// `utf8` padded with "　" to `chars` characters, then as CP932 bytes cut or padded with
// spaces to `bytes`.
std::string FullWidthField(const std::string& utf8, size_t chars, size_t bytes) {
  std::string padded = utf8;
  for (size_t n = text::CharCount(utf8); n < chars; ++n) padded += "　";
  return SjisField(padded, bytes);
}

// Places `field` at `offset` of `record`.
void Put(std::string& record, size_t offset, const std::string& field) {
  if (offset + field.size() > record.size()) throw std::out_of_range("fixture field");
  record.replace(offset, field.size(), field);
}

}  // namespace

std::string TwoDigits(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string Lines(std::initializer_list<std::string> lines) {
  std::string out;
  for (const auto& line : lines) out += line + "\r\n";
  return out;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t at = 0, end; at < text.size(); at = end + 2) {
    end = text.find("\r\n", at);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(at, end - at));
  }
  return lines;
}

std::string MakeRaceCard(const RaceCardSpec& s) {
  std::string r(584, ' ');
  Put(r, 0, SjisField(s.venue_code, 2));
  Put(r, 2, SjisField(s.year, 2));
  Put(r, 4, SjisField(s.meeting, 1));
  Put(r, 5, SjisField(s.day, 1));
  Put(r, 6, SjisField(s.race_number, 2));
  Put(r, 8, SjisField(s.month_day, 4));
  Put(r, 12, SjisField(s.weekday, 1));
  Put(r, 13, SjisField(s.post_time, 4));
  Put(r, 17, FullWidthField(s.race_name, 30, 60));
  Put(r, 77, SjisField(s.edition, 3));
  Put(r, 80, SjisField(s.race_type, 2));
  Put(r, 85, SjisField(s.weight_rule, 1));
  for (size_t i = 0; i < 4; ++i) Put(r, 86 + 3 * i, SjisField(s.class_codes[i], 3));
  Put(r, 98, SjisField(s.distance, 4));
  Put(r, 102, SjisField(s.course, 2));
  Put(r, 104, SjisField(s.grade, 1));
  const std::string runners =
      s.runners.empty() ? TwoDigits(static_cast<int>(s.entries.size())) : s.runners;
  Put(r, 105, SjisField(runners, 2));
  for (size_t i = 0; i < s.entries.size() && i < 18; ++i) {
    const EntrySpec& e = s.entries[i];
    if (e.bracket.empty()) continue;
    const size_t at = 168 + 23 * i;
    Put(r, at, SjisField(e.bracket, 1));
    Put(r, at + 1, SjisField(e.horse_id, 8));
    Put(r, at + 9, SjisField(e.sex, 1));
    Put(r, at + 11, SjisField(e.carried_weight, 3));
    Put(r, at + 14, SjisField(e.jockey_code, 4));
  }
  Put(r, 582, "\r\n");
  return r;
}

std::string MakeHorse(const HorseSpec& s) {
  std::string r(1825, ' ');
  Put(r, 0, SjisField(s.id, 8));
  Put(r, 9, FullWidthField(s.name, 18, 36));
  Put(r, 130, SjisField(s.sex, 1));
  Put(r, 133, SjisField(s.birth_date, 6));
  Put(r, 724, SjisField(s.body_weight, 3));
  Put(r, 860, "470");  // an older race's weight, never shown
  return r;
}

std::string MakeJockey(const std::string& code, const std::string& family,
                       const std::string& given) {
  std::string r(1065, ' ');
  Put(r, 0, SjisField(code, 4));
  Put(r, 11, FullWidthField(family, 8, 16));
  Put(r, 27, FullWidthField(given, 8, 16));
  return r;
}

std::vector<EntrySpec> MakeEntries(int count, std::vector<std::string> brackets) {
  if (brackets.empty()) {
    // Brackets 1-8 in order; when there are more than 8 runners the last brackets take
    // the extra horses.
    const int base = count / 8;
    const int extra = count % 8;
    for (int b = 1; b <= 8 && count > 0; ++b) {
      const int in_bracket = count < 8 ? (b <= count ? 1 : 0) : base + (b > 8 - extra ? 1 : 0);
      for (int k = 0; k < in_bracket; ++k) brackets.push_back(std::to_string(b));
    }
  }
  std::vector<EntrySpec> entries;
  for (int i = 1; i <= count; ++i) {
    EntrySpec e;
    e.bracket = brackets.at(static_cast<size_t>(i - 1));
    e.horse_id = "950000" + TwoDigits(i);
    e.jockey_code = "J0" + TwoDigits(i);
    entries.push_back(e);
  }
  return entries;
}

std::vector<HorseSpec> HorsesFor(const RaceCardSpec& card) {
  std::vector<HorseSpec> horses;
  for (size_t i = 0; i < card.entries.size(); ++i) {
    if (card.entries[i].bracket.empty()) continue;
    HorseSpec h;
    h.id = card.entries[i].horse_id;
    h.name = "ウマ" + vocab::FullWidthDigits(std::to_string(i + 1));
    horses.push_back(h);
  }
  return horses;
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void WriteMeeting(const fs::path& data, const std::string& stem,
                  const std::vector<RaceCardSpec>& cards, const std::vector<HorseSpec>& horses,
                  const std::string& den_extension, const std::string& uma_extension) {
  std::string den;
  for (const auto& card : cards) den += MakeRaceCard(card);
  std::string uma;
  for (const auto& horse : horses) uma += MakeHorse(horse);
  WriteBytes(data / (stem + den_extension), den);
  WriteBytes(data / (stem + uma_extension), uma);
}

void WriteJockeys(const fs::path& data, const std::vector<std::array<std::string, 3>>& jockeys) {
  std::string bytes;
  for (const auto& j : jockeys) bytes += MakeJockey(j[0], j[1], j[2]);
  WriteBytes(data / "騎手.DAT", bytes);
}

pat::ZoContent ZoFor(const RaceCardSpec& card, int runners) {
  pat::ZoContent zo;
  pat::PatHeader& h = zo.header;
  h.date8 = "19" + card.year + card.month_day;
  const vocab::Venue* venue = vocab::VenueByCode2(card.venue_code);
  h.venue_name = venue ? std::string(venue->name) : "";
  h.century2 = "19";
  h.year2 = card.year;
  h.meeting2 = "0" + card.meeting;
  h.day2 = "0" + card.day;
  h.race2 = card.race_number;
  h.time_kind2 = "01";
  h.time4 = card.post_time;
  h.runners = runners;
  for (int i = 1; i <= runners && i <= pat::kMaxHorses; ++i) {
    pat::HorseOdds& o = zo.horses[static_cast<size_t>(i - 1)];
    o.state = pat::HorseOdds::State::kRunning;
    o.win = pat::OddsText(10 * i + 3);
    o.place_low = pat::OddsText(10 + i);
    o.place_high = pat::OddsText(20 + i);
  }
  return zo;
}

pat::UoContent UoFor(const pat::ZoContent& zo, int runners) {
  pat::UoContent uo;
  uo.header = zo.header;
  uo.pairs.resize(static_cast<size_t>(runners * (runners - 1) / 2));
  return uo;
}

void SetQuinella(pat::UoContent& uo, int runners, int a, int b, const std::string& odds) {
  pat::PairOdds& slot = uo.pairs.at(static_cast<size_t>(pat::QuinellaSlotOf(a, b, runners) - 1));
  slot.state = odds.empty() ? pat::PairOdds::State::kNotSold : pat::PairOdds::State::kSold;
  slot.odds = odds;
}

void SetBracket(pat::ZoContent& zo, int a, int b, const std::string& odds) {
  pat::PairOdds& slot = zo.brackets.at(static_cast<size_t>(pat::BracketSlotOf(a, b) - 1));
  slot.state = odds.empty() ? pat::PairOdds::State::kNotSold : pat::PairOdds::State::kSold;
  slot.odds = odds;
}

std::string ZoName(const RaceCardSpec& card) {
  const vocab::Venue* venue = vocab::VenueByCode2(card.venue_code);
  return pat::PatFileName(pat::PatKind::kZo, venue ? venue->code_char : '?', card.day.at(0),
                          pat::RaceChar(static_cast<int>(text::ValInt(card.race_number))));
}

std::string UoName(const RaceCardSpec& card) {
  std::string name = ZoName(card);
  name[0] = 'U';
  return name;
}

fs::path WritePatFiles(const fs::path& folder, const std::string& zo_name, const pat::ZoContent& zo,
                       const std::string& uo_name, const std::optional<pat::UoContent>& uo) {
  WriteBytes(folder / zo_name, pat::BuildZoFile(zo, pat::PatLayout::kPat95));
  if (uo) WriteBytes(folder / uo_name, pat::BuildUoFile(*uo, pat::PatLayout::kPat95));
  return folder / zo_name;
}

}  // namespace mirtote::testing
