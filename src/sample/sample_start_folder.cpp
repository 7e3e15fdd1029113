#include "sample/sample_start_folder.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <system_error>

#include "pat/pat_run.h"
#include "sample/lzh_writer.h"
#include "sample/sample_meeting.h"
#include "shell/quiet_host.h"
#include "shell/settings_keys.h"
#include "text/cp932.h"
#include "text/files.h"

namespace mirtote::sample {

namespace {

namespace fs = std::filesystem;

// Writes one file; the first failure is kept.
class Writer {
 public:
  void Write(const fs::path& path, const std::string& bytes) {
    if (!WriteBytes(path, bytes) && error.empty()) error = text::PathText(path) + " を書けません";
  }
  std::string error;
};

// Sets the file's modification time to `hhmm` on the day `date8`, local time: the odds text
// shows it as the time the odds were fetched.
void SetFetchTime(const fs::path& path, const std::string& date8, const std::string& hhmm) {
  std::tm local{};
  local.tm_year = std::stoi(date8.substr(0, 4)) - 1900;
  local.tm_mon = std::stoi(date8.substr(4, 2)) - 1;
  local.tm_mday = std::stoi(date8.substr(6, 2));
  local.tm_hour = std::stoi(hhmm.substr(0, 2));
  local.tm_min = std::stoi(hhmm.substr(2, 2));
  local.tm_isdst = -1;
  const auto at = std::chrono::system_clock::from_time_t(std::mktime(&local));
  std::error_code ignored;
  fs::last_write_time(path, std::chrono::file_clock::from_sys(at), ignored);
}

// "HHMM" `minutes` earlier.
std::string MinutesBefore(const std::string& hhmm, int minutes) {
  const int at = std::stoi(hhmm.substr(0, 2)) * 60 + std::stoi(hhmm.substr(2, 2)) - minutes;
  return TwoDigits(at / 60) + TwoDigits(at % 60);
}

// An earlier fetch of a race's odds (fetch 0 an hour, fetch 1 half an hour before the last):
// every strength a little off. In the main race one horse was backed only in the last half
// hour, so its win odds fall by more than 30% at the last fetch.
SampleRace EarlierFetch(const SampleRace& race, int fetch, bool main_race) {
  SampleRace out = race;
  out.odds_time = MinutesBefore(race.odds_time, 30 * (2 - fetch));
  const int number = std::stoi(race.card.race_number);
  for (size_t i = 0; i < out.strengths.size(); ++i) {
    int& s = out.strengths[i];
    const int step = static_cast<int>((i * 7 + static_cast<size_t>(fetch * 5 + number)) % 9) - 4;
    if (s > 0) s = std::max(1, s * (100 + 3 * step) / 100);
  }
  if (main_race) {
    const auto backed =
        std::max_element(race.strengths.begin(), race.strengths.end()) - race.strengths.begin();
    out.strengths[static_cast<size_t>(backed)] = std::max(1, race.strengths[backed] / 2);
  }
  return out;
}

// The posted text of the PAT files of `pat_folder`, as the odds team posts it.
std::string Posting(const fs::path& start, const fs::path& pat_folder, const fs::path& script) {
  MemorySettingsStore settings;
  settings.Set(keys::kStartup, keys::kPatInstFolder, text::PathText(pat_folder));
  settings.Set(keys::kStartup, keys::kOddsLogFolder, text::PathText(script));
  settings.Set(keys::kStartup, keys::kOddsHistory, "0");  // the sample starts with no history
  QuietHost host;
  pat::PatRunRequest request{.market = pat::Market::kMorning,
                             .format = pat::OutputFormat::kNifTerm,
                             .selection = pat::DefaultRaceSelection(pat::Market::kMorning)};
  request.selection.advance_sale = false;
  return pat::RunPatOutput(request, {start, settings, host}).posted_text;
}

// The odds of Sunday posted three times, as the forum shows them: a log heading, and each
// post under its message header; a chat message between the venues of the first posting.
// The first two postings come from earlier fetches, the last from the PAT folder's files.
std::string ForumLog(const fs::path& start, const std::vector<const SampleDay*>& sunday,
                     const fs::path& script) {
  std::string log = "＊＊＊ 競馬会議室 ログ 98/05/10 ＊＊＊\r\n\r\n";
  int message = 100;
  for (int fetch = 0; fetch < 3; ++fetch) {
    fs::path folder = start / "PAT";
    std::error_code error;
    if (fetch < 2) {
      folder = start / "Work" / ("fetch" + std::to_string(fetch));
      fs::create_directories(folder, error);
      for (const SampleDay* day : sunday) {
        for (const SampleRace& race : day->races) {
          const bool main = day->venue_code == "05" && race.card.race_number == "11";
          const SampleRace earlier = EarlierFetch(race, fetch, main);
          const SampleOdds odds = SampleOddsOf(earlier);
          WritePatFiles(folder, ZoName(race.card), odds.zo, UoName(race.card), odds.uo);
          SetFetchTime(folder / ZoName(race.card), day->date8, earlier.odds_time);
        }
      }
    }
    const std::string posted = Posting(start, folder, script);
    if (fetch < 2) fs::remove_all(folder, error);
    size_t at = 0;
    while (at < posted.size()) {
      size_t end = posted.find("\r\n", at);
      if (end == std::string::npos) end = posted.size();
      const std::string line = posted.substr(at, end - at);
      at = end + 2;
      if (line.starts_with("SUB:")) {
        // Another member asks for the second venue just before its first post.
        if (fetch == 0 && line.find("京都 　１Ｒ") != std::string::npos) {
          log += "#0" + std::to_string(++message) +
                 " TOTE_FAN  98/05/10  Re: 京都のオッズ\r\n\r\n京都もお願いします。\r\n\r\n";
        }
        log += "#0" + std::to_string(++message) + " KORVAN01  98/05/10  " + line.substr(4) + "\r\n";
      } else if (line != "/POST") {
        log += line + "\r\n";
      }
    }
  }
  return log;
}

std::string QuotedIniValue(const std::string& value) {
  std::string out = "\"";
  for (char c : value) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string SettingsFile(const fs::path& start) {
  std::string ini = "[Startup]\n";
  const auto folder = [&](const char* key, const char* name) {
    ini += std::string(key) + "=" + QuotedIniValue(text::PathText(start / name)) + "\n";
  };
  folder(keys::kJravanFolder, "LZH");
  folder(keys::kOddsLogFolder, "LOG");
  folder(keys::kPatFileFolder, "PSEUDO");
  folder(keys::kTargetFolder, "TARGET");
  folder(keys::kCsvFolder, "TARGET");
  folder(keys::kPatInstFolder, "PAT");
  ini += "PatType=PAT95\nFileExtType=ALL\nOddsFileType=CSV\nEnvironment=ORIGINAL\n";
  return ini;
}

}  // namespace

StartFolderResult WriteSampleStartFolder(const StartFolderRequest& request) {
  const fs::path start = fs::absolute(request.start);
  std::error_code error;
  for (const char* name :
       {"LZH", "DATA", "SEISEKI", "Work", "FILE", "PAT", "LOG", "TARGET", "PSEUDO"}) {
    fs::create_directories(start / name, error);
    if (error) return {false, text::PathText(start / name) + ": " + error.message()};
  }

  const SampleMeeting meeting = PlanMeeting();
  Writer out;
  // The archives hold the weekend's records in day order, as the per-day files do.
  std::string cards, horses, results, csv;
  std::vector<const SampleDay*> sunday;
  for (const SampleDay& day : meeting.days) {
    std::string day_cards, day_horses, day_results;
    const bool is_sunday = day.date8 == "19980510";
    if (is_sunday) sunday.push_back(&day);
    for (const SampleRace& race : day.races) {
      const SampleOdds odds = SampleOddsOf(race);
      const ResultsFields result = SampleResult(race, odds);
      day_cards += RaceCardRecord(race.card);
      for (const HorseFields& h : race.horses) day_horses += HorseRecord(h);
      day_results += ResultsRecordBytes(result);
      if (!is_sunday) continue;
      // The pseudo-PAT folder starts with the same odds, so the newspaper sheets have input
      // before any conversion.
      const std::string zo_name = ZoName(race.card), uo_name = UoName(race.card);
      for (const char* folder : {"PAT", "PSEUDO"}) {
        WritePatFiles(start / folder, zo_name, odds.zo, uo_name, odds.uo);
        SetFetchTime(start / folder / zo_name, day.date8, race.odds_time);
        if (odds.uo) SetFetchTime(start / folder / uo_name, day.date8, race.odds_time);
      }
      // "KS-", venue character, meeting and day, race character.
      const std::string ks = "KS-" + zo_name.substr(3, 1) + "0" + race.card.meeting +
                             race.card.day + zo_name.substr(5, 1) + ".JRA";
      out.Write(start / "PAT" / ks, SampleKsFile(race, result));
      csv += SampleCsvLines(race, odds);
    }
    out.Write(start / "DATA" / (day.stem + ".DEN"), day_cards);
    out.Write(start / "DATA" / (day.stem + ".UMA"), day_horses);
    out.Write(start / "SEISEKI" / (day.stem + ".SEI"), day_results);
    cards += day_cards, horses += day_horses, results += day_results;
  }
  std::string jockeys;
  for (const JockeyFields& j : meeting.jockeys) jockeys += JockeyRecord(j);
  out.Write(start / "DATA" / "騎手.DAT", jockeys);
  out.Write(start / "DATA" / "調教師.DAT", meeting.trainers);
  out.Write(start / "LZH" / "JV980509.LZH", StoredLzh({{"JRA#DEN1.DAT", cards},
                                                       {"JRA#UMAJ.DAT", horses},
                                                       {"JRA#KISI.DAT", jockeys},
                                                       {"JRA#CHOK.DAT", meeting.trainers}}));
  out.Write(start / "LZH" / "SE980510.LZH", StoredLzh({{"JRA#SEI1.DAT", results}}));
  out.Write(start / "TARGET" / "OD980510.CSV", csv);

  // The posting writes its script into a folder of its own, removed afterwards.
  const fs::path script = start / "Work" / "posting";
  fs::create_directories(script, error);
  out.Write(start / "LOG" / "KORVAN0510.ODS", text::EncodeCp932(ForumLog(start, sunday, script)));
  fs::remove_all(script, error);

  out.Write(start / "MIR_TOTE.ini", SettingsFile(start));
  if (!request.help_file.empty()) {
    fs::copy_file(request.help_file, start / "MIR_TOTE.HLP", fs::copy_options::overwrite_existing,
                  error);
    if (error && out.error.empty())
      out.error = text::PathText(request.help_file) + ": " + error.message();
  }
  return {out.error.empty(), out.error};
}

}  // namespace mirtote::sample
