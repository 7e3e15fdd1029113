#include "sample/sample_meeting.h"

#include <set>

#include "sample/dice.h"
#include "vocab/code_tables.h"
#include "vocab/venues.h"

namespace mirtote::sample {

namespace {

struct RaceTemplate {
  const char* post_time;
  const char* name;
  const char* race_type;
  const char* weight_rule;
  std::array<std::string, 4> classes;
  const char* distance;
  const char* course;
};

// Races 1-8 and 12 of every day; races 9 to 11 are the day's own.
const RaceTemplate kDayRaces[] = {
    {"0950", "４歳未勝利", "12", "3", {"000", "703", "000", "000"}, "1400", "24"},
    {"1020", "４歳未勝利", "12", "3", {"000", "703", "000", "000"}, "1600", "11"},
    {"1050", "４歳新馬", "12", "3", {"000", "701", "000", "000"}, "1400", "11"},
    {"1120", "障害４歳以上未勝利", "18", "4", {"000", "703", "703", "703"}, "3000", "51"},
    {"1210", "４歳５００万下", "12", "3", {"000", "005", "000", "000"}, "1600", "24"},
    {"1240", "４歳以上５００万下", "13", "4", {"000", "005", "005", "005"}, "2000", "11"},
    {"1310", "５歳以上９００万下", "14", "4", {"000", "000", "009", "009"}, "2100", "24"},
    {"1340", "４歳以上９００万下", "13", "4", {"000", "009", "009", "009"}, "1800", "11"},
    {"1620", "４歳以上９００万下", "13", "4", {"000", "009", "009", "009"}, "1600", "24"},
};

struct FeatureRace {
  const char* name;
  const char* edition;
  const char* grade;
  const char* weight_rule;
  std::array<std::string, 4> classes;
  const char* distance;
  const char* course = "11";
};

struct DayPlan {
  const char* venue_code;
  const char* day;
  const char* month_day;
  const char* weekday;
  std::array<int, 12> runners;
  std::array<FeatureRace, 3> features;  // races 9, 10 and 11
};

const std::array<std::string, 4> kOpen{"000", "999", "999", "999"};
const std::array<std::string, 4> kLimit16{"000", "016", "016", "016"};

const DayPlan kDays[] = {
    {"05",
     "7",
     "0509",
     "1",
     {16, 12, 8, 10, 14, 18, 9, 13, 15, 11, 16, 17},
     {{{"鎌倉特別", "000", "E", "4", kLimit16, "2400"},
       {"青嵐ステークス", "000", "E", "1", kOpen, "1400"},
       {"プリンシパルＳ", "000", "E", "2", {"000", "999", "000", "000"}, "2200"}}}},
    {"08",
     "7",
     "0509",
     "1",
     {13, 16, 10, 9, 14, 12, 11, 18, 8, 12, 14, 16},
     {{{"烏丸特別", "000", "E", "4", kLimit16, "1600"},
       {"鴨川ステークス", "000", "E", "1", kOpen, "1200"},
       {"京都新聞杯", "046", "B", "2", {"000", "999", "000", "000"}, "2200"}}}},
    {"05",
     "8",
     "0510",
     "2",
     {16, 12, 8, 10, 14, 18, 9, 13, 15, 11, 18, 17},
     {{{"陣馬特別", "000", "E", "2", kLimit16, "1400"},
       {"府中ステークス", "000", "E", "1", kOpen, "2000"},
       {"ＮＨＫマイルカップ", "003", "A", "4", {"000", "999", "000", "000"}, "1600"}}}},
    {"08",
     "8",
     "0510",
     "2",
     {14, 18, 11, 8, 16, 12, 10, 15, 9, 13, 16, 18},
     {{{"嵯峨野特別", "000", "E", "4", kLimit16, "1800"},
       {"比叡ステークス", "000", "E", "1", kOpen, "2400"},
       {"栗東ステークス", "000", "E", "1", kOpen, "1400", "24"}}}},
};

// Scratched horses: (day index, race, horse number). Each is in a bracket of two or more,
// so that every bracket pair stays on sale.
const std::set<std::array<int, 3>> kScratched = {{0, 6, 10}, {2, 6, 4}, {2, 11, 17}, {3, 2, 3}};

const char* const kNameHeads[] = {"サクラ", "マチカネ", "メイショウ", "エイシン", "ダイワ",
                                  "ニシノ", "シルク",   "タイキ",     "ヤマニン", "トウカイ",
                                  "マヤノ", "ホッカイ", "アドマイヤ", "キング"};
const char* const kNameTails[] = {
    "ローレル",   "ブライト",   "フラッシュ", "スピード",   "ハヤテ",       "ミラクル", "ドリーム",
    "サンライズ", "オーシャン", "グローリー", "スター",     "ヴィクトリー", "ウインド", "カイザー",
    "プリンセス", "ムーン",     "テイオー",   "フェアリー", "スプリンター"};

const JockeyFields kJockeys[] = {
    {"0101", "山田", "太郎"},   {"0102", "佐藤", "一郎"},     {"0103", "鈴木", "健"},
    {"0104", "高橋", "誠"},     {"0105", "田中", "勝"},       {"0106", "伊藤", "学"},
    {"0107", "渡辺", "力"},     {"0108", "中村", "翔太"},     {"0109", "小林", "修"},
    {"0110", "加藤", "剛"},     {"0111", "吉田", "豊"},       {"0112", "山本", "優"},
    {"0113", "林", "正人"},     {"0114", "森", "一"},         {"0115", "関", "浩二郎"},
    {"0116", "長谷川", "亮"},   {"0117", "佐々木", "大"},     {"0118", "五十嵐", "剛志"},
    {"0119", "Ｊ．スミス", ""}, {"0120", "Ｏ．マイヤー", ""}, {"0121", "松本", "武"},
    {"0122", "井上", "達也"},   {"0123", "木村", "光"},       {"0124", "清水", "悟"}};

std::string PostTimeMinus(const std::string& post, int minutes) {
  const int at = std::stoi(post.substr(0, 2)) * 60 + std::stoi(post.substr(2, 2)) - minutes;
  return TwoDigits(at / 60) + TwoDigits(at % 60);
}

SampleRace PlanRace(Dice& dice, int day_index, const DayPlan& plan, int race) {
  const RaceTemplate& base = kDayRaces[race <= 8 ? race - 1 : 8];
  RaceCardFields card{.venue_code = plan.venue_code,
                      .year = "98",
                      .meeting = "3",
                      .day = plan.day,
                      .race_number = TwoDigits(race),
                      .month_day = plan.month_day,
                      .weekday = plan.weekday,
                      .post_time = race >= 9 && race <= 11 ? std::string(race == 9    ? "1415"
                                                                         : race == 10 ? "1450"
                                                                                      : "1540")
                                                           : base.post_time,
                      .race_name = base.name,
                      .edition = "000",
                      .race_type = base.race_type,
                      .weight_rule = base.weight_rule,
                      .class_codes = base.classes,
                      .distance = base.distance,
                      .course = base.course,
                      .grade = " ",
                      .entries = {}};
  if (race >= 9 && race <= 11) {
    const FeatureRace& f = plan.features[static_cast<size_t>(race - 9)];
    card.race_name = f.name;
    card.edition = f.edition;
    card.grade = f.grade;
    card.race_type = "13";
    card.weight_rule = f.weight_rule;
    card.class_codes = f.classes;
    card.distance = f.distance;
    card.course = f.course;
  }

  const int runners = plan.runners[static_cast<size_t>(race - 1)];
  card.entries = MakeEntries(runners);
  const bool newcomers = card.class_codes[1] == "701";
  const int youngest = card.class_codes[1] != "000" ? 4 : 5;
  SampleRace out;
  std::set<std::string> names;
  for (int n = 1; n <= runners; ++n) {
    std::string name;
    do {
      name = std::string(kNameHeads[dice.Below(std::size(kNameHeads))]) +
             kNameTails[dice.Below(std::size(kNameTails))];
    } while (!names.insert(name).second);
    const int age = youngest + (card.class_codes[2] != "000" ? dice.Below(3) : 0);
    const std::string sex = std::string(1, "1112223"[dice.Below(7)]);
    const int birth_year = 98 - age + 1;
    EntryFields& entry = card.entries[static_cast<size_t>(n - 1)];
    // Unique over the meeting: birth year, venue digit, day, race and horse number.
    entry.horse_id =
        TwoDigits(birth_year) + plan.venue_code[1] + plan.day + TwoDigits(race) + TwoDigits(n);
    entry.sex = sex;
    entry.carried_weight = std::to_string((sex == "2" ? 530 : 550) + 10 * dice.Below(3));
    entry.jockey_code = kJockeys[(race * 7 + n + day_index * 5) % std::size(kJockeys)].code;
    out.horses.push_back(
        {.id = entry.horse_id,
         .name = name,
         .sex = sex,
         .birth_date =
             TwoDigits(birth_year) + TwoDigits(2 + dice.Below(4)) + TwoDigits(1 + dice.Below(28)),
         .body_weight = newcomers ? "000" : std::to_string(420 + dice.Below(110))});
    out.strengths.push_back(8 + dice.Below(60));
  }
  // One clear favourite; in the Sunday mile two long shots give four-digit quinella odds.
  out.strengths[static_cast<size_t>(dice.Below(runners))] *= 3;
  if (day_index == 2 && race == 11) out.strengths[14] = out.strengths[16] = 1;
  for (int n = 1; n <= runners; ++n) {
    if (kScratched.count({day_index, race, n})) out.strengths[static_cast<size_t>(n - 1)] = 0;
  }
  out.card = std::move(card);
  out.odds_time = PostTimeMinus(out.card.post_time, 10);
  return out;
}

}  // namespace

SampleMeeting PlanMeeting() {
  SampleMeeting meeting;
  meeting.jockeys.assign(std::begin(kJockeys), std::end(kJockeys));
  for (int i = 0; i < 12; ++i) {
    // Trainer code and name, padded; the program only copies this file.
    const std::string name = std::string("調教師") + vocab::FullWidthDigits(std::to_string(i + 1));
    meeting.trainers += "T" + TwoDigits(i + 1) + "  " + name + "\r\n";
  }
  Dice dice(19980509);
  for (int d = 0; d < static_cast<int>(std::size(kDays)); ++d) {
    const DayPlan& plan = kDays[d];
    const vocab::Venue* venue = vocab::VenueByCode2(plan.venue_code);
    SampleDay day{.venue_code = plan.venue_code,
                  .date8 = std::string("1998") + plan.month_day,
                  .stem = std::string(venue->name) + "1998" + plan.month_day,
                  .races = {}};
    for (int race = 1; race <= 12; ++race) day.races.push_back(PlanRace(dice, d, plan, race));
    meeting.days.push_back(std::move(day));
  }
  return meeting;
}

}  // namespace mirtote::sample
