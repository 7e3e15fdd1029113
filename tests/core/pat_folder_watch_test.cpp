#include "pat/pat_folder_watch.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/test_support.h"

namespace mirtote::pat {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = SettleDetector::Clock;

PatFolderSnapshot Files(std::initializer_list<const char*> names, std::uintmax_t size = 829) {
  PatFolderSnapshot snapshot;
  for (const char* name : names) snapshot.files.push_back({name, size, 0, 1});
  return snapshot;
}

// One look of the detector: the folder seen at `at` after the last run, and the answer.
struct Look {
  int at_ms;
  PatFolderSnapshot files;
  bool run;
  bool changing;
};

TEST(SettleDetectorTest, RunsOnceTheFilesHaveSettled) {
  const auto before = Files({"ZO-511.JRA"});
  const auto half = Files({"ZO-511.JRA", "ZO-512.JRA"}, 100);
  const auto fetched = Files({"ZO-511.JRA", "ZO-512.JRA"});
  struct Case {
    const char* name;
    std::vector<Look> looks;
  };
  const Case cases[] = {
      {"unchanged folder", {{5000, before, false, false}}},
      // A run that could not start is asked for again at the next look.
      {"one change",
       {{100, fetched, false, true},
        {1099, fetched, false, true},
        {1100, fetched, true, false},
        {1300, fetched, true, false}}},
      {"each change restarts the wait",
       {{100, half, false, true},
        {900, fetched, false, true},
        {1800, fetched, false, true},
        {1900, fetched, true, false}}},
      {"changed back before it settled",
       {{100, half, false, true}, {500, before, false, false}, {3000, before, false, false}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Clock::time_point start{};
    SettleDetector detector(1000ms);
    detector.Ran(before, start);
    for (const Look& look : c.looks) {
      SCOPED_TRACE(look.at_ms);
      EXPECT_EQ(detector.Observe(look.files, start + std::chrono::milliseconds(look.at_ms)),
                look.run);
      EXPECT_EQ(detector.Changing(), look.changing);
    }
  }
}

TEST(SettleDetectorTest, ChangeDuringARunIsReadAgain) {
  const auto first = Files({"ZO-511.JRA"});
  const auto second = Files({"ZO-511.JRA"}, 900);
  const Clock::time_point start{};
  SettleDetector detector(1000ms);
  detector.Ran(first, start);
  ASSERT_FALSE(detector.Observe(second, start + 1s));
  ASSERT_TRUE(detector.Observe(second, start + 2s));
  // The run reads `second`; PAT rewrites the file meanwhile.
  detector.Ran(second, start + 2s);
  EXPECT_FALSE(detector.Observe(second, start + 5s));
  EXPECT_FALSE(detector.Observe(first, start + 6s));
  EXPECT_TRUE(detector.Observe(first, start + 7s));
}

TEST(PatFolderSnapshotTest, SeesTheOddsFilesAndTheirRewrites) {
  testing::TempFolder folder;
  const fs::path pat = folder.path();
  for (const char* name :
       {"ZO-513.JRA", "uo-513.jra", "KS-51301.JRA", "ZO-511.TXT", "zo-511.jra"}) {
    std::ofstream(pat / name) << "odds";
  }
  fs::create_directory(pat / "ZO-FOLDER.JRA");
  const PatFolderSnapshot first = SnapshotPatFolder(pat);
  std::vector<std::string> names;
  for (const WatchedFile& file : first.files) names.push_back(file.name);
  EXPECT_EQ(names, (std::vector<std::string>{"ZO-513.JRA", "uo-513.jra", "zo-511.jra"}));
  EXPECT_FALSE(first.cut);
  EXPECT_EQ(SnapshotPatFolder(pat), first);

  // Same size, new time: a rewrite of the same odds is a change.
  fs::last_write_time(pat / "ZO-513.JRA", fs::last_write_time(pat / "ZO-513.JRA") + 1ns);
  EXPECT_NE(SnapshotPatFolder(pat), first);
  EXPECT_TRUE(SnapshotPatFolder(pat / "missing").files.empty());
}

}  // namespace
}  // namespace mirtote::pat
