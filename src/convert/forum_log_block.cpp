#include "convert/forum_log_block.h"

#include <algorithm>
#include <functional>

#include "text/century.h"
#include "text/chars.h"
#include "text/number.h"
#include "vocab/code_tables.h"
#include "vocab/venues.h"

namespace mirtote::convert {

namespace {

using Status = BlockOutcome::Status;
using pat::HorseOdds;
using pat::PairOdds;

constexpr size_t kRaceNameChars = 14;
constexpr size_t kEditionScanEnd = 30;  // the space after "第N回" stands before this
constexpr int kFirstBlockRows = 11;
constexpr int kFirstBlockColumns = 12;
constexpr int kBrackets = 8;
constexpr std::string_view kDashes5 = "-----";
constexpr std::string_view kBracketDashes = "----";
constexpr std::string_view kPairDashes = " -----";

constexpr std::string_view kEndInsideBlock = "オッズの途中でファイルが終わっています。";
constexpr std::string_view kBadTitle = "タイトル行の日付またはレース番号が読めません。";
constexpr std::string_view kBadRunners = "出走頭数が読めません。";

// The half-width digit of a full-width digit; 0 for any other character.
char HalfDigit(char32_t c) {
  std::string s;
  text::AppendChar(s, c);
  const std::string flipped = vocab::FlipDigitWidth(s);
  return flipped.size() == 1 && flipped[0] >= '0' && flipped[0] <= '9' ? flipped[0] : 0;
}

// Two full-width digits whose tens may be a full-width space: "　５" -> "05"; empty when the
// characters are not that.
std::string BlankTensDigits(const SourceLine& line, size_t pos) {
  const char tens = line.At(pos) == U'　' ? '0' : HalfDigit(line.At(pos));
  const char ones = HalfDigit(line.At(pos + 1));
  if (tens == 0 || ones == 0) return {};
  return {tens, ones};
}

// Hour or minute of the odds time: taken as it stands, a blank tens written "0".
std::string TimeDigits(const SourceLine& line, size_t pos) {
  return (line.At(pos) == U' ' ? std::string("0") : line.Get(pos, 1)) + line.Get(pos + 1, 1);
}

class BlockParser {
 public:
  BlockParser(LineReader& reader, std::string_view time_kind)
      : reader_(reader), time_kind_(time_kind) {}

  BlockOutcome Parse(const SourceLine& title, size_t title_line) {
    if (ReadTitle(title, title_line) && ReadRaceName() && ReadConditions() && ReadHorses() &&
        ReadQuinella() && ReadBracketTable()) {
      outcome_.status = Status::kParsed;
    }
    return std::move(outcome_);
  }

 private:
  bool Stop(Status status, size_t line, std::string_view reason = {}) {
    outcome_.status = status;
    outcome_.line = line;
    outcome_.reason = std::string(reason);
    return false;
  }

  const SourceLine* Take() {
    const SourceLine* line = reader_.Next();
    if (line == nullptr) {
      Stop(Status::kFailed, reader_.number(),
           reader_.error().empty() ? kEndInsideBlock : reader_.error());
    }
    return line;
  }

  // Takes lines up to and including the first that `is_mark` accepts.
  bool SkipPast(const std::function<bool(const SourceLine&)>& is_mark) {
    while (const SourceLine* line = Take()) {
      if (is_mark(*line)) return true;
    }
    return false;
  }

  bool ReadTitle(const SourceLine& t, size_t title_line) {
    pat::PatHeader& h = block().zo.header;
    h.venue_name = t.Get(6, 2);
    const vocab::Venue* venue = vocab::VenueByName(h.venue_name);
    if (venue == nullptr) {
      return Stop(Status::kUnknownVenue, title_line, "開催場「" + h.venue_name + "」が不明です。");
    }
    block().venue_char = venue->code_char;

    const char tens = t.At(11) == U'　' ? '0' : HalfDigit(t.At(11));
    const char ones = HalfDigit(t.At(12));
    const int race = tens == 0 || ones == 0 ? 0 : 10 * (tens - '0') + (ones - '0');
    const std::string year{HalfDigit(t.At(19)), HalfDigit(t.At(20))};
    const char meeting = HalfDigit(t.At(23));
    const char day = HalfDigit(t.At(26));
    const std::string month = BlankTensDigits(t, 30);
    const std::string mday = BlankTensDigits(t, 34);
    if (pat::RaceChar(race) == '\0' || year.find('\0') != std::string::npos || meeting == 0 ||
        day == 0 || month.empty() || mday.empty()) {
      return Stop(Status::kFailed, title_line, kBadTitle);
    }
    block().race_char = pat::RaceChar(race);
    block().day_char = day;
    h.century2 = text::CenturyText(year);
    h.date8 = h.century2 + year + month + mday;
    h.year2 = year;
    h.meeting2 = std::string("0") + meeting;
    h.day2 = std::string("0") + day;
    h.race2 = {tens, ones};
    h.time_kind2 = std::string(time_kind_);
    h.time4 = TimeDigits(t, 44) + TimeDigits(t, 47);
    return true;
  }

  // The race name after the edition prefix "第N回", up to the next half-width space.
  bool ReadRaceName() {
    const SourceLine* line = Take();
    if (line == nullptr) return false;
    if (line->At(11) == U' ') return true;  // no name: the header field stays blank
    size_t start = 11;
    if (line->At(start) == U'第') {
      size_t pos = start;
      while (pos <= kEditionScanEnd && line->At(pos) != U' ') ++pos;
      if (pos > kEditionScanEnd) return Stop(Status::kTitleAbnormal, reader_.number());
      start = pos + 2;
    }
    std::string& name = block().zo.header.race_name;
    for (size_t pos = start; pos < start + kRaceNameChars && line->At(pos) != U' '; ++pos) {
      text::AppendChar(name, line->At(pos));
    }
    return true;
  }

  // Breed and age words, then the class word with its digits in full width; the runner
  // count from the end of the line.
  bool ReadConditions() {
    const SourceLine* line = Take();
    if (line == nullptr) return false;
    const size_t end = line->size();
    bool steeplechase = false;
    for (size_t pos = 15; pos <= end && line->At(pos) != U'頭'; ++pos) {
      if (line->At(pos) == U'障' && line->At(pos + 1) == U'害') {
        steeplechase = true;
        break;
      }
    }
    std::string text = steeplechase ? "サラ系障害" : "サラ系";
    size_t pos = 15;
    for (; pos <= end && line->At(pos) != U' '; ++pos) {
      const char32_t c = line->At(pos);
      const bool dropped = c == U'以' || (steeplechase && (c == U'障' || c == U'害' || c == U'歳'));
      if (!dropped) text::AppendChar(text, c);
    }
    for (++pos; pos <= end && line->At(pos) == U' ';) ++pos;
    for (; pos <= end && line->At(pos) != U' '; ++pos) {
      const char32_t c = line->At(pos);
      if (c >= U'0' && c <= U'9') {
        text += vocab::FlipDigitWidth(std::string(1, static_cast<char>(c)));
      } else {
        text::AppendChar(text, c);
      }
    }
    pat::PatHeader& h = block().zo.header;
    h.conditions = text;  // cut to its field by the writer
    h.runners_text = line->Get(end >= 3 ? end - 2 : 1, 2);
    runners_ = static_cast<int>(std::clamp<long long>(text::ValInt(h.runners_text), 0, 99));
    if (runners_ < 1 || runners_ > pat::kMaxHorses) {
      return Stop(Status::kFailed, reader_.number(), kBadRunners);
    }
    h.runners = runners_;
    singles_ = runners_ > 16 ? 0 : std::min(16 - runners_, kBrackets);
    return true;
  }

  bool ReadHorses() {
    if (!SkipPast([](const SourceLine& l) { return l.StartsWith(U"枠番"); })) return false;
    for (int k = 1; k <= runners_; ++k) {
      const SourceLine* line = Take();
      if (line == nullptr) return false;
      // A line that opens a bracket begins "(N)" and is one character shorter before the
      // number; numbers from 10 take one character more.
      const bool opens = line->At(1) == U'(';
      const size_t p = (k < 10 ? 9 : 10) + (opens ? 0 : 1);
      HorseOdds& horse = block().zo.horses[static_cast<size_t>(k - 1)];
      if (line->Get(p, 5) == kDashes5) {
        horse.state = HorseOdds::State::kScratched;
      } else {
        horse = {HorseOdds::State::kRunning, line->Get(p, 5), line->Get(p + 6, 5),
                 " " + line->Get(p + 12, 4)};
      }
    }
    return true;
  }

  // A quinella field (a space and a five-character cell) at `pos` for the pair (a, b).
  void PairCell(const SourceLine& line, size_t pos, int a, int b) {
    if (b > runners_) return;  // a column beyond the field
    PairOdds& slot =
        block().uo->pairs[static_cast<size_t>(pat::QuinellaSlotOf(a, b, runners_) - 1)];
    if (line.Get(pos, 6) == kPairDashes) {
      slot.state = PairOdds::State::kNotSold;
    } else {
      // Odds of 1000 or more are shown as their whole part only.
      slot.state = PairOdds::State::kSold;
      slot.odds = line.At(pos + 4) == U'.' ? line.Get(pos, 6) : line.Get(pos + 2, 4) + ".0";
    }
  }

  bool ReadQuinella() {
    if (runners_ <= kBrackets) return true;
    block().uo = pat::UoContent{
        block().zo.header,
        std::vector<PairOdds>(pat::kQuinellaPairs, PairOdds{PairOdds::State::kBlank, {}, 0, 0})};
    if (!SkipPast([](const SourceLine& l) { return l.At(6) == U'１'; })) return false;
    for (int a = 1; a <= std::min(runners_, kFirstBlockRows); ++a) {
      const SourceLine* line = Take();
      if (line == nullptr) return false;
      for (int b = a + 1; b <= kFirstBlockColumns; ++b) {
        const size_t base = a >= 10 ? 14 : b < 7 ? 8 : 12;
        PairCell(*line, base + 6 * static_cast<size_t>(b - 2), a, b);
      }
    }
    return true;
  }

  // A bracket cell of four characters at `pos` for the bracket pair (a, b).
  void BracketCell(const SourceLine& line, size_t pos, int a, int b) {
    PairOdds& slot = block().zo.brackets[static_cast<size_t>(pat::BracketSlotOf(a, b) - 1)];
    slot = {PairOdds::State::kSold, {}, 0, 0};
    if (line.Get(pos, 4) == kBracketDashes) {
      // Dashes in a bracket that holds one horse mean no odds exist; elsewhere not sold.
      slot.state = b > singles_ ? PairOdds::State::kNotSold : PairOdds::State::kNoOdds;
    } else if (runners_ <= kBrackets && a > runners_) {
      slot.state = PairOdds::State::kNoOdds;
    } else if (line.At(pos + 2) == U'.') {
      slot.odds = line.Get(pos, 4);
    } else {
      slot.odds = line.Get(pos + 1, 3) + ".0";  // odds of 100 or more: whole part only
    }
  }

  // Bracket rows 1-8; past 12 runners the rows also carry quinella columns 13-18.
  bool ReadBracketTable() {
    for (auto& slot : block().zo.brackets) slot = {PairOdds::State::kBlank, {}, 0, 0};
    if (!SkipPast([](const SourceLine& l) { return l.At(1) == U' ' && l.At(2) == U'１'; })) {
      return false;
    }
    const bool beside = runners_ > kFirstBlockColumns;
    const int rows = beside ? runners_ : kBrackets;
    for (int a = 1; a <= rows; ++a) {
      const SourceLine* line = Take();
      if (line == nullptr) return false;
      for (int b = a; a <= kBrackets && b <= kBrackets; ++b) {
        BracketCell(*line, 1 + 5 * static_cast<size_t>(b - 1), a, b);
      }
      if (!beside) continue;
      const size_t base = a < 10 ? 43 : 44;
      for (int b = std::max(a + 1, kFirstBlockColumns + 1); b <= pat::kMaxHorses; ++b) {
        PairCell(*line, base + 6 * static_cast<size_t>(b - 13), a, b);
      }
    }
    return true;
  }

  LogBlock& block() { return outcome_.block; }

  LineReader& reader_;
  std::string_view time_kind_;
  BlockOutcome outcome_;
  int runners_ = 0;
  int singles_ = 0;  // brackets that hold one horse
};

}  // namespace

BlockOutcome ParseOddsBlock(const SourceLine& title, size_t title_line, LineReader& reader,
                            std::string_view time_kind) {
  return BlockParser(reader, time_kind).Parse(title, title_line);
}

}  // namespace mirtote::convert
