#include "pat/race_header.h"

#include "pat/race_conditions.h"
#include "pat/text_columns.h"
#include "text/chars.h"
#include "text/number.h"
#include "vocab/code_tables.h"

namespace mirtote::pat {

namespace {

constexpr size_t kRaceNameChars = 29;     // without an edition number
constexpr size_t kEditionNameChars = 26;  // less one per edition digit
constexpr int kSubjectNameColumns = 12;
constexpr size_t kSubjectNameChars = 6;

using vocab::FullWidthDigits;

// "0950" -> " 9:50", "1535" -> "15:35".
std::string PostTimeText(std::string_view hhmm) {
  const std::string hour =
      text::Left(hhmm, 1) == "0" ? " " + text::Mid(hhmm, 2, 1) : text::Left(hhmm, 2);
  return hour + ":" + text::Mid(hhmm, 3, 2);
}

std::string TitleLine(const jravan::RaceCardRecord& card, std::string_view venue_name,
                      std::string_view fetch_time) {
  std::string s = "【オッズ】";
  s += venue_name;
  s += "   " + BlankTensFullWidth(card.race_number) + "レース  ";
  s += "'" + FullWidthDigits(card.year) + "年 ";
  s += FullWidthDigits(card.meeting) + "回 ";
  s += FullWidthDigits(card.day) + "日目 ";
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
    s += "第" + FullWidthDigits(digits) + "回  ";
    s += text::Left(card.race_name, kEditionNameChars - digits.size());
  } else {
    s += text::Left(card.race_name, kRaceNameChars);
  }
  s += " 発走 " + PostTimeText(card.post_time);
  return s;
}

std::string ConditionsLine(const jravan::RaceCardRecord& card) {
  std::string s(14, ' ');
  s += ClassText(card.class_codes) + "  ";
  s += WeightRuleText(card.weight_rule);
  s += GradeText(card.grade);
  s += TrackText(card.course);
  s += card.distance + "m  ";
  s += text::ValInt(card.runners) < 10 ? " " + text::Right(card.runners, 1) : card.runners;
  s += "頭";
  return s;
}

// "05/10" from the record's month and day.
std::string DateText(const jravan::RaceCardRecord& card) {
  return text::Left(card.month_day, 2) + "/" + text::Mid(card.month_day, 3, 2);
}

// The first six characters of the race name, each counted as two columns; a half-width
// space stands for the spaces left to column 12 by the characters before it.
std::string SubjectRaceName(std::string_view race_name) {
  std::string out;
  int columns = 0;
  const std::string head = text::Left(race_name, kSubjectNameChars);
  for (size_t i = 0; i < head.size();) {
    const char32_t c = text::NextChar(head, i);
    if (c == U' ') {
      out.append(static_cast<size_t>(kSubjectNameColumns - columns), ' ');
    } else {
      text::AppendChar(out, c);
      columns += 2;
    }
  }
  return out;
}

}  // namespace

std::string BuildRaceHeader(const jravan::RaceCardRecord& card, std::string_view venue_name,
                            std::string_view fetch_time) {
  std::string out;
  AddLine(out, Rule('='));
  AddLine(out, TitleLine(card, venue_name, fetch_time));
  AddLine(out, RaceNameLine(card));
  AddLine(out, ConditionsLine(card));
  AddLine(out, Rule('-'));
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
