#include "pat/pat_run.h"

#include <array>
#include <string>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

#include "history/history_recorder.h"
#include "pat/odds_tables.h"
#include "pat/pat_file.h"
#include "pat/posting.h"
#include "pat/race_card_data.h"
#include "pat/race_text.h"
#include "results/pat_results_import.h"
#include "shell/settings_keys.h"
#include "text/chars.h"
#include "text/files.h"
#include "text/number.h"
#include "vocab/venues.h"

namespace mirtote::pat {

namespace {

constexpr int kVenues = 10;
constexpr int kDays = 8;
constexpr int kRaces = 12;

constexpr const char* kProgressTitle = "【 PAT for Win 】オッズデータ取り込み中";

// Which days of which venues have ZO files (a venue is present when one of its days is),
// and the names of the folder by their upper-cased form (the first in name order, which is
// the upper-case name itself when it exists).
struct FolderScan {
  int file_count = 0;
  std::array<std::array<bool, kDays + 1>, kVenues + 1> day_present{};  // [venue][day 1-8]
  std::unordered_map<std::string, std::string> actual_names;
};

FolderScan ScanPatFolder(const std::filesystem::path& folder) {
  FolderScan scan;
  const text::FolderListing listing = text::ListFolder(folder);
  // Any entry answers a name look-up, so that one that is not a file is read and named.
  for (const std::string& name : listing.all_names) {
    scan.actual_names.try_emplace(text::AsciiUpper(name), name);
  }
  for (const std::string& name : listing.plain_files) {
    std::string upper = text::AsciiUpper(name);
    if (!upper.starts_with("ZO") || !upper.ends_with("JRA")) continue;
    ++scan.file_count;
    const vocab::Venue* venue = VenueOfFileName(upper);
    if (venue == nullptr) continue;
    // A fifth character that is not a day digit marks no day.
    int day = upper.size() >= 5 ? static_cast<int>(text::ValInt(upper.substr(4, 1))) : 0;
    if (day >= 1 && day <= kDays) scan.day_present[venue->number][day] = true;
  }
  return scan;
}

}  // namespace

std::string ProgressText(int file_count, int ordinal, const char* ending) {
  return "【 " + text::DecimalText(file_count) + " ﾌｧｲﾙ中 " + text::DecimalText(ordinal) +
         " ﾌｧｲﾙ目 】" + ending;
}

// Files named in the message about unreadable files; the rest are counted.
constexpr size_t kFailuresShown = 10;

void ReportReadFailures(Host& host, const std::vector<std::string>& failures) {
  if (failures.empty()) return;
  std::string text = "読み込めないファイルがありました。\r\n";
  for (size_t i = 0; i < failures.size() && i < kFailuresShown; ++i) text += failures[i] + "\r\n";
  if (failures.size() > kFailuresShown) {
    text += "ほか " + std::to_string(failures.size() - kFailuresShown) + " ファイル\r\n";
  }
  text += "読み込めないファイルを除いて処理しました。";
  host.ShowMessage(text, "ファイル読み込み確認", MessageIcon::kExclamation);
}

void ReportMissingFiles(Host& host, const PatRunResult& result) {
  ReportReadFailures(host, result.read_failures);
  if (result.race_card_missing) {
    host.ShowMessage(
        "該当する出馬表ファイルが無いようです。\r"
        "JRA-VANよりLZH形式ファイルを入手し、\r"
        "本ソフトで解凍してください。\r",
        "出馬表ファイル確認", MessageIcon::kExclamation);
  }
  if (result.jockey_missing) {
    host.ShowMessage(
        "一部の騎手名が検索できなかったため、\r"
        "スペースで置き換えました。\r"
        "最新の騎手ファイルを使用してください。\r",
        "騎手ファイル確認", MessageIcon::kExclamation);
  }
}

// Races were found but every one lies outside the processing time window: without a word
// the run would look as if it had nothing to do.
void ReportEmptyWindow(const Session& session) {
  const std::string start = session.settings.GetOr(keys::kStartup, keys::kStartTime, "");
  const std::string end = session.settings.GetOr(keys::kStartup, keys::kEndTime, "");
  session.host.ShowMessage(
      "処理対象の発走時刻（" + start + "～" + end + "）のレースがありませんでした。", "確　認",
      MessageIcon::kExclamation);
}

// A PAT installation folder that is not there would otherwise look like a folder without
// odds files; the user is told which folder was looked for.
void ReportMissingFolder(Host& host, const std::string& folder_text) {
  host.ShowMessage("PATインストールフォルダが見つかりません。\r\n" + folder_text +
                       "\r\nフォルダ設定を確認してください。",
                   "PATフォルダ確認", MessageIcon::kExclamation);
}

std::filesystem::path PatInstallFolder(const Session& session) {
  std::string setting = session.settings.GetOr(keys::kStartup, keys::kPatInstFolder, "File");
  return text::ResolveFolder(session.start_folder, setting);
}

namespace {

class OddsRun {
 public:
  OddsRun(const Session& session, const PatRunRequest& request, std::filesystem::path folder)
      : session_(session),
        selection_(request.selection),
        scan_(ScanPatFolder(folder)),
        data_(DataFolder(session)),
        posting_(session, request.format, folder),
        history_(session) {
    result_.pat_folder = std::move(folder);
    result_.file_count = scan_.file_count;
  }

  PatRunResult Run() {
    Host& host = session_.host;
    if (!AnyDayPresent()) {
      // Nothing to run on: without a word the run would look as if it had posted.
      host.ShowMessage("PATのオッズファイル（ZO-*.JRA）が見つかりません。\r\n" +
                           text::PathText(result_.pat_folder),
                       "オッズデータ確認", MessageIcon::kExclamation);
      return result_;
    }
    host.ShowProgress(kProgressTitle, 0, scan_.file_count);

    // Main pass: the earliest day of each venue, with the race selection.
    for (int venue = 1; venue <= kVenues; ++venue) {
      for (int day = 1; day <= kDays; ++day) {
        host.Yield();
        if (scan_.day_present[venue][day]) {
          ProcessDay(venue, day, /*advance_sale=*/false);
          break;
        }
      }
    }

    // Advance-sale pass: the day after the earliest pair of consecutive days, every race.
    if (selection_.advance_sale) {
      for (int venue = 1; venue <= kVenues; ++venue) {
        for (int day = 1; day < kDays; ++day) {
          host.Yield();
          if (scan_.day_present[venue][day] && scan_.day_present[venue][day + 1]) {
            ProcessDay(venue, day + 1, /*advance_sale=*/true);
            break;
          }
        }
      }
    }

    host.CloseProgress();
    posting_.Finish();
    result_.posted_text = posting_.posted_text();
    result_.script_write_failed = posting_.write_failed();
    if (!posting_.write_failed()) result_.script_file = posting_.script_file();
    ReportMissingFiles(host, result_);
    if (result_.races_posted == 0 && races_outside_window_ > 0) ReportEmptyWindow(session_);
    history_.Finish();
    result_.snapshots_added = history_.added();
    return result_;
  }

 private:
  bool AnyDayPresent() const {
    for (const auto& days : scan_.day_present) {
      for (bool present : days) {
        if (present) return true;
      }
    }
    return false;
  }

  void ProcessDay(int venue_number, int day, bool advance_sale) {
    const vocab::Venue* venue = vocab::VenueByNumber(venue_number);
    if (venue == nullptr) return;
    char day_char = static_cast<char>('0' + day);
    for (int race = 1; race <= kRaces; ++race) {
      std::string zo_name = PatFileName(PatKind::kZo, venue->code_char, day_char, RaceChar(race));
      const auto zo_actual = scan_.actual_names.find(zo_name);
      if (zo_actual == scan_.actual_names.end()) continue;
      ++result_.files_met;
      bool selected = advance_sale || selection_.Has(race);
      session_.host.SetProgressCaption(ProgressText(
          scan_.file_count, result_.files_met, selected ? "を処理中です。" : "はキャンセルです。"));
      session_.host.SetProgressValue(result_.files_met);
      if (!selected) continue;

      const std::filesystem::path zo_path = result_.pat_folder / zo_actual->second;
      std::string error;
      const auto zo_bytes = ReadPatFile(zo_path, &error);
      if (!zo_bytes) {
        NoteVenue(zo_name, carry_);
        NoteReadFailures({error});
        continue;
      }
      RaceText text =
          BuildRaceText({zo_path, *zo_bytes, zo_name, advance_sale}, session_, data_, carry_);
      result_.race_card_missing |= text.race_card_missing;
      result_.jockey_missing |= text.jockey_missing;
      NoteReadFailures(text.read_failures);
      if (text.outside_window) ++races_outside_window_;
      if (!text.built) continue;
      std::string uo_bytes;
      if (NeedsQuinellaFile(*zo_bytes)) {
        const auto uo_actual = scan_.actual_names.find(
            PatFileName(PatKind::kUo, venue->code_char, day_char, RaceChar(race)));
        if (uo_actual != scan_.actual_names.end()) {
          auto uo = ReadPatFile(result_.pat_folder / uo_actual->second, &error);
          if (uo)
            uo_bytes = std::move(*uo);
          else
            NoteReadFailures({error});
        }
      }
      text.text += BuildOddsTables(*zo_bytes, uo_bytes);
      posting_.Post(text.subject_line, text.text);
      ++result_.races_posted;
      history_.RecordPatFiles(*zo_bytes, uo_bytes,
                              {history::SourceKind::kPatRun, text::PathText(zo_path), venue_number,
                               race, history::FileTimeText(zo_path)});
    }
  }

  // Each file once, however many races met it.
  void NoteReadFailures(const std::vector<std::string>& failures) {
    for (const std::string& failure : failures) {
      if (noted_failures_.insert(failure).second) result_.read_failures.push_back(failure);
    }
  }

  const Session& session_;
  RaceSelection selection_;
  FolderScan scan_;
  RaceCardData data_;
  PatRunResult result_;
  RaceTextCarry carry_;
  PostingRun posting_;
  history::HistoryRecorder history_;  // the races posted, as their files were read
  int races_outside_window_ = 0;
  std::unordered_set<std::string> noted_failures_;
};

}  // namespace

PatRunResult RunPatOdds(const PatRunRequest& request, const Session& session) {
  std::filesystem::path folder = PatInstallFolder(session);
  std::error_code error;
  const auto problem = text::FolderSettingProblem(
      session.settings.GetOr(keys::kStartup, keys::kPatInstFolder, "File"));
  if (problem || !std::filesystem::is_directory(folder, error)) {
    ReportMissingFolder(session.host, problem ? *problem : text::PathText(folder));
    PatRunResult result;
    result.pat_folder = folder;
    result.folder_missing = true;
    return result;
  }
  return OddsRun(session, request, std::move(folder)).Run();
}

PatRunResult RunPatOutput(const PatRunRequest& request, const Session& session) {
  session.settings.Set(keys::kStartup, keys::kOddsTeam, MarketCode(request.market));
  if (request.market == Market::kResults) return results::RunPatResultsImport(request, session);
  return RunPatOdds(request, session);
}

}  // namespace mirtote::pat
