#pragma once
// The watch on PAT's folder: the dialog and `pat-run --watch` rerun the odds run after every
// fetch. PAT writes a fetch as many ZO and UO files, one after the other, so a run starts
// only once the files have stopped changing for a while; a fetch that goes on while a run
// reads the files is seen as a change and read again once it has settled.

#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace mirtote::pat {

// What is watched of one ZO or UO file.
struct WatchedFile {
  std::string name;
  std::uintmax_t size = 0;
  std::int64_t modified_ns = 0;  // last modification, nanoseconds since the epoch
  std::uintmax_t inode = 0;      // a file replaced by a rename is another file

  bool operator==(const WatchedFile&) const = default;
};

// The ZO and UO files of a folder, by name (ASCII case ignored in the choice, names kept).
struct PatFolderSnapshot {
  std::vector<WatchedFile> files;  // sorted by name
  bool cut = false;                // the folder held more than the bounds below

  bool operator==(const PatFolderSnapshot&) const = default;
};

// Bounds of one look: far above the files of a meeting day (2 kinds x 10 venues x 8 days x
// 12 races), so that a folder full of other things costs a bounded time per look.
inline constexpr size_t kMaxWatchedFiles = 4096;
inline constexpr size_t kMaxEntriesLooked = 65536;

// One look at the folder's ZO and UO files (names starting "ZO" or "UO" and ending "JRA",
// regular files). A missing or unreadable folder gives no files.
PatFolderSnapshot SnapshotPatFolder(const std::filesystem::path& folder);

// Says when to run again. It is fed every look at the folder with the time of the look, and
// answers true once the files differ from those of the last run and have not changed for
// the settle time. Until `Ran` is called it keeps answering true, so that a run that could
// not start (another command was running) starts at a later look.
class SettleDetector {
 public:
  using Clock = std::chrono::steady_clock;

  explicit SettleDetector(Clock::duration settle) : settle_(settle) {}

  // The files a run is about to read (or has read): the next run waits for a change from them.
  void Ran(const PatFolderSnapshot& snapshot, Clock::time_point now);
  // The folder as seen at `now`; true when a run should start with these files.
  bool Observe(const PatFolderSnapshot& snapshot, Clock::time_point now);
  // The files differ from those of the last run, but have not settled yet.
  bool Changing() const { return seen_ != ran_ && !settled_; }
  // The files of the look that last answered true.
  const PatFolderSnapshot& seen() const { return seen_; }

 private:
  Clock::duration settle_;
  PatFolderSnapshot ran_;
  PatFolderSnapshot seen_;
  Clock::time_point seen_since_{};
  bool settled_ = true;
};

// The settle time of the watch and how often it looks at the folder.
inline constexpr std::chrono::milliseconds kWatchSettleTime{1000};
inline constexpr std::chrono::milliseconds kWatchLookInterval{200};

// "23:50:12 投稿 12 レース": the time of a run of the watch and the races it posted.
std::string WatchRunSummary(const std::tm& local_time, int races_posted);

}  // namespace mirtote::pat
