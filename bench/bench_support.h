#pragma once
// What the benchmarks share: a host that shows nothing, and generated data sets kept for the
// whole benchmark run.

#include <filesystem>
#include <map>
#include <memory>

#include "sample/season_data.h"
#include "shell/host.h"

namespace mirtote::bench {

class QuietHost : public Host {
 public:
  void ShowMessage(std::string_view, std::string_view, MessageIcon) override { ++messages; }
  bool AskYesNo(std::string_view, std::string_view, MessageIcon) override { return false; }
  std::string AskText(std::string_view, std::string_view, std::string_view) override { return {}; }
  std::optional<ChosenFiles> ChooseFilesToOpen(const FileDialogRequest&) override { return {}; }
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest&) override { return {}; }
  void ShowProgress(std::string_view, int, int) override {}
  void SetProgressCaption(std::string_view) override {}
  void SetProgressValue(int) override {}
  void CloseProgress() override {}
  void SetBusy(bool) override {}
  void Yield() override {}
  void SetClipboardText(std::string_view) override {}
  int messages = 0;
};

// The seasons data set of that many race-card files, written once per benchmark run into
// the temporary folder, with the odds-log folder the posting writes to.
inline const std::filesystem::path& SeasonsDataSet(int race_card_files) {
  namespace fs = std::filesystem;
  static std::map<int, std::unique_ptr<fs::path>> sets;
  auto& set = sets[race_card_files];
  if (!set) {
    set = std::make_unique<fs::path>(fs::temp_directory_path() /
                                     ("mirtote_bench_" + std::to_string(race_card_files)));
    fs::remove_all(*set);
    sample::WriteSeasons(*set, {.race_card_files = race_card_files, .jockeys = 1000});
    fs::create_directories(*set / "FILE" / "File");
  }
  return *set;
}

}  // namespace mirtote::bench
