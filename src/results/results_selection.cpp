#include "results/results_selection.h"

#include <algorithm>

#include "results/results_record.h"
#include "text/cp932.h"
#include "text/files.h"
#include "text/number.h"

namespace mirtote::results {

namespace {

constexpr std::string_view kNoFilesTitle = "確認";
constexpr std::string_view kNoFiles =
    "解凍済みの成績ファイルが存在しません。\r\n"
    "成績ファイルを解凍後にご利用下さい。\r\n";

std::vector<ResultsFileKey> ResultsFiles(const Session& session) {
  std::vector<ResultsFileKey> files;
  const auto folder = WorkFolder(session.start_folder, kResultsFolder);
  for (const std::string& name : text::ListPlainFiles(folder)) {
    if (auto key = ParseResultsFileName(name)) files.push_back(std::move(*key));
  }
  return files;
}

}  // namespace

ResultsDatesResult ListResultsDates(const ResultsDatesRequest& request, const Session& session) {
  ResultsDatesResult result;
  for (const ResultsFileKey& file : ResultsFiles(session)) {
    ++result.files_found;
    result.entries.push_back(DateEntry(file.stem));
  }
  std::sort(result.entries.begin(), result.entries.end());
  result.entries.erase(std::unique(result.entries.begin(), result.entries.end()),
                       result.entries.end());
  if (result.files_found == 0 && request.report_none) {
    session.host.ShowMessage(kNoFiles, kNoFilesTitle, MessageIcon::kInformation);
  }
  return result;
}

ResultsVenuesResult FindResultsVenues(const ResultsVenuesRequest& request, const Session& session) {
  ResultsVenuesResult result;
  for (const ResultsFileKey& file : ResultsFiles(session)) {
    if (file.stem == request.date_stem) result.present[file.venue_index] = true;
  }
  return result;
}

ResultsRacesResult FindResultsRaces(const ResultsRacesRequest& request, const Session& session) {
  ResultsRacesResult result;
  if (VenueName(request.venue_index).empty()) return result;
  result.file_name = ResultsFileName(request.venue_index, request.date_stem);
  const auto path =
      text::FindIgnoringCase(WorkFolder(session.start_folder, kResultsFolder), result.file_name);
  if (!path) return result;
  const auto file = text::RecordFile::Open(*path, kResultsLength);
  if (!file) return result;
  for (size_t k = 1; k <= file->count(); ++k) {
    const long long race = text::ValInt(text::ByteField(file->Record(k), 6, 2));
    if (race >= 1 && race <= kRaceCount) result.available[race - 1] = true;
  }
  return result;
}

}  // namespace mirtote::results
