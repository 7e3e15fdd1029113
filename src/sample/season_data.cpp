#include "sample/season_data.h"

#include <array>
#include <string>

#include "sample/race_data.h"
#include "vocab/venues.h"

namespace mirtote::sample {

namespace {

constexpr int kRacesPerDay = 12;
constexpr int kRunners = 18;
constexpr std::array<const char*, 3> kDayVenues = {"05", "08", "09"};  // 東京, 京都, 阪神

std::string VenueName(const std::string& code2) {
  const vocab::Venue* venue = vocab::VenueByCode2(code2);
  return venue ? std::string(venue->name) : "";
}

RaceCardFields Card(const std::string& venue, int year, int month, int day, int race) {
  RaceCardFields card;
  card.venue_code = venue;
  card.year = TwoDigits(year % 100);
  card.meeting = std::to_string(1 + month % 5);
  card.day = std::to_string(1 + day % 8);
  card.race_number = TwoDigits(race);
  card.month_day = TwoDigits(month) + TwoDigits(day);
  card.post_time = std::to_string(1000 + race * 30 % 60 + (race / 2) * 100);
  card.race_name = "レース" + TwoDigits(race);
  card.entries = MakeEntries(kRunners);
  for (size_t i = 0; i < card.entries.size(); ++i) {
    card.entries[i].jockey_code = std::to_string(1000 + (race * 37 + i * 53) % 1000);
  }
  return card;
}

}  // namespace

void WriteSeasons(const std::filesystem::path& start, const SeasonsShape& shape) {
  const auto data = start / "DATA";
  const auto pat = start / "FILE";
  // Where the default settings put the posting script ("File" below the PAT folder).
  std::filesystem::create_directories(pat / "File");

  // Past days: ten venues in turn over the seasons before the day, 12 races each.
  const int past = shape.race_card_files > 3 ? shape.race_card_files - 3 : 0;
  for (int i = 0; i < past; ++i) {
    const std::string venue = TwoDigits(1 + i % 10);
    const int year = 1988 + i * 10 / (past + 1);
    const int month = 1 + (i / 10) % 12, day = 1 + (i / 120) % 28;
    std::string den;
    for (int race = 1; race <= kRacesPerDay; ++race) {
      den += RaceCardRecord(Card(venue, year, month, day, race));
    }
    WriteBytes(data / (VenueName(venue) + std::to_string(year) + TwoDigits(month) + TwoDigits(day) +
                       ".DEN"),
               den);
  }

  std::vector<JockeyFields> jockeys;
  for (int j = 0; j < shape.jockeys; ++j) {
    jockeys.push_back({std::to_string(1000 + j), "騎手", "名" + std::to_string(j)});
  }
  WriteJockeys(data, jockeys);

  // The day: a later season than every past day.
  for (const char* venue : kDayVenues) {
    std::vector<RaceCardFields> cards;
    for (int race = 1; race <= kRacesPerDay; ++race) {
      cards.push_back(Card(venue, 1999, 12, 28, race));
      const pat::ZoContent zo = ZoFor(cards.back(), kRunners);
      WritePatFiles(pat, ZoName(cards.back()), zo, UoName(cards.back()), UoFor(zo, kRunners));
    }
    WriteMeeting(data, VenueName(venue) + "19991228", cards, HorsesFor(cards.front()));
  }
}

}  // namespace mirtote::sample
