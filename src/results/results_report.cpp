#include "results/results_report.h"

#include <algorithm>

#include "jravan/race_card_record.h"
#include "results/day_payout_table.h"
#include "results/race_report.h"
#include "results/results_record.h"
#include "text/chars.h"
#include "text/files.h"

namespace mirtote::results {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCheckTitle = "確認";
constexpr std::string_view kChooseVenue = "開催場所を選択してください";
constexpr std::string_view kChooseRace = "レース番号を選択してください";
constexpr std::string_view kNoHorseFile = "競走馬ファイルがありません";
constexpr std::string_view kRaceMissing =
    "成績ファイルに指定されたレースの\r\n結果が含まれていません";
constexpr std::string_view kJockeyFile = "騎手.DAT";
constexpr size_t kDayStemChars = 10;

void Tell(const Session& session, std::string_view text) {
  session.host.ShowMessage(text, kCheckTitle, MessageIcon::kInformation);
}

std::optional<text::RecordFile> OpenResultsFile(const Session& session, int venue_index,
                                                std::string_view stem) {
  const fs::path folder = WorkFolder(session.start_folder, kResultsFolder);
  const std::string name = ResultsFileName(venue_index, stem);
  const fs::path path = text::FindIgnoringCase(folder, name).value_or(folder / name);
  std::string error;
  auto file = text::RecordFile::Open(path, kResultsLength, &error);
  // A file gone since the selection, or unreadable, is named with the reason.
  if (!file) Tell(session, "成績ファイルを読み込めませんでした。\r\n" + error);
  return file;
}

// The day's horse file of DATA: a name ending in "UMA" whose first 10 characters are the
// venue name and the stem.
std::optional<fs::path> FindHorseFile(const fs::path& data, std::string_view day_stem) {
  for (const std::string& name : text::ListPlainFiles(data)) {
    if (text::AsciiUpper(name).ends_with("UMA") && text::Left(name, kDayStemChars) == day_stem) {
      return data / name;
    }
  }
  return std::nullopt;
}

text::RecordFile OpenOrEmpty(const std::optional<fs::path>& path, size_t length) {
  if (!path) return {};
  auto file = text::RecordFile::Open(*path, length);
  return file ? std::move(*file) : text::RecordFile{};
}

bool Any(const auto& ticks) {
  return std::any_of(ticks.begin(), ticks.end(), [](bool b) { return b; });
}

}  // namespace

ResultsRaceResult RunResultsRaceReport(const ResultsRaceRequest& request, const Session& session) {
  ResultsRaceResult result;
  const std::string_view venue = VenueName(request.venue_index);
  if (venue.empty()) {
    Tell(session, kChooseVenue);
    return result;
  }
  if (request.race < 1 || request.race > kRaceCount) {
    Tell(session, kChooseRace);
    return result;
  }
  result.label = request.date_stem;

  const fs::path data = WorkFolder(session.start_folder, kDataFolder);
  const auto horse_file = FindHorseFile(data, std::string(venue) + request.date_stem);
  if (!horse_file) {
    result.text = kNoHorseFile;
    result.shown = true;
    result.horse_file_missing = true;
    return result;
  }
  const auto file = OpenResultsFile(session, request.venue_index, request.date_stem);
  if (!file) return result;
  const auto record = FindRace(*file, request.race);
  if (!record) {
    Tell(session, kRaceMissing);
    return result;
  }
  const text::RecordFile horses = OpenOrEmpty(horse_file, jravan::kHorseLength);
  const text::RecordFile jockeys =
      OpenOrEmpty(text::FindIgnoringCase(data, kJockeyFile), jravan::kJockeyLength);
  result.text = RaceReport(*record, venue, {horses, jockeys}, session.host);
  result.shown = true;
  return result;
}

ResultsDayResult RunResultsDayReport(const ResultsDayRequest& request, const Session& session) {
  ResultsDayResult result;
  if (!Any(request.venues)) {
    Tell(session, kChooseVenue);
    return result;
  }
  if (!Any(request.races)) {
    Tell(session, kChooseRace);
    return result;
  }
  for (int v = 0; v < kVenueCount; ++v) {
    if (!request.venues[v]) continue;
    const auto file = OpenResultsFile(session, v, request.date_stem);
    if (!file) return ResultsDayResult{};
    const std::string venue(VenueName(v));
    result.venues.push_back({venue, DayPayoutTable(*file, venue, request.races)});
  }
  result.caption = request.date_entry;
  result.shown = true;
  return result;
}

}  // namespace mirtote::results
