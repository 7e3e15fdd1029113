#pragma once
// The newspaper-style odds output: the chosen races of one venue and meeting day, read from
// the pseudo-PAT folder and laid out as win, place and bracket-quinella sheets or quinella
// triangles, as one text for the odds viewer.

#include <array>
#include <filesystem>
#include <string>

#include "pat/newspaper_sheet.h"
#include "pat/odds_selection.h"
#include "shell/session.h"

namespace mirtote::pat {

struct OddsViewRequest {
  OddsSheetKind sheet = OddsSheetKind::kWinPlaceBracket;
  char venue = '\0';                       // venue character of the file names: '1'-'9', 'A'
  char day = '\0';                         // day of the meeting: '1'-'8'
  std::array<bool, kRaceChoices> races{};  // index r-1 for race r
};

struct OddsViewResult {
  std::string text;     // the viewer text, CR LF line ends; empty when no race was found
  int races_shown = 0;  // races whose file was found and laid out
};

// The chosen races in race order, read from the OddsViewFolder. Races without their file (ZO
// for the win sheet, UO for the quinella triangle), and files that cannot be read, are left
// out without a message.
OddsViewResult BuildOddsView(const OddsViewRequest& request, const Session& session);

// The pseudo-PAT folder of this output: the PatFileFolder setting, taken below the start
// folder when relative; the start folder itself while the setting was never stored.
std::filesystem::path OddsViewFolder(const Session& session);

}  // namespace mirtote::pat
