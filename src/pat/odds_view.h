#pragma once
// The newspaper-style odds output: the chosen races of one venue and meeting day, read from
// the pseudo-PAT folder and laid out as win, place and bracket-quinella sheets or quinella
// triangles, as one text for the odds viewer.

#include <filesystem>
#include <string>
#include <vector>

#include "pat/newspaper_sheet.h"
#include "shell/session.h"

namespace mirtote::pat {

struct OddsViewRequest {
  std::filesystem::path folder;  // the pseudo-PAT folder (OddsViewFolder)
  OddsSheetKind kind = OddsSheetKind::kWinPlaceBracket;
  char venue_char = '\0';  // '1'-'9', 'A'
  char day_char = '\0';    // '1'-'8'
  std::vector<int> races;  // race numbers 1-12, shown in race order
};

struct OddsViewResult {
  std::string text;     // the viewer text, CR LF line ends; empty when no race was found
  int races_shown = 0;  // races whose file was found and laid out
};

// Races without their file (ZO for the win sheet, UO for the quinella triangle), and files
// that cannot be read, are left out without a message.
OddsViewResult BuildOddsView(const OddsViewRequest& request);

// The pseudo-PAT folder of this output: the PatFileFolder setting, taken below the start
// folder when relative; the start folder itself while the setting was never stored.
std::filesystem::path OddsViewFolder(const Session& session);

}  // namespace mirtote::pat
