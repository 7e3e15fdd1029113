#include "results/pat_result_text.h"

#include "pat/jockey_name.h"
#include "pat/text_columns.h"
#include "text/century.h"
#include "text/chars.h"
#include "text/cp932.h"
#include "text/number.h"
#include "vocab/code_tables.h"

namespace mirtote::results {

namespace {

constexpr std::string_view kColumnHeading =
    "着順 馬番 馬名                  タイム  性齢  騎手名      斤量 ";
constexpr std::string_view kHorseNotFoundTitle = "登録馬パラメータエラー";
constexpr std::string_view kBlank = "　";
constexpr size_t kNameChars = 11;
constexpr int kPlacings = 7;

// Byte positions of the KS file.
constexpr size_t kPlacingStart = 91, kPlacingStep = 40;
constexpr size_t kWinStart = 375, kPlaceStart = 405, kPayoutStep = 10;
constexpr size_t kBracketStart = 455, kBracketStep = 12;
constexpr size_t kQuinellaStart = 491, kQuinellaStep = 14;
constexpr size_t kScratchedMarker = 533, kScratchedStart = 535;

std::string Spaces(size_t n) {
  return std::string(n, ' ');
}

// Win and place entries: horse number (2) and amount (the last 8 of 10 bytes).
struct Entry {
  std::string horse, amount;
  bool present = false;
};

Entry HorseEntry(const KsFile& ks, size_t start, int j) {
  const size_t at = start + kPayoutStep * static_cast<size_t>(j - 1);
  return {ks.Text(at, 2), ks.Text(at + 2, 8), ks.Present(at, 2)};
}

// Bracket quinella (combination 3, amount 8) and quinella (5, 8) as shown.
Entry PairEntry(const KsFile& ks, bool quinella, int j) {
  const size_t combination = quinella ? 5 : 3;
  const size_t at = (quinella ? kQuinellaStart + kQuinellaStep * static_cast<size_t>(j - 1)
                              : kBracketStart + kBracketStep * static_cast<size_t>(j - 1)) +
                    1;
  return {ks.Text(at, combination), ks.Text(at + combination, 8), ks.Present(at, combination)};
}

// The number of the last present entry of a payout kind (data line counts).
int LastPresent(const KsFile& ks, size_t start, size_t step, size_t width, int entries) {
  int last = 0;
  for (int j = 1; j <= entries; ++j) {
    if (ks.Present(start + step * static_cast<size_t>(j - 1), width)) last = j;
  }
  return last;
}

std::string LastDigit(int n) {
  return std::to_string(n % 10);
}

std::string DataLine(const KsFile& ks, std::string_view venue_code2) {
  const std::string race = ks.Text(21, 1) == " " ? "0" + ks.Text(22, 1) : ks.Text(21, 2);
  std::string line =
      "///" + ks.Text(1, 8) + ks.Text(18, 1) + std::string(venue_code2) + ks.Text(20, 1) + race;
  line += LastDigit(LastPresent(ks, kWinStart, kPayoutStep, 2, 3));
  line += LastDigit(LastPresent(ks, kPlaceStart, kPayoutStep, 2, 5));
  line += LastDigit(LastPresent(ks, kBracketStart, kBracketStep, 4, 3));
  line += LastDigit(LastPresent(ks, kQuinellaStart, kQuinellaStep, 6, 3));
  if (!ks.Present(kScratchedMarker, 1)) return line + "0///";
  std::string numbers;
  int listed = 0;
  for (size_t at = kScratchedStart; listed < 5 && ks.Present(at, 2); at += 3, ++listed) {
    std::string number = ks.Text(at, 2);
    if (number.starts_with(' ')) number[0] = '0';
    numbers += " " + number;
  }
  return line + LastDigit(listed) + "///" + Spaces(22) + "取消・除外馬番 :" + numbers;
}

// A going field gives itself when it starts with a blank, otherwise its first 2 characters.
std::string Going(const KsFile& ks, size_t position) {
  const std::string field = ks.Text(position, 3);
  return field.starts_with(' ') ? field : text::Left(field, 2);
}

std::string CourseAndGoing(const KsFile& ks, const jravan::RaceCardRecord& card) {
  const std::string first = text::Left(card.course, 1);
  const std::string second = text::Mid(card.course, 2, 1);
  const std::string distance = card.distance + "m";
  if (first == "1" || (first == "2" && (second == "1" || second == "2"))) {
    return "芝　　 " + distance + Going(ks, 27) + Spaces(4);
  }
  if (first == "2") return "ダート " + distance + Going(ks, 31) + Spaces(4);
  if (first == "5") return "障害　 " + distance + Going(ks, 27) + Going(ks, 31);
  return distance;
}

std::string HeadingLine(const ResultTextSources& s) {
  return text::Left(s.ks.Text(1, 8), 4) + "年 " + s.ks.Text(18, 1) + "回" +
         std::string(s.venue_name) + s.ks.Text(20, 1) + "日" + Spaces(2) +
         pat::BlankTensFullWidth(s.card.race_number) + "Ｒ" + Spaces(2) +
         CourseAndGoing(s.ks, s.card) + "サラ系" + AgeClassText(s.card.class_codes);
}

// 550 -> " 55 ", 545 -> "54.5".
std::string CarriedWeight(std::string_view w) {
  if (text::Right(w, 1) == "0") return " " + text::Left(w, 2) + " ";
  return text::Left(w, 2) + "." + text::Right(w, 1);
}

std::string SexText(std::string_view code) {
  if (code == "1") return "牡";
  if (code == "2") return "牝";
  if (code == "3") return "ｾﾝ";
  return {};
}

std::string HorseDetails(const ResultTextSources& s, int placing, Host& host,
                         bool& jockey_missing) {
  const long long number =
      text::ValInt(s.ks.Text(kPlacingStart + 2 + kPlacingStep * (placing - 1), 2));
  if (number < 1 || number > jravan::kEntries) return {};
  const jravan::HorseEntry& entry = s.card.entries[static_cast<size_t>(number - 1)];
  if (!entry.HasHorse()) return {};

  std::string out;
  std::string_view horse_bytes;
  const std::string id = text::EncodeCp932(entry.horse_id);
  for (size_t k = 1; k <= s.horses.count() && horse_bytes.empty(); ++k) {
    if (jravan::HorseRecord::IdOf(s.horses.Record(k)) == id) horse_bytes = s.horses.Record(k);
  }
  const jravan::HorseRecord horse = jravan::HorseRecord::Parse(horse_bytes);
  if (horse_bytes.empty()) {
    host.ShowMessage(entry.horse_id, kHorseNotFoundTitle, MessageIcon::kExclamation);
    out += text::Repeat(kBlank, kNameChars);
  } else {
    out += text::Left(horse.name, kNameChars);
  }
  out += s.ks.Text(kPlacingStart + 22 + kPlacingStep * (placing - 1), 6) + Spaces(2);
  out += SexText(entry.sex);
  if (horse_bytes.empty()) {
    out += Spaces(4);  // no birth date to count the age from
  } else {
    const int age =
        text::AgeInRaceYear(static_cast<int>(text::ValInt(s.card.year)),
                            static_cast<int>(text::ValInt(text::Left(horse.birth_date, 2))));
    out += (age < 10 ? " " : "") + std::to_string(age) + Spaces(2);
  }

  const std::string code = text::EncodeCp932(entry.jockey_code);
  std::string jockey;
  for (size_t k = 1; k <= s.jockeys.count() && jockey.empty(); ++k) {
    if (jravan::JockeyRecord::CodeOf(s.jockeys.Record(k)) != code) continue;
    const auto record = jravan::JockeyRecord::Parse(s.jockeys.Record(k));
    jockey = pat::JockeyShortName(record.family_name, record.given_name);
  }
  if (jockey.empty()) {
    jockey = text::Repeat(kBlank, 4);
    jockey_missing = true;
  }
  return out + jockey + Spaces(4) + CarriedWeight(entry.carried_weight);
}

// Horse number and amount of a win or place entry after the 6-column label.
std::string HorseAmount(const Entry& e) {
  return e.horse + Spaces(3) + e.amount;
}

std::string PairAmount(const Entry& e, bool quinella) {
  if (quinella) return text::Left(e.horse, 5) + Spaces(2) + e.amount;
  return text::Left(e.horse, 2) + " " + text::Mid(e.horse, 3, 1) + Spaces(2) + e.amount;
}

std::string PayoutLines(const KsFile& ks) {
  std::string out;
  const auto w = [&](int j) { return HorseEntry(ks, kWinStart, j); };
  const auto p = [&](int j) { return HorseEntry(ks, kPlaceStart, j); };
  const auto b = [&](int j) { return PairEntry(ks, false, j); };
  const auto q = [&](int j) { return PairEntry(ks, true, j); };

  pat::AddLine(out, "単勝  " + HorseAmount(w(1)) + Spaces(18) + "枠連" + Spaces(7) +
                        PairAmount(b(1), false));
  std::string line;
  if (w(2).present) line += Spaces(6) + HorseAmount(w(2));
  if (b(2).present) line += Spaces(19) + PairAmount(b(2), false);
  pat::AddLine(out, line);
  line = "複勝  " + HorseAmount(p(1));
  if (q(1).present) line += Spaces(18) + "馬連" + Spaces(6) + PairAmount(q(1), true);
  pat::AddLine(out, line);
  line = Spaces(6) + HorseAmount(p(2));
  if (q(2).present) line += Spaces(28) + PairAmount(q(2), true);
  pat::AddLine(out, line);
  line.clear();
  if (p(3).present) line += Spaces(6) + HorseAmount(p(3));
  if (q(3).present) line += Spaces(47) + PairAmount(q(3), true);
  pat::AddLine(out, line);
  for (int j = 4; j <= 5; ++j) pat::AddLine(out, p(j).present ? Spaces(6) + HorseAmount(p(j)) : "");
  return out;
}

// "新　馬", "未出走", "未勝利" for the newcomer and maiden codes; empty for any other.
std::string MaidenKind(std::string_view code) {
  if (code == "701") return "新　馬";
  if (code == "702") return "未出走";
  if (code == "703") return "未勝利";
  return {};
}

std::string N(std::string_view code) {
  return std::to_string(text::ValInt(code));
}

// Text of a group running alone: "4歳(未勝利)", "4歳(1000万下)".
std::string AloneText(std::string_view age, std::string_view code) {
  const std::string kind = MaidenKind(code);
  return std::string(age) + "(" + (kind.empty() ? N(code) + "00万下" : kind) + ")";
}

// An open race after earlier groups: "3歳以上(オープン)" up to `last_age` by the first
// character of the text so far; `otherwise` for any other text.
std::string OpenText(const std::string& so_far, int last_age, std::string otherwise) {
  for (int age = 3; age <= last_age; ++age) {
    if (so_far.starts_with(std::to_string(age))) return std::to_string(age) + "歳以上(オープン)";
  }
  return otherwise;
}

}  // namespace

std::string KsFile::Text(size_t position, size_t width) const {
  return text::DecodeField(bytes_, position - 1, width);
}

bool KsFile::Present(size_t position, size_t width) const {
  return !text::IsBlank(text::ByteField(bytes_, position - 1, width));
}

std::string KsFile::RaceKey(std::string_view venue_code2) const {
  std::string race = Text(21, 2);
  if (race.starts_with(' ')) race[0] = '0';
  return std::string(venue_code2) + Text(15, 2) + Text(18, 1) + Text(20, 1) + race;
}

std::string AgeClassText(const std::array<std::string, 4>& c) {
  std::string t;
  if (c[0] != "000") t = c[0] == "999" ? "3歳(オープン)" : AloneText("3歳", c[0]);
  if (c[1] != "000") {
    if (c[1] == "999")
      t = t.empty() ? "4歳(オープン)" : "3歳以上(オープン)";
    else
      t = t.empty() ? AloneText("4歳", c[1]) : "3歳以上(" + N(c[0]) + "00万下)";
  }
  if (c[2] != "000") {
    if (c[2] == "999")
      t = OpenText(t, 4, "5歳(オープン)");
    else
      t = t.empty() ? AloneText("5歳", c[2]) : "4歳以上(" + N(c[1]) + "00万下)";
  }
  if (c[3] != "000") {
    if (c[3] == "999") {
      t = OpenText(t, 5, "6歳以上(オープン)");
    } else if (t.empty()) {
      t = text::ValInt(c[3]) < 10 ? "6歳以上(" + N(c[3]) + "00万下)" : AloneText("6歳", c[3]);
    } else if (text::Mid(t, 3, 2) != "以上") {
      t = AloneText("5歳以上", c[2]);
    }
  }
  return t;
}

std::string PatResultText(const ResultTextSources& s, Host& host, bool& jockey_missing) {
  std::string out;
  pat::AddLine(out, DataLine(s.ks, s.venue_code2));
  pat::AddLine(out, "");
  pat::AddLine(out, HeadingLine(s));
  pat::AddLine(out, "");
  pat::AddLine(out, kColumnHeading);
  for (int i = 1; i <= kPlacings; ++i) {
    const size_t at = kPlacingStart + kPlacingStep * static_cast<size_t>(i - 1);
    if (!s.ks.Present(at, 1)) {
      if (i < kPlacings) pat::AddLine(out, "");
      continue;
    }
    pat::AddLine(out, vocab::FlipDigitWidth(s.ks.Text(at, 1)) + "着  " + s.ks.Text(at + 2, 2) +
                          Spaces(2) + HorseDetails(s, i, host, jockey_missing));
  }
  out += PayoutLines(s.ks);
  return out;
}

}  // namespace mirtote::results
