#pragma once
// What the PAT runs of the output dialog are asked to do, and what they report back. The
// dialog and the command line build a request; the run hands back a result.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirtote::pat {

// The market chosen in the dialog: morning ("M"), noon ("D") or results ("S", the PAT
// results import).
enum class Market { kMorning, kNoon, kResults };

// Where the posted text goes: the clipboard, or the NifTerm / Air Craft script file.
enum class OutputFormat { kClipboard, kNifTerm, kAirCraft };

inline constexpr int kRacesPerDay = 12;

// The races to post, and whether the advance-sale pass (the next day, every race) follows.
struct RaceSelection {
  std::array<bool, kRacesPerDay> races{};  // index r-1 for race r
  bool advance_sale = true;

  bool Has(int race) const { return race >= 1 && race <= kRacesPerDay && races[race - 1]; }
};

// The store's one-letter code of a market, and back; nothing for an unknown code.
std::string_view MarketCode(Market market);
std::optional<Market> MarketOfCode(std::string_view code);
// The market the dialog opens with for the stored code: an unknown or missing code is noon.
Market MarketOrNoon(std::string_view code);

// The races a market proposes: races 7 to 12 at noon, every race otherwise; the advance
// sale always.
RaceSelection DefaultRaceSelection(Market market);

struct PatRunRequest {
  Market market = Market::kMorning;
  OutputFormat format = OutputFormat::kClipboard;
  RaceSelection selection = DefaultRaceSelection(Market::kMorning);
};

struct PatRunResult {
  std::filesystem::path pat_folder;        // the PAT installation folder the run read
  bool folder_missing = false;             // that folder does not exist: the run ended there
  int file_count = 0;                      // files found in it (ZO files; KS files for results)
  int files_met = 0;                       // files met by the passes (processed or passed over)
  int races_posted = 0;                    // races whose block went into the posted text
  std::string posted_text;                 // everything posted; on the clipboard for kClipboard
  std::filesystem::path script_file;       // the script written (kNifTerm, kAirCraft), if any race
  bool script_write_failed = false;        // some race's script could not be written
  bool race_card_missing = false;          // some race had no race card (reported)
  bool jockey_missing = false;             // some jockey name was not found (reported)
  std::vector<std::string> read_failures;  // input files that could not be read, each named
                                           // with the reason (reported); the run went on
  int snapshots_added = 0;                 // odds snapshots new to the odds history
};

// The line naming the script file a run wrote: in the window's status bar, and on the
// command line's standard error.
std::string ScriptFileNotice(const std::filesystem::path& script_file);

}  // namespace mirtote::pat
