#include "results/pat_results_import.h"

#include <array>
#include <system_error>
#include <unordered_map>

#include "pat/pat_file.h"
#include "pat/pat_run.h"
#include "pat/posting.h"
#include "pat/race_card_data.h"
#include "pat/race_text.h"
#include "results/pat_result_text.h"
#include "text/chars.h"
#include "text/files.h"
#include "vocab/venues.h"

namespace mirtote::results {

namespace {

namespace fs = std::filesystem;

constexpr int kVenues = 10;
constexpr int kDigits = 8;  // name characters 6 and 7: 1 to 8
constexpr const char* kProgressTitle = "【 PAT for Win 】競走成績データ取り込み中";

// The KS files of the PAT folder: which (venue, d, e) name groups exist, the fifth name
// character of the last file listed, and the upper-cased names.
struct KsScan {
  int file_count = 0;
  char fifth = ' ';
  std::array<std::array<std::array<bool, kDigits + 1>, kDigits + 1>, kVenues + 1> found{};
  std::unordered_map<std::string, std::string> actual_names;  // upper-cased -> as listed
};

int Digit(char c) {
  return c >= '1' && c <= '8' ? c - '0' : 0;
}

KsScan ScanKsFiles(const fs::path& folder) {
  KsScan scan;
  const text::FolderListing listing = text::ListFolder(folder);
  // Any entry answers a name look-up, so that one that is not a file is read and named.
  for (const std::string& name : listing.all_names) {
    scan.actual_names.try_emplace(text::AsciiUpper(name), name);
  }
  for (const std::string& name : listing.plain_files) {
    const std::string upper = text::AsciiUpper(name);
    if (!upper.starts_with("KS") || !upper.ends_with("JRA")) continue;
    ++scan.file_count;
    if (upper.size() < 7) continue;
    scan.fifth = upper[4];
    const vocab::Venue* venue = vocab::VenueByChar(upper[3]);
    const int d = Digit(upper[5]), e = Digit(upper[6]);
    if (venue != nullptr && d > 0 && e > 0) scan.found[venue->number][d][e] = true;
  }
  return scan;
}

struct ResultRace {
  bool built = false;  // false: left out (no race card, outside the time window, unreadable)
  std::string text;
  bool race_card_missing = false;
  bool outside_window = false;
  bool jockey_missing = false;
  std::string read_failure;  // the KS file could not be read: the file and the reason
};

// The results text of one KS file, with its race card, horse and jockey files from DATA.
ResultRace BuildResultText(const fs::path& ks_path, const std::string& ks_name,
                           const Session& session, pat::RaceCardData& data) {
  ResultRace race;
  const vocab::Venue* venue = vocab::VenueByChar(ks_name.size() > 3 ? ks_name[3] : ' ');
  if (venue == nullptr) return race;
  const auto bytes = text::ReadWholeFile(ks_path, &race.read_failure);
  if (!bytes) return race;
  const KsFile ks(*bytes);

  const auto found = data.FindCard(ks.RaceKey(venue->code2));
  if (!found) {
    race.race_card_missing = true;
    return race;
  }
  if (!pat::InsideProcessingWindow(found->card.post_time, session.settings)) {
    race.outside_window = true;
    return race;
  }
  race.built = true;
  const text::RecordFile& horses =
      data.Records(pat::HorseFileOf(found->file_name), jravan::kHorseLength);
  const text::RecordFile& jockeys =
      data.Records(std::string(pat::kJockeyFile), jravan::kJockeyLength);
  race.text = PatResultText({ks, found->card, venue->name, venue->code2, horses, jockeys},
                            session.host, race.jockey_missing);
  return race;
}

void ReportNoFiles(Host& host) {
  host.ShowMessage(
      "該当する競走成績データが無いようです。\r"
      "PATセンターよりデータを取得しましょう。\r",
      "競走成績データ確認", MessageIcon::kExclamation);
}

}  // namespace

pat::PatRunResult RunPatResultsImport(const pat::PatRunRequest& request, const Session& session) {
  pat::PatRunResult result;
  result.pat_folder = pat::PatInstallFolder(session);
  std::error_code error;
  if (!fs::is_directory(result.pat_folder, error)) {
    pat::ReportMissingFolder(session.host, text::PathText(result.pat_folder));
    result.folder_missing = true;
    return result;
  }
  const KsScan scan = ScanKsFiles(result.pat_folder);
  result.file_count = scan.file_count;
  Host& host = session.host;
  if (scan.file_count == 0) {
    ReportNoFiles(host);
    return result;
  }

  host.ShowProgress(kProgressTitle, 0, scan.file_count);
  pat::PostingRun posting(session, request.format, result.pat_folder);
  pat::RaceCardData data(pat::DataFolder(session));
  int outside_window = 0;
  for (int v = 1; v <= kVenues; ++v) {
    const vocab::Venue* venue = vocab::VenueByNumber(v);
    for (int d = 1; d <= kDigits; ++d) {
      for (int e = 1; e <= kDigits; ++e) {
        if (!scan.found[v][d][e]) continue;
        const std::string stem = std::string("KS-") + venue->code_char + scan.fifth +
                                 std::to_string(d) + std::to_string(e);
        for (int race = 1; race <= pat::kRacesPerDay; ++race) {
          const std::string name = stem + pat::RaceChar(race) + ".JRA";
          const auto actual = scan.actual_names.find(name);
          if (actual == scan.actual_names.end()) continue;
          ++result.files_met;
          const bool selected = request.selection.Has(race);
          host.SetProgressCaption(
              pat::ProgressText(scan.file_count, result.files_met,
                                selected ? "を処理中です。" : "はキャンセルです。"));
          host.SetProgressValue(result.files_met);
          host.Yield();
          if (!selected) continue;
          const ResultRace text =
              BuildResultText(result.pat_folder / actual->second, name, session, data);
          result.race_card_missing |= text.race_card_missing;
          outside_window += text.outside_window;
          result.jockey_missing |= text.jockey_missing;
          if (!text.read_failure.empty()) result.read_failures.push_back(text.read_failure);
          if (!text.built) continue;
          // A results post carries no subject of its own.
          posting.Post("", text.text);
          ++result.races_posted;
        }
      }
    }
  }
  host.CloseProgress();
  posting.Finish();
  result.posted_text = posting.posted_text();
  result.script_write_failed = posting.write_failed();
  if (!posting.write_failed()) result.script_file = posting.script_file();
  pat::ReportMissingFiles(host, result);
  if (result.races_posted == 0 && outside_window > 0) pat::ReportEmptyWindow(session);
  return result;
}

}  // namespace mirtote::results
