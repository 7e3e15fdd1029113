#include "pat/horse_table.h"

#include "pat/jockey_name.h"
#include "pat/odds_field.h"
#include "pat/text_columns.h"
#include "text/century.h"
#include "text/chars.h"
#include "text/cp932.h"
#include "text/number.h"
#include "vocab/code_tables.h"

namespace mirtote::pat {

namespace {

constexpr std::string_view kHeading =
    "枠番 馬番  単勝    複勝           馬  名          性齢 馬体重(前)  騎  手  斤量";
constexpr std::string_view kHorseNotFoundTitle = "登録馬パラメータエラー";
constexpr std::string_view kJockeyNotFound = "　　　　";
constexpr std::string_view kScratchedWin = "-----  ";
constexpr std::string_view kScratchedPlace = "--------- ";
constexpr std::string_view kScratchedWeight = "  出走取消 ";

// Column widths in display columns (each including its trailing spaces).
constexpr int kBracketColumns = 6;
constexpr int kNameColumns = 23;
constexpr int kSexAgeColumns = 5;
constexpr int kBodyWeightColumns = 11;
constexpr size_t kNameChars = 11;

std::string Blanks(int columns) {
  return std::string(static_cast<size_t>(columns), ' ');
}

std::string SexText(std::string_view code) {
  if (code == "1") return "　";
  if (code == "2") return "牝";
  if (code == "3") return "ｾﾝ";
  return {};
}

std::string SexAgeColumn(const jravan::HorseRecord& horse, std::string_view race_year) {
  const int age =
      text::AgeInRaceYear(static_cast<int>(text::ValInt(race_year)),
                          static_cast<int>(text::ValInt(text::Left(horse.birth_date, 2))));
  // An unknown sex code writes no sex; the column keeps its width.
  return FitColumns(SexText(horse.sex) + SmallNumberText(age), kSexAgeColumns - 1) + " ";
}

// "000", "999" and blanks mean the weight is not known.
bool KnownWeight(std::string_view weight) {
  if (weight.size() != 3) return false;
  for (char c : weight)
    if (c < '0' || c > '9') return false;
  return weight != "000" && weight != "999";
}

std::string BodyWeightColumn(std::string_view weight) {
  if (!KnownWeight(weight)) return Blanks(kBodyWeightColumns);
  return "     (" + std::string(weight) + ") ";
}

// 550 -> "55.0".
std::string CarriedWeight(std::string_view tenths) {
  if (tenths.size() != 3 || text::DisplayWidth(tenths) != 3) return "    ";
  return std::string(tenths.substr(0, 2)) + "." + std::string(tenths.substr(2, 1));
}

std::string JockeyColumn(std::string_view code, const text::RecordFile& jockeys,
                         bool& jockey_missing) {
  const std::string wanted = text::EncodeCp932(code);
  for (size_t k = 1; k <= jockeys.count(); ++k) {
    const std::string_view record = jockeys.Record(k);
    if (jravan::JockeyRecord::CodeOf(record) != wanted) continue;
    const auto jockey = jravan::JockeyRecord::Parse(record);
    return FitColumns(JockeyShortName(jockey.family_name, jockey.given_name), 8) + " ";
  }
  jockey_missing = true;
  return std::string(kJockeyNotFound) + " ";
}

}  // namespace

std::string_view HorseFinder::Find(std::string_view horse_id) {
  const size_t next = previous_ + 1;
  if (next <= file_.count() && jravan::HorseRecord::IdOf(file_.Record(next)) == horse_id) {
    previous_ = next;
    return file_.Record(next);
  }
  for (size_t k = 1; k <= file_.count(); ++k) {
    if (jravan::HorseRecord::IdOf(file_.Record(k)) == horse_id) {
      previous_ = k;
      return file_.Record(k);
    }
  }
  previous_ = 0;
  return {};
}

std::string BuildHorseTable(const HorseTableSources& sources, Host& host, bool& jockey_missing) {
  std::string out;
  AddLine(out, kHeading);
  HorseFinder finder(sources.horses);
  std::string previous_bracket;
  for (int number = 1; number <= jravan::kEntries; ++number) {
    const jravan::HorseEntry& entry = sources.card.entries[number - 1];
    if (!entry.HasHorse()) continue;

    std::string line;
    if (entry.bracket != previous_bracket) {
      line += FitColumns("(" + vocab::FlipDigitWidth(entry.bracket) + ")", kBracketColumns);
    } else {
      line += Blanks(kBracketColumns);
    }
    previous_bracket = entry.bracket;
    line += SmallNumberText(number) + "  ";

    const std::string win = OddsFieldText(sources.zo.WinOdds(number), 5);
    const bool scratched = win == kScratched5;
    if (scratched) {
      line += kScratchedWin;
      line += kScratchedPlace;
    } else {
      const std::string low = OddsFieldText(sources.zo.PlaceLow(number), 5);
      const std::string high = OddsFieldText(sources.zo.PlaceHigh(number), 5);
      line += win + "  " + text::Right(low, 4) + "-" + text::Right(high, 4) + " ";
    }

    const std::string_view record = finder.Find(text::EncodeCp932(entry.horse_id));
    if (record.empty()) {
      host.ShowMessage(entry.horse_id, kHorseNotFoundTitle, MessageIcon::kExclamation);
      line += Blanks(kNameColumns) + Blanks(kSexAgeColumns);
      line += scratched ? std::string(kScratchedWeight) : Blanks(kBodyWeightColumns);
    } else {
      const auto horse = jravan::HorseRecord::Parse(record);
      line += FitColumns(text::Left(horse.name, kNameChars), kNameColumns - 1) + " ";
      line += SexAgeColumn(horse, sources.card.year);
      line += scratched ? std::string(kScratchedWeight) : BodyWeightColumn(horse.body_weights[0]);
    }
    line += JockeyColumn(entry.jockey_code, sources.jockeys, jockey_missing);
    line += CarriedWeight(entry.carried_weight);
    AddLine(out, line);
  }
  return out;
}

}  // namespace mirtote::pat
