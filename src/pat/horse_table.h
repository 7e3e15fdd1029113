#pragma once
// The horse table of a race's odds text: the column heading and one line per horse with
// bracket, number, win and place odds, name, sex and age, previous body weight, jockey and
// carried weight.

#include <string>
#include <string_view>

#include "jravan/race_card_record.h"
#include "pat/pat_file.h"
#include "shell/host.h"
#include "text/files.h"

namespace mirtote::pat {

// Finds horses in a day's horse file. Each search first tries the record after the
// previous horse's (the file holds the horses in race-card order), then the whole file.
class HorseFinder {
 public:
  explicit HorseFinder(const text::RecordFile& file) : file_(file) {}
  // The record of `horse_id` (CP932 bytes), or an empty view when the file has none.
  std::string_view Find(std::string_view horse_id);

 private:
  const text::RecordFile& file_;
  size_t previous_ = 0;  // record number of the previous horse found, 0 for none
};

struct HorseTableSources {
  const jravan::RaceCardRecord& card;  // the race's own race-card record
  const ZoReader& zo;                  // its ZO file
  const text::RecordFile& horses;      // the day's horse file (1825-byte records)
  const text::RecordFile& jockeys;     // the jockey file (1065-byte records)
};

// The heading and the horse lines, each ending with CR LF. A horse missing from the horse
// file is reported through `host` ("登録馬パラメータエラー") and written with blank name,
// sex-and-age and body-weight columns; a jockey missing from the jockey file gets a blank
// name and sets `jockey_missing`.
std::string BuildHorseTable(const HorseTableSources& sources, Host& host, bool& jockey_missing);

}  // namespace mirtote::pat
