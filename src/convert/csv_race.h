#pragma once
// One race of an odds CSV file: its header from the race's first line and its horse,
// bracket and quinella slots filled line by line (one line per horse).

#include <optional>
#include <string>
#include <vector>

#include "convert/source_lines.h"
#include "pat/pat_file.h"

namespace mirtote::convert {

// The race identity of a line: venue code, year, meeting, day and race number.
std::string CsvRaceIdentity(const SourceLine& line);

class CsvRace {
 public:
  // Starts a race from its first line; `date6` is the meeting date of the file name. On
  // malformed text `error` gets the reason; `unknown_venue` is set when the reason is a
  // venue code that is not one of the ten.
  static std::optional<CsvRace> Start(const SourceLine& line, std::string_view date6,
                                      std::string& error, bool& unknown_venue);

  // Fills the slots of the line's horse; false with the reason on malformed text.
  bool AddHorse(const SourceLine& line, std::string& error);

  void SetCardTexts(std::string race_name, std::string conditions);

  // Horse numbers 1 to the runner count that no line filled, in order.
  std::vector<int> MissingHorses() const;

  const std::string& identity() const { return identity_; }
  const pat::ZoContent& zo() const { return zo_; }
  // The quinella file's content; nothing for 8 runners or fewer.
  std::optional<pat::UoContent> uo() const;
  // File name of `kind` in `layout` ("1" as day character in the PAT31 layout).
  std::string FileName(pat::PatKind kind, pat::PatLayout layout) const;

 private:
  CsvRace() = default;

  std::string identity_;
  pat::ZoContent zo_;
  std::vector<pat::PairOdds> pairs_;
  std::vector<bool> seen_;  // by horse number - 1
  int runners_ = 0;
  int singles_ = 0;  // brackets that hold one horse
  char venue_char_ = 0;
  char day_char_ = 0;
  char race_char_ = 0;
};

}  // namespace mirtote::convert
