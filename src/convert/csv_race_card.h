#pragma once
// Race name and conditions of an odds CSV race, from the race-card files: the program's own
// per-day files in DATA ("ORIGINAL") or TARGET's files below its DDATA folder ("TARGET").

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "shell/session.h"
#include "text/files.h"
#include "vocab/venues.h"

namespace mirtote::convert {

struct CardTexts {
  std::string race_name;   // up to 14 characters; empty when unknown
  std::string conditions;  // race type and class words; empty when unknown
};

enum class CardLookup { kFound, kNoFile, kNoRecord };

class CsvRaceCards {
 public:
  explicit CsvRaceCards(const Session& session);

  // Looks up the record of `key` (the 8-character race identity) of the meeting day
  // `date6` (yymmdd) at `venue`. Each race-card file is read once per conversion.
  CardLookup Find(std::string_view key, std::string_view date6, const vocab::Venue& venue,
                  CardTexts& texts);

 private:
  std::optional<std::filesystem::path> CardFile(std::string_view date6,
                                                const vocab::Venue& venue) const;
  const text::RecordFile* Records(const std::filesystem::path& path);

  bool target_ = false;
  std::filesystem::path folder_;  // DATA, or TARGET's DDATA
  std::map<std::filesystem::path, std::optional<text::RecordFile>> files_;
};

// The message of a lookup that found nothing; empty for kFound.
std::string_view CardLookupMessage(CardLookup lookup);

}  // namespace mirtote::convert
