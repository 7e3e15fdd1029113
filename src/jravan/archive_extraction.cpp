#include "jravan/archive_extraction.h"

#include <string>
#include <string_view>

#include "jravan/day_split.h"
#include "jravan/lzh_extract.h"
#include "jravan/race_card_record.h"
#include "results/results_record.h"
#include "shell/settings_keys.h"
#include "text/files.h"
#include "text/number.h"

namespace mirtote::jravan {

namespace {

constexpr std::string_view kRaceCards = "JRA#DEN1.DAT";
constexpr std::string_view kHorses = "JRA#UMAJ.DAT";
constexpr std::string_view kResults = "JRA#SEI1.DAT";
constexpr std::string_view kJockeys = "JRA#KISI.DAT";
constexpr std::string_view kTrainers = "JRA#CHOK.DAT";
constexpr std::string_view kJockeyCopy = "騎手.DAT";
constexpr std::string_view kTrainerCopy = "調教師.DAT";
constexpr const char* kArchiveFilter = "LZHファイル(*.LZH)|*.LZH|すべてのファイル(*.*)|*.*";

struct ArchiveFolders {
  fs::path work;     // extraction target; the distribution reads here
  fs::path data;     // .DEN, .UMA, 騎手.DAT, 調教師.DAT
  fs::path seiseki;  // .SEI
};

// What one distribution step did.
struct Step {
  bool ok = true;
  std::vector<fs::path> written;
  int skipped = 0;
};

Step Failed() {
  Step step;
  step.ok = false;
  return step;
}

// A file that cannot be read or written ends the run; the user is told which and why.
void ReportStop(Host& host, const std::string& reason) {
  host.ShowMessage(reason + "\r\n処理を中止します。", "処理中止", MessageIcon::kExclamation);
}

std::optional<text::RecordFile> ReadRecords(const fs::path& path, size_t length, Host& host) {
  std::string error;
  auto file = text::RecordFile::Open(path, length, &error);
  if (!file) ReportStop(host, error);
  return file;
}

// Writes the files in order; false (reported) at the first that fails.
bool WriteAll(const fs::path& folder, const std::vector<DayFile>& files, Host& host, Step& step) {
  for (const DayFile& file : files) {
    fs::path target = folder / file.name;
    std::string error;
    if (!text::WriteFileAtomic(target, file.bytes, &error)) {
      ReportStop(host, "ファイルを書き込めませんでした。\r\n" + error);
      step.ok = false;
      return false;
    }
    step.written.push_back(target);
  }
  return true;
}

void ReportSkipped(Host& host, std::string_view source, int skipped) {
  if (skipped == 0) return;
  host.ShowMessage("場コードまたは日付が正しくないレコードを読み飛ばしました。\r\n" +
                       std::string(source) + "：" + text::DecimalText(skipped) + "件",
                   "確認", MessageIcon::kExclamation);
}

void Remove(const fs::path& path) {
  std::error_code ec;
  fs::remove(path, ec);
}

// Writes the split's files into `target`; the sources leave Work only when all were written.
Step Finish(const SplitFiles& split, const fs::path& target, std::string_view source_name,
            const std::vector<fs::path>& sources, Host& host) {
  ReportSkipped(host, source_name, split.skipped_records);
  Step step;
  step.skipped = split.skipped_records;
  if (!WriteAll(target, split.files, host, step)) return step;
  for (const fs::path& source : sources) Remove(source);
  return step;
}

Step SplitRaceCardFiles(const ArchiveFolders& folders, Host& host) {
  fs::path cards_path = folders.work / kRaceCards;
  fs::path horses_path = folders.work / kHorses;
  auto cards = ReadRecords(cards_path, kRaceCardLength, host);
  if (!cards) return Failed();
  // Without a horse file the horse files stay empty.
  text::RecordFile horses;
  std::error_code ec;
  if (fs::exists(horses_path, ec)) {
    auto read = ReadRecords(horses_path, kHorseLength, host);
    if (!read) return Failed();
    horses = std::move(*read);
  }
  return Finish(SplitRaceCards(*cards, horses), folders.data, kRaceCards, {cards_path, horses_path},
                host);
}

Step SplitResultFiles(const ArchiveFolders& folders, Host& host) {
  fs::path path = folders.work / kResults;
  auto results = ReadRecords(path, results::kResultsLength, host);
  if (!results) return Failed();
  return Finish(SplitResults(*results), folders.seiseki, kResults, {path}, host);
}

// A copy into DATA replacing the older file; the source goes once the copy is written.
Step CopyToData(const ArchiveFolders& folders, std::string_view source_name,
                std::string_view target_name, Host& host) {
  fs::path source = folders.work / source_name;
  std::string error;
  auto bytes = text::ReadWholeFile(source, &error);
  if (!bytes) {
    ReportStop(host, error);
    return Failed();
  }
  Step step;
  if (!WriteAll(folders.data, {{std::string(target_name), std::move(*bytes)}}, host, step)) {
    return step;
  }
  Remove(source);
  return step;
}

// Acts on each known file of Work; others stay (JRA#UMAJ.DAT is used by the race-card split,
// JRA#HYO1.DAT and JRA#HYO3.DAT have no action).
Step Distribute(const ArchiveFolders& folders, Host& host) {
  Step all;
  for (const std::string& name : text::ListPlainFiles(folders.work)) {
    Step step;
    if (name == kRaceCards) {
      step = SplitRaceCardFiles(folders, host);
    } else if (name == kResults) {
      step = SplitResultFiles(folders, host);
    } else if (name == kJockeys) {
      step = CopyToData(folders, kJockeys, kJockeyCopy, host);
    } else if (name == kTrainers) {
      step = CopyToData(folders, kTrainers, kTrainerCopy, host);
    } else {
      continue;
    }
    all.written.insert(all.written.end(), step.written.begin(), step.written.end());
    all.skipped += step.skipped;
    if (!step.ok) {
      all.ok = false;
      break;
    }
  }
  return all;
}

// Work, DATA and SEISEKI below the start folder (a folder of another letter case counts).
ArchiveFolders ArchiveFoldersBelow(const fs::path& start_folder) {
  return {text::ResolveFolder(start_folder, "Work"), text::ResolveFolder(start_folder, "DATA"),
          text::ResolveFolder(start_folder, "SEISEKI")};
}

}  // namespace

ArchiveExtractionResult ExtractArchives(const ArchiveExtractionRequest& request,
                                        const Session& session) {
  ArchiveExtractionResult result;
  Host& host = session.host;
  const ArchiveFolders folders = ArchiveFoldersBelow(session.start_folder);
  for (size_t i = 0; i < request.archives.size(); ++i) {
    const fs::path& archive = request.archives[i];
    int status = ExtractLzh(archive, folders.work);
    result.archives.push_back({archive, status});
    if (status != kLzhOk) {
      host.ShowMessage("指定されたファイル【 " + text::PathText(archive.filename()) +
                           " 】を解凍できませんでした。",
                       "確認", MessageIcon::kInformation);
    } else {
      Step step = Distribute(folders, host);
      result.written.insert(result.written.end(), step.written.begin(), step.written.end());
      result.skipped_records += step.skipped;
      if (!step.ok) {
        result.stopped = true;
        break;
      }
    }
    if (i + 1 < request.archives.size()) host.Yield();
  }
  return result;
}

bool ArchiveExtractionResult::Complete() const {
  if (stopped) return false;
  for (const ArchiveOutcome& outcome : archives) {
    if (outcome.status != kLzhOk) return false;
  }
  return true;
}

FileDialogRequest ArchiveDialogRequest(const Session& session) {
  std::string setting = session.settings.GetOr(keys::kStartup, keys::kJravanFolder, "Lzh");
  return {.title = {},
          .initial_folder = text::PathText(text::ResolveFolder(session.start_folder, setting)),
          .default_name = {},
          .filter = kArchiveFilter};
}

std::vector<fs::path> ChosenArchives(const ChosenFiles& chosen) {
  std::vector<fs::path> paths;
  for (const std::string& name : chosen.names) paths.push_back(fs::path(chosen.folder) / name);
  return paths;
}

}  // namespace mirtote::jravan
