#pragma once
// The results text of one race from PAT's result file (KS file): the data line with the
// payout counts and the scratched horses, the heading, the placings with each horse's
// details from the race card, horse and jockey files, and the payout lines.

#include <array>
#include <string>
#include <string_view>

#include "jravan/race_card_record.h"
#include "shell/host.h"
#include "text/files.h"

namespace mirtote::results {

// Positions of a KS file read as text (1-based byte positions).
class KsFile {
 public:
  explicit KsFile(std::string_view bytes) : bytes_(bytes) {}
  // `width` bytes from `position`, decoded; shorter at the end of the file.
  std::string Text(size_t position, size_t width) const;
  // True when the `width` bytes from `position` are not all blank (missing bytes are blank).
  bool Present(size_t position, size_t width) const;
  // The race key of the race: venue code, year, meeting, day and race number.
  std::string RaceKey(std::string_view venue_code2) const;

 private:
  std::string_view bytes_;
};

struct ResultTextSources {
  const KsFile& ks;
  const jravan::RaceCardRecord& card;  // the race's race-card record
  std::string_view venue_name;         // "東京"
  std::string_view venue_code2;        // "05"
  const text::RecordFile& horses;      // the day's horse file
  const text::RecordFile& jockeys;     // the jockey file
};

// The race's text, each line ending in CR LF. A horse missing from the horse file is
// reported through `host` ("登録馬パラメータエラー"); a missing jockey sets `jockey_missing`.
std::string PatResultText(const ResultTextSources& sources, Host& host, bool& jockey_missing);

// The class text of the race-card class codes of the 3-, 4-, 5- and 6-year-old groups
// ("3歳以上(500万下)").
std::string AgeClassText(const std::array<std::string, 4>& codes);

}  // namespace mirtote::results
