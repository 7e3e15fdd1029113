#include "pat/race_header.h"

#include <algorithm>

#include "pat/race_conditions.h"
#include "text/chars.h"
#include "text/number.h"
#include "vocab/code_tables.h"

namespace mirtote::pat {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr int kLineColumns = 79;
constexpr size_t kRaceNameChars = 29;     // without an edition number
constexpr size_t kEditionNameChars = 26;  // less one per edition digit
constexpr int kSubjectNameColumns = 12;
constexpr size_t kSubjectNameChars = 6;

std::string Line(std::string_view text) {
  return std::string(text) + std::string(kCrLf);
}

std::string FullWidth(std::string_view digits) {
  return vocab::FullWidthDigits(digits);
}

// "0950" -> " 9:50", "1535" -> "15:35".
std::string PostTimeText(std::string_view hhmm) {
  const std::string tens = text::Left(hhmm, 1);
  const std::string hour = tens == "0" ? " " + text::Mid(hhmm, 2, 1) : text::Left(hhmm, 2);
  return hour + ":" + text::Mid(hhmm, 3, 2);
}

std::string TitleLine(const jravan::RaceCardRecord& card, std::string_view venue_name,
                      std::string_view fetch_time) {
  std::string s = "【オッズ】";
  s += venue_name;
  s += "   " + BlankTensFullWidth(card.race_number) + "レース  ";
  s += "'" + FullWidth(card.year) + "年 ";
  s += FullWidth(card.meeting) + "回 ";
  s += FullWidth(card.day) + "日目 ";
  s += BlankTensFullWidth(text::Left(card.month_day, 2)) + "月 ";
  s += BlankTensFullWidth(text::Mid(card.month_day, 3, 2)) + "日";
  s += "（" + vocab::DayWeatherGoingText("YOUBI" + card.weekday) + "） ";
  s += "取得 " + std::string(fetch_time);
  return s;
}

std::string RaceNameLine(const jravan::RaceCardRecord& card) {
  std::string s(10, ' ');
  const long long edition = text::ValInt(card.edition);
  if (edition != 0) {
    const std::string digits = std::to_string(edition);
    s += "第" + FullWidth(digits) + "回  ";
    s += text::Left(card.race_name, kEditionNameChars - digits.size());
  } else {
    s += text::Left(card.race_name, kRaceNameChars);
  }
  s += " 発走 " + PostTimeText(card.post_time);
  return s;
}

std::string RunnersText(std::string_view runners) {
  if (text::ValInt(runners) < 10) return " " + text::Right(runners, 1);
  return std::string(runners);
}

std::string ConditionsLine(const jravan::RaceCardRecord& card) {
  std::string s(14, ' ');
  s += ClassText(card.class_codes) + "  ";
  s += WeightRuleText(card.weight_rule);
  s += GradeText(card.grade);
  s += TrackText(card.course);
  s += card.distance + "m  ";
  s += RunnersText(card.runners) + "頭";
  return s;
}

// "05/10" from the record's month and day.
std::string DateText(const jravan::RaceCardRecord& card) {
  return text::Left(card.month_day, 2) + "/" + text::Mid(card.month_day, 3, 2);
}

// The first characters of the race name in 12 columns, each counted as full width; a
// half-width space fills the rest of the 12 columns.
std::string SubjectRaceName(std::string_view race_name) {
  std::string out;
  int columns = 0;
  const std::string head = text::Left(race_name, kSubjectNameChars);
  for (size_t i = 0; i < head.size();) {
    const char32_t c = text::NextChar(head, i);
    if (c == U' ') {
      const int fill = std::max(0, kSubjectNameColumns - columns);
      out.append(static_cast<size_t>(fill), ' ');
      columns += fill;
    } else {
      text::AppendChar(out, c);
      columns += 2;
    }
  }
  return out;
}

}  // namespace

std::string BlankTensFullWidth(std::string_view two_digits) {
  const std::string tens = text::Left(two_digits, 1);
  const std::string ones = text::Mid(two_digits, 2, 1);
  return (tens == "0" ? std::string("　") : vocab::FlipDigitWidth(tens)) +
         vocab::FlipDigitWidth(ones);
}

std::string BuildRaceHeader(const jravan::RaceCardRecord& card, std::string_view venue_name,
                            std::string_view fetch_time) {
  std::string out = Line(text::Repeat("=", kLineColumns));
  out += Line(TitleLine(card, venue_name, fetch_time));
  out += Line(RaceNameLine(card));
  out += Line(ConditionsLine(card));
  out += Line(text::Repeat("-", kLineColumns));
  return out;
}

std::string BuildSubjectLine(const jravan::RaceCardRecord& card, std::string_view venue_name,
                             std::string_view fetch_time, bool advance_sale) {
  std::string s = DateText(card);
  if (advance_sale) {
    s += "【前売】" + SubjectRaceName(card.race_name) + " ";
  } else {
    s +=
        "  【 " + std::string(venue_name) + " " + BlankTensFullWidth(card.race_number) + "Ｒ】    ";
  }
  return s + "[取得" + std::string(fetch_time) + "]";
}

}  // namespace mirtote::pat
