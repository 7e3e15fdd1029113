// Results of the sample meeting: the finishing order drawn by strength, the payouts from the
// race's own odds, the results record and PAT's result file of each race.

#include <algorithm>
#include <map>

#include "sample/dice.h"
#include "sample/sample_meeting.h"
#include "text/cp932.h"

namespace mirtote::sample {

namespace {

// Horses that did not finish in the normal way, by venue, day, race and horse number:
// "2" excluded at the start, "4" did not finish. Scratched horses ("1") come from the odds.
const std::map<std::string, std::string> kAbnormal = {{"08708-05", "2"}, {"08812-07", "4"}};
// The race with a dead heat for 2nd, and the race whose 3rd horse is demoted.
constexpr const char* kDeadHeatRace = "05803";
constexpr const char* kDemotionRace = "05805";
const char* const kMargins[] = {"1  ", "A  ", "K  ", "H  ", " 12",
                                " 34", "112", "2  ", "3  ", "5  "};

std::string RaceId(const RaceCardFields& card) {
  return card.venue_code + card.day + card.race_number;
}

// Odds text to the payout for 100 yen: "12.3" -> "1230".
std::string Yen(const std::string& odds) {
  std::string tenths;
  for (char c : odds) {
    if (c >= '0' && c <= '9') tenths += c;
  }
  return std::to_string(std::stoll("0" + tenths) * 10);
}

// "m ss t" of a finishing time in tenths of a second.
std::string TimeDigits(int tenths) {
  return std::to_string(tenths / 600) + TwoDigits(tenths / 10 % 60) + std::to_string(tenths % 10);
}

int FinishTenths(const RaceCardFields& card, int position) {
  return std::stoi(card.distance) * 58 / 100 + 20 + 2 * position;
}

// Each horse's abnormal code (index = horse number): "0" finished normally.
std::vector<std::string> AbnormalCodes(const SampleRace& race) {
  const int runners = static_cast<int>(race.card.entries.size());
  std::vector<std::string> abnormal(static_cast<size_t>(runners) + 1, "0");
  for (int n = 1; n <= runners; ++n) {
    const auto it = kAbnormal.find(RaceId(race.card) + "-" + TwoDigits(n));
    if (race.strengths[static_cast<size_t>(n - 1)] == 0) abnormal[n] = "1";
    if (it != kAbnormal.end()) abnormal[n] = it->second;
  }
  return abnormal;
}

// The finishers in order: each place drawn among the horses left, in proportion to strength.
std::vector<int> FinishingOrder(const SampleRace& race, const std::vector<std::string>& abnormal,
                                Dice& dice) {
  const auto strength = [&](int n) { return race.strengths[static_cast<size_t>(n - 1)]; };
  std::vector<int> left, order;
  for (size_t n = 1; n < abnormal.size(); ++n) {
    if (abnormal[n] == "0") left.push_back(static_cast<int>(n));
  }
  while (!left.empty()) {
    int total = 0;
    for (int n : left) total += strength(n);
    int pick = dice.Below(total);
    size_t i = 0;
    for (; pick >= strength(left[i]); ++i) pick -= strength(left[i]);
    order.push_back(left[i]);
    left.erase(left.begin() + static_cast<long>(i));
  }
  return order;
}

// The race's own fields of the results record, from its race card.
ResultsFields RaceFields(const RaceCardFields& card) {
  ResultsFields r;
  r.venue_code = card.venue_code, r.year = card.year, r.meeting = card.meeting;
  r.day = card.day, r.race = card.race_number, r.month_day = card.month_day;
  r.weekday = card.weekday, r.race_type = card.race_type, r.weight_rule = card.weight_rule;
  r.class_code = "000";
  for (const std::string& code : card.class_codes) {
    if (code != "000") {
      r.class_code = code;
      break;
    }
  }
  r.distance = card.distance, r.track = card.course, r.race_name = card.race_name;
  r.edition = card.edition, r.grade = card.grade;
  r.weather = r.going = card.weekday == "1" ? "2" : "1";
  const int scale = card.grade == "A" ? 10 : 1;
  r.prize = {std::to_string(6500 * scale), std::to_string(2600 * scale),
             std::to_string(1600 * scale), std::to_string(980 * scale),
             std::to_string(650 * scale)};
  r.added = {"100", "29"};
  return r;
}

// Payouts for 100 yen at the race's own odds; with the dead heat the second pair pays too.
void SetPayouts(const SampleRace& race, const SampleOdds& odds, const std::vector<int>& order,
                bool dead_heat, ResultsFields& r) {
  const RaceCardFields& card = race.card;
  const int runners = static_cast<int>(card.entries.size());
  const pat::ZoContent& zo = odds.zo;
  const auto brackets = [&](int a, int b) {
    const int fa = card.entries[static_cast<size_t>(a - 1)].bracket[0] - '0';
    const int fb = card.entries[static_cast<size_t>(b - 1)].bracket[0] - '0';
    return std::pair{std::min(fa, fb), std::max(fa, fb)};
  };
  const auto bracket_odds = [&](int a, int b) {
    const auto [fa, fb] = brackets(a, b);
    return zo.brackets[static_cast<size_t>(pat::BracketSlotOf(fa, fb) - 1)].odds;
  };
  const auto bracket_pair = [&](int a, int b) {
    const auto [fa, fb] = brackets(a, b);
    return std::to_string(fa) + std::to_string(fb) + ":" + Yen(bracket_odds(a, b));
  };
  // Up to 8 runners every bracket holds one horse: the quinella pays as the bracket pair.
  const auto quinella = [&](int a, int b) {
    const int slot = pat::QuinellaSlotOf(std::min(a, b), std::max(a, b), runners);
    return TwoDigits(std::min(a, b)) + TwoDigits(std::max(a, b)) + ":" +
           Yen(odds.uo ? odds.uo->pairs[static_cast<size_t>(slot - 1)].odds : bracket_odds(a, b));
  };
  const auto horse = [&](int n) { return zo.horses[static_cast<size_t>(n - 1)]; };
  r.win = {TwoDigits(order[0]) + ":" + Yen(horse(order[0]).win)};
  r.place = {};
  for (size_t i = 0; i < 3 && i < order.size(); ++i) {
    r.place[i] = TwoDigits(order[i]) + ":" + Yen(horse(order[i]).place_low);
  }
  r.bracket = {bracket_pair(order[0], order[1])};
  r.quinella = {quinella(order[0], order[1])};
  if (dead_heat) {
    r.bracket[1] = bracket_pair(order[0], order[2]);
    r.quinella[1] = quinella(order[0], order[2]);
  }
}

}  // namespace

ResultsFields SampleResult(const SampleRace& race, const SampleOdds& odds) {
  const RaceCardFields& card = race.card;
  const int runners = static_cast<int>(card.entries.size());
  std::vector<std::string> abnormal = AbnormalCodes(race);
  Dice dice(std::stoull(card.year + card.month_day + card.race_number + card.venue_code));
  const std::vector<int> order = FinishingOrder(race, abnormal, dice);
  std::vector<int> position(static_cast<size_t>(runners) + 1, 0);
  for (size_t i = 0; i < order.size(); ++i) position[order[i]] = static_cast<int>(i) + 1;
  const bool dead_heat = RaceId(card) == kDeadHeatRace;
  if (dead_heat) position[order[2]] = 2;
  if (RaceId(card) == kDemotionRace) abnormal[order[2]] = "7";

  // Popularity: the order of the strengths.
  std::vector<int> by_strength;
  for (int n = 1; n <= runners; ++n) by_strength.push_back(n);
  std::stable_sort(by_strength.begin(), by_strength.end(), [&](int a, int b) {
    return race.strengths[static_cast<size_t>(a - 1)] > race.strengths[static_cast<size_t>(b - 1)];
  });

  ResultsFields r = RaceFields(card);
  for (int n = 1; n <= runners; ++n) {
    const EntryFields& entry = card.entries[static_cast<size_t>(n - 1)];
    const HorseFields& horse = race.horses[static_cast<size_t>(n - 1)];
    const int place = position[n];
    SlotFields slot;
    slot.position = TwoDigits(place);
    slot.abnormal = abnormal[n];
    slot.demotion = abnormal[n] == "7" ? "02" : "  ";
    slot.margin = place > 1 ? kMargins[(place + std::stoi(card.race_number)) % 10] : "   ";
    if (dead_heat && n == order[2]) slot.margin = "D  ";  // 同着
    slot.time = place > 0 ? TimeDigits(FinishTenths(card, place)) : "0000";
    slot.weight = entry.carried_weight;
    slot.body_weight = horse.body_weight == "000" || abnormal[n] == "1"
                           ? "000"
                           : std::to_string(std::stoi(horse.body_weight) + dice.Below(13) - 6);
    slot.horse_id = entry.horse_id;
    slot.jockey = entry.jockey_code;
    const auto rank = std::find(by_strength.begin(), by_strength.end(), n) - by_strength.begin();
    slot.popularity = abnormal[n] == "1" ? "00" : TwoDigits(static_cast<int>(rank) + 1);
    r.horse_results.push_back(slot);
  }
  SetPayouts(race, odds, order, dead_heat, r);
  return r;
}

std::string SampleKsFile(const SampleRace& race, const ResultsFields& result) {
  const RaceCardFields& card = race.card;
  std::string k(560, ' ');
  const int number = std::stoi(card.race_number);
  PutField(k, 0, "19" + card.year + card.month_day);
  PutField(
      k, 14,
      card.year + "0" + card.meeting + "0" + card.day + RightAligned(std::to_string(number), 2));
  PutField(k, 26, text::EncodeCp932(result.going == "1" ? "良" : "稍") + " ");
  PutField(k, 30, text::EncodeCp932("良") + " ");
  // The first three placings, by position then horse number.
  std::vector<std::pair<int, int>> placed;
  for (size_t i = 0; i < result.horse_results.size(); ++i) {
    const int place = std::stoi(result.horse_results[i].position);
    if (place > 0) placed.push_back({place, static_cast<int>(i) + 1});
  }
  std::sort(placed.begin(), placed.end());
  for (size_t i = 0; i < 3 && i < placed.size(); ++i) {
    const auto [place, n] = placed[i];
    const std::string time = TimeDigits(FinishTenths(card, place));
    PutField(k, 90 + 40 * i, std::to_string(place) + " " + RightAligned(std::to_string(n), 2));
    PutField(k, 112 + 40 * i, time.substr(0, 1) + "." + time.substr(1, 2) + "." + time.substr(3));
  }
  const auto payouts = [&](size_t start, size_t step, auto entries, bool pair_digits) {
    for (size_t i = 0; i < entries.size(); ++i) {
      const std::string& e = entries[i];
      if (e.empty()) continue;
      const std::string number = e.substr(0, e.find(':')), yen = e.substr(e.find(':') + 1);
      std::string label = RightAligned(std::to_string(std::stoi(number)), 2);
      if (number.size() == 2 && pair_digits) label = number.substr(0, 1) + "-" + number.substr(1);
      if (number.size() == 4) label = number.substr(0, 2) + "-" + number.substr(2);
      PutField(k, start + step * i, label + RightAligned(yen, 8));
    }
  };
  payouts(374, 10, result.win, false);
  payouts(404, 10, result.place, false);
  payouts(455, 12, result.bracket, true);
  payouts(491, 14, result.quinella, false);
  int scratched = 0;
  for (size_t i = 0; i < result.horse_results.size(); ++i) {
    if (result.horse_results[i].abnormal != "1") continue;
    PutField(k, 532, "1");
    PutField(k, 534 + 3 * static_cast<size_t>(scratched++), RightAligned(std::to_string(i + 1), 2));
  }
  return k;
}

}  // namespace mirtote::sample
