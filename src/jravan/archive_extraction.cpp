#include "jravan/archive_extraction.h"

#include <string>
#include <string_view>

#include "jravan/archive_distribution.h"
#include "jravan/replacement_set.h"
#include "shell/settings_keys.h"
#include "text/files.h"

namespace mirtote::jravan {

namespace {

constexpr const char* kArchiveFilter = "LZHファイル(*.LZH)|*.LZH|すべてのファイル(*.*)|*.*";

// A file that cannot be read or written ends the run; the user is told which and why.
void ReportStop(Host& host, const std::string& reason) {
  host.ShowMessage(reason + "\r\n処理を中止します。", "処理中止", MessageIcon::kExclamation);
}

std::string Named(const std::string& archive_name) {
  return "指定されたファイル【 " + archive_name + " 】";
}

// Work, DATA and SEISEKI below the start folder (a folder of another letter case counts).
ArchiveFolders ArchiveFoldersBelow(const fs::path& start_folder) {
  return {text::ResolveFolder(start_folder, "Work"), text::ResolveFolder(start_folder, "DATA"),
          text::ResolveFolder(start_folder, "SEISEKI")};
}

// Files in Work that the distribution would act on were not left there by an extraction (it
// never leaves them): they are not used, and the user is told.
void NameForeignFiles(const fs::path& work, Host& host) {
  std::string names;
  for (const std::string& name : text::ListPlainFiles(work))
    if (IsDistributedName(name)) names += "\r\n" + name;
  if (names.empty()) return;
  host.ShowMessage(
      "Work フォルダの次のファイルは解凍したものではないため、使わずに残します。" + names, "確認",
      MessageIcon::kInformation);
}

// What one archive did.
struct Arrival {
  bool distributed = false;
  bool stop = false;  // a file could not be read or written: the run ends
  std::vector<fs::path> written;
  int skipped = 0;
};

// Writes the plan's files and moves its files into Work, all or none.
Arrival Deliver(const DistributionPlan& plan, const std::string& archive_name, Host& host) {
  Arrival arrival;
  ReplacementSet set;
  std::string error;
  bool ok = true;
  for (const FileWrite& write : plan.writes) {
    if (!(ok = set.Write(write.target, write.bytes, &error))) break;
    arrival.written.push_back(write.target);
  }
  for (size_t i = 0; ok && i < plan.moves.size(); ++i) {
    ok = set.Move(plan.moves[i].from, plan.moves[i].to, &error);
  }
  if (!ok) {
    set.Undo();
    ReportStop(host, "ファイルを書き込めませんでした。\r\n" + error + "\r\n" + Named(archive_name) +
                         "からは何も書き込んでいません。");
    arrival.written.clear();
    arrival.stop = true;
    return arrival;
  }
  set.Commit();
  arrival.distributed = true;
  arrival.skipped = plan.skipped_records;
  for (const std::string& note : plan.notes)
    host.ShowMessage(note, "確認", MessageIcon::kExclamation);
  return arrival;
}

// Extracts one archive into Work and distributes it.
Arrival ExtractOne(const fs::path& archive, const ArchiveFolders& folders, const LzhLimits& limits,
                   Host& host, int& status) {
  const std::string name = text::PathText(archive.filename());
  StagedLzh staged = StageLzh(archive, folders.work, limits);
  status = staged.status;
  if (staged.status != kLzhOk) {
    host.ShowMessage(Named(name) + "を解凍できませんでした。" +
                         (staged.problem.empty() ? "" : "\r\n" + staged.problem),
                     "確認", MessageIcon::kInformation);
    return {};
  }
  DistributionPlan plan = PlanDistribution(staged, name, folders);
  if (plan.failure) {
    ReportStop(host, *plan.failure + "\r\n" + Named(name) + "からは何も書き込んでいません。");
    Arrival stopped;
    stopped.stop = true;
    return stopped;
  }
  if (!plan.known) {
    host.ShowMessage(Named(name) + "には、使えるファイル（JRA#DEN1.DAT など）がありませんでした。",
                     "確認", MessageIcon::kInformation);
    return {};
  }
  return Deliver(plan, name, host);
}

}  // namespace

ArchiveExtractionResult ExtractArchives(const ArchiveExtractionRequest& request,
                                        const Session& session) {
  ArchiveExtractionResult result;
  Host& host = session.host;
  const ArchiveFolders folders = ArchiveFoldersBelow(session.start_folder);
  NameForeignFiles(folders.work, host);
  for (size_t i = 0; i < request.archives.size(); ++i) {
    const fs::path& archive = request.archives[i];
    int status = kLzhOk;
    Arrival arrival = ExtractOne(archive, folders, request.limits, host, status);
    result.archives.push_back({archive, status, arrival.distributed});
    result.written.insert(result.written.end(), arrival.written.begin(), arrival.written.end());
    result.skipped_records += arrival.skipped;
    if (arrival.stop) {
      result.stopped = true;
      break;
    }
    if (i + 1 < request.archives.size()) host.Yield();
  }
  return result;
}

bool ArchiveExtractionResult::Complete() const {
  if (stopped) return false;
  for (const ArchiveOutcome& outcome : archives) {
    if (!outcome.distributed) return false;
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
