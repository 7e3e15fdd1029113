#include "history/history_recorder.h"

#include <sys/stat.h>

#include <ctime>

#include "shell/settings_keys.h"
#include "text/files.h"

namespace mirtote::history {

HistoryRecorder::HistoryRecorder(const Session& session)
    : session_(session),
      enabled_(session.settings.GetOr(keys::kStartup, keys::kOddsHistory, "1") != "0") {}

HistoryRecorder::~HistoryRecorder() = default;

void HistoryRecorder::Record(const RaceSnapshot& snapshot) {
  if (!enabled_ || !failure_.empty()) return;
  ++offered_;
  if (!store_) {
    store_ = HistoryStore::Open(HistoryPath(session_.start_folder), HistoryStore::Mode::kWrite,
                                failure_);
    if (store_ && !store_->Begin(failure_)) store_.reset();
    if (!store_) return;
  }
  bool added = false;
  if (!store_->Add(snapshot, added, failure_)) {
    store_.reset();  // closing rolls the transaction back
    return;
  }
  added_ += added ? 1 : 0;
}

void HistoryRecorder::RecordPatFiles(std::string_view zo, std::string_view uo,
                                     const PatSource& source) {
  if (!enabled_ || !failure_.empty()) return;
  if (auto snapshot = SnapshotOfPatFiles(zo, uo, source)) Record(*snapshot);
}

void HistoryRecorder::Finish() {
  if (store_ && failure_.empty() && !store_->Commit(failure_)) added_ = 0;
  store_.reset();
  if (failure_.empty()) return;
  added_ = 0;
  session_.host.ShowMessage("オッズ履歴に記録しませんでした。\r\nファイル：" +
                                text::PathText(HistoryPath(session_.start_folder)) + "\r\n理由：" +
                                failure_ + "\r\n処理そのものは最後まで行いました。",
                            kHistoryTitle, MessageIcon::kExclamation);
}

std::string FileTimeText(const std::filesystem::path& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return {};
  std::tm local{};
  if (localtime_r(&st.st_mtime, &local) == nullptr) return {};
  char text[8];
  std::strftime(text, sizeof text, "%H%M", &local);
  return text;
}

}  // namespace mirtote::history
