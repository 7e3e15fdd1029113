#pragma once
// Odds CSV conversion: TARGET's odds files (OD + yymmdd + .CSV, one line per horse) to
// pseudo-PAT files, one ZO file per race and a UO file for more than 8 runners, with race
// name and conditions from the race-card files.

#include <filesystem>
#include <vector>

#include "convert/conversion.h"
#include "shell/session.h"

namespace mirtote::convert {

struct OddsCsvRequest {
  std::vector<std::filesystem::path> files;  // in the order chosen; relative to the start folder
};

using OddsCsvResult = ConversionResult;

// Converts the files one after the other, each with its progress and its end message; each
// file is read line by line and each of its pseudo-PAT files written once. A race without its
// race card is written with blank name and conditions after a message; a race whose horses
// lack lines is written with those horses blank after a message naming them.
OddsCsvResult ConvertOddsCsvFiles(const OddsCsvRequest& request, const Session& session);

}  // namespace mirtote::convert
