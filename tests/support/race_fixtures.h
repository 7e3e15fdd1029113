#pragma once
// Race data for the tests: the writers of src/sample (race-card, horse and jockey files, PAT
// odds files) under the tests' names, and helpers for CR LF texts.

#include <initializer_list>
#include <string>
#include <vector>

#include "sample/race_data.h"

namespace mirtote::testing {

namespace fs = std::filesystem;

using sample::EntryFields;
using sample::HorseFields;
using sample::HorsesFor;
using sample::JockeyFields;
using sample::MakeEntries;
using sample::RaceCardFields;
using sample::SetBracket;
using sample::SetQuinella;
using sample::TwoDigits;
using sample::UoFor;
using sample::UoName;
using sample::WriteJockeys;
using sample::WriteMeeting;
using sample::WritePatFiles;
using sample::ZoFor;
using sample::ZoName;

inline std::string RaceCardBytes(const RaceCardFields& card) {
  return sample::RaceCardRecord(card);
}
inline std::string HorseBytes(const HorseFields& horse) {
  return sample::HorseRecord(horse);
}

// The lines joined, each followed by CR LF; and a CR LF text cut back into its lines.
std::string Lines(std::initializer_list<std::string> lines);
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace mirtote::testing
