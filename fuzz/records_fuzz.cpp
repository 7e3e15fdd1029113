// The JRA-VAN record files of a day (race-card, horse, jockey and results files) with a ZO
// file, joined with the file separator, through the record readers and the parts of a race's
// text built from them.

#include <algorithm>

#include "fuzz/fuzz_input.h"
#include "jravan/race_card_record.h"
#include "pat/horse_table.h"
#include "pat/race_header.h"
#include "results/results_record.h"
#include "text/files.h"

using namespace mirtote;

namespace {

// Records read per file: enough for a day, few enough to keep each input quick.
constexpr size_t kRecordsRead = 40;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto files = fuzz::SplitFiles(data, size, 5);
  const text::RecordFile cards(std::string(files[0]), jravan::kRaceCardLength);
  const text::RecordFile horses(std::string(files[1]), jravan::kHorseLength);
  const text::RecordFile jockeys(std::string(files[2]), jravan::kJockeyLength);
  const pat::ZoReader zo(files[3]);
  const text::RecordFile results(std::string(files[4]), results::kResultsLength);
  QuietHost host;

  // A short tail after the last whole record is read as a record too.
  for (size_t k = 1; k <= std::min(cards.count() + 1, kRecordsRead); ++k) {
    const std::string_view record =
        k <= cards.count() ? cards.Record(k)
                           : std::string_view(files[0]).substr((k - 1) * jravan::kRaceCardLength);
    const auto card = jravan::RaceCardRecord::Parse(record);
    if (jravan::RaceCardRecord::KeyOf(record).size() > 8) __builtin_trap();
    bool jockey_missing = false;
    fuzz::CheckText(pat::BuildRaceHeader(card, "東京", " 9:05"));
    fuzz::CheckText(pat::BuildSubjectLine(card, "東京", "15:35", k % 2 == 0));
    fuzz::CheckText(pat::BuildHorseTable({card, zo, horses, jockeys}, host, jockey_missing));
  }
  for (size_t k = 1; k <= std::min(horses.count(), kRecordsRead); ++k) {
    fuzz::CheckText(jravan::HorseRecord::Parse(horses.Record(k)).name);
  }
  for (size_t k = 1; k <= std::min(jockeys.count(), kRecordsRead); ++k) {
    fuzz::CheckText(jravan::JockeyRecord::Parse(jockeys.Record(k)).family_name);
  }
  for (int race = 0; race <= 13; ++race) {
    if (const auto record = results::FindRace(results, race)) {
      fuzz::CheckText(record->race_name);
      if (record->HorsesInUse() < 0 || record->HorsesInUse() > 18) __builtin_trap();
    }
  }
  return 0;
}
