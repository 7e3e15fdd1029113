#include "results/race_report.h"

#include "results/payout_sections.h"
#include "text/chars.h"
#include "text/number.h"
#include "vocab/code_tables.h"

namespace mirtote::results {

namespace {

constexpr std::string_view kColumnHeader =
    "着順 番　 馬　　　　　名 　性齢 斤量  馬体重 騎　　手 タイム 着 差 人気   備考";

std::string Z(std::string_view field, size_t position) {
  return vocab::FlipDigitWidth(text::Mid(field, position, 1));
}

// A month or day pair with a leading "0" written as a blank.
std::string BlankZero(std::string pair) {
  if (text::Left(pair, 1) == "0") return " " + text::Mid(pair, 2, 1);
  return pair;
}

std::string EditionText(std::string_view edition) {
  if (edition == "000") return {};
  const long long n = text::ValInt(edition);
  return (n >= 10 && n <= 99 ? "第" : "第 ") + std::to_string(n) + "回 ";
}

std::string ShortTypeText(std::string_view code) {
  static constexpr std::pair<std::string_view, std::string_view> kTypes[] = {
      {"11", "３歳"},           {"12", "４歳"},          {"13", "４歳以上"},   {"14", "５歳以上"},
      {"18", "障害４歳以上"},   {"19", "障害５歳以上"},  {"21", "アラブ３歳"}, {"22", "アラブ４歳"},
      {"23", "アラブ４歳以上"}, {"24", "アラブ５歳以上"}};
  for (const auto& [key, text] : kTypes)
    if (key == code) return std::string(text);
  return "エラーだぞ！";
}

std::string ClassText(std::string_view code) {
  if (code == "701") return "　新　馬";
  if (code == "702") return "　未出走";
  if (code == "703") return "　未勝利";
  if (code == "999") return "　オープン";
  const long long limit = text::ValInt(code) * 100;
  return (limit == 1500 ? "" : " ") + std::to_string(limit) + "万円以下";
}

std::string GradeText(const ResultsRecord& r) {
  if (r.grade == "A") return "【Ｇ１】";
  if (r.grade == "B") return "【Ｇ２】";
  if (r.grade == "C") return "【Ｇ３】";
  if (r.grade == "D") return "《重賞》";
  if (r.grade == "E")
    return "　特別(" + std::to_string(text::ValInt(r.class_code)) + "00万円以下)　";
  return "　";
}

std::string TrackText(std::string_view track) {
  const std::string first = text::Left(track, 1);
  const std::string second = text::Mid(track, 2, 1);
  if (first == "1") return "芝";
  if (first == "2") return second == "1" || second == "2" ? "芝" : "ダート";
  if (first == "5") return "障害";
  return {};
}

std::string WeightRuleText(std::string_view code) {
  if (code == "1") return "　ハンデ";
  if (code == "2") return "　別定";
  if (code == "3") return "　馬齢";
  if (code == "4") return "　定量";
  return {};
}

std::string RaceHeader(const ResultsRecord& r, std::string_view venue_name) {
  std::string out;
  AddResultsLine(out, ResultsRule());
  AddResultsLine(out, "☆★競走成績情報★☆ " + MeetingText(r, venue_name) +
                          " 天候:" + vocab::DayWeatherGoingText("TENKOU" + r.weather) + " 馬場:" +
                          vocab::DayWeatherGoingText("BABA" + r.going) + " " + RaceDateText(r));

  const long long race = r.RaceNumber();
  std::string race_line = (race < 10 ? text::DecimalText(race) : std::to_string(race)) + "R ";
  if (r.HasRaceName()) {
    race_line += EditionText(r.edition) + text::Left(r.race_name, 30);
  } else {
    race_line += ShortTypeText(r.race_type) + ClassText(r.class_code);
  }
  AddResultsLine(out, race_line);

  // A known weight rule ends its line and leaves a blank line after it; any other does not.
  out += vocab::RaceTypeText(r.race_type) + GradeText(r) + TrackText(r.track) + r.distance + "m" +
         "　" + PayoutPicture(r.horse_count, 2) + "頭";
  const std::string rule = WeightRuleText(r.weight_rule);
  if (!rule.empty()) AddResultsLine(out, rule);
  AddResultsLine(out, "");

  AddResultsLine(out, kColumnHeader);
  AddResultsLine(out, ResultsRule());
  return out;
}

}  // namespace

std::string MeetingText(const ResultsRecord& r, std::string_view venue_name) {
  return Z(r.year, 1) + Z(r.year, 2) + "年" + Z(r.meeting, 1) + "回" + std::string(venue_name) +
         Z(r.day, 1) + "日目";
}

std::string RaceDateText(const ResultsRecord& r) {
  return r.year + "年" + BlankZero(text::Left(r.month_day, 2)) + "月" +
         BlankZero(text::Mid(r.month_day, 3, 2)) + "日" + "(" +
         vocab::DayWeatherGoingText("YOUBI" + r.weekday) + ")";
}

std::string RaceReport(const ResultsRecord& record, std::string_view venue_name,
                       const PlacingSources& sources, Host& host) {
  const char flag = DeadHeatFlag(record);
  std::string out = RaceHeader(record, venue_name);
  out += PlacingTable(record, sources, host);
  AddResultsLine(out, ResultsRule());
  out += PayoutSection(record, flag);
  out += PrizeSection(record, flag);
  return out;
}

}  // namespace mirtote::results
