#pragma once
// What a job does to keep its odds snapshots: it hands each one to a recorder, which writes
// them all in one transaction of the store and ends it when the job ends.
//
// The history never gets in the way of the job: a store that cannot be opened, is locked
// by the other instance of the program for longer than the bounded wait, or fails while
// writing, ends the recording (nothing of this run is kept) and is told with one message
// naming the file and the reason when the job finishes. The file is never replaced.

#include <memory>
#include <string>

#include "history/history_store.h"
#include "history/odds_snapshot.h"
#include "shell/session.h"

namespace mirtote::history {

inline constexpr std::string_view kHistoryTitle = "オッズ履歴";

class HistoryRecorder {
 public:
  // Records when the setting `OddsHistory` (section Startup) is not "0"; the store of the
  // session's start folder is opened at the first snapshot.
  explicit HistoryRecorder(const Session& session);
  ~HistoryRecorder();  // a run that never finished keeps nothing
  HistoryRecorder(const HistoryRecorder&) = delete;
  HistoryRecorder& operator=(const HistoryRecorder&) = delete;

  void Record(const RaceSnapshot& snapshot);
  // The snapshot of a race's ZO and UO file (PAT95 bytes); a header without a readable
  // race is left out.
  void RecordPatFiles(std::string_view zo, std::string_view uo, const PatSource& source);

  // Commits the run's snapshots; tells the failure, if any, once. Call once, at the end.
  void Finish();

  bool enabled() const { return enabled_; }
  int added() const { return added_; }                     // snapshots new to the store
  int offered() const { return offered_; }                 // snapshots handed in
  const std::string& failure() const { return failure_; }  // empty unless the recording failed

 private:
  const Session& session_;
  bool enabled_;
  std::unique_ptr<HistoryStore> store_;
  std::string failure_;
  int added_ = 0;
  int offered_ = 0;
};

// The PAT odds file time used as the odds time of a PAT run: the file's modification time
// as "HHMM" local time; empty when it cannot be read.
std::string FileTimeText(const std::filesystem::path& path);

}  // namespace mirtote::history
