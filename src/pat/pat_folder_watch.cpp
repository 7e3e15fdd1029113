#include "pat/pat_folder_watch.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "text/chars.h"

namespace mirtote::pat {

namespace {

bool IsPatOddsName(const std::string& name) {
  const std::string upper = text::AsciiUpper(name);
  return (upper.starts_with("ZO") || upper.starts_with("UO")) && upper.ends_with("JRA");
}

}  // namespace

PatFolderSnapshot SnapshotPatFolder(const std::filesystem::path& folder) {
  PatFolderSnapshot snapshot;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  size_t looked = 0;
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    if (++looked > kMaxEntriesLooked || snapshot.files.size() >= kMaxWatchedFiles) {
      snapshot.cut = true;
      break;
    }
    std::string name = it->path().filename().string();
    if (!IsPatOddsName(name)) continue;
    // stat, not lstat: the run reads through a link as well.
    struct stat status {};
    if (::stat(it->path().c_str(), &status) != 0 || !S_ISREG(status.st_mode)) continue;
    WatchedFile file;
    file.name = std::move(name);
    file.size = static_cast<std::uintmax_t>(status.st_size);
    file.modified_ns =
        static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
    file.inode = static_cast<std::uintmax_t>(status.st_ino);
    snapshot.files.push_back(std::move(file));
  }
  std::sort(snapshot.files.begin(), snapshot.files.end(),
            [](const WatchedFile& a, const WatchedFile& b) { return a.name < b.name; });
  return snapshot;
}

void SettleDetector::Ran(const PatFolderSnapshot& snapshot, Clock::time_point now) {
  ran_ = snapshot;
  seen_ = snapshot;
  seen_since_ = now;
  settled_ = true;
}

bool SettleDetector::Observe(const PatFolderSnapshot& snapshot, Clock::time_point now) {
  if (snapshot != seen_) {
    seen_ = snapshot;
    seen_since_ = now;
    settled_ = false;
  }
  if (!settled_ && now - seen_since_ >= settle_) settled_ = true;
  return settled_ && seen_ != ran_;
}

std::string WatchRunSummary(const std::tm& local_time, int races_posted) {
  char time_text[16];
  std::snprintf(time_text, sizeof time_text, "%02d:%02d:%02d", local_time.tm_hour,
                local_time.tm_min, local_time.tm_sec);
  return std::string(time_text) + " 投稿 " + std::to_string(races_posted) + " レース";
}

}  // namespace mirtote::pat
