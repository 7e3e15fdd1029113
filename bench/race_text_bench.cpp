// A whole meeting day of the odds run's text step: 12 races of 18 runners, each race text
// and odds tables built from the day's race-card file, a horse file with many more horses
// than the day's and a large jockey file. The work per race should grow linearly with the
// size of the horse and jockey files (each is read once per race).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "pat/odds_tables.h"
#include "pat/pat_file.h"
#include "pat/race_text.h"
#include "shell/host.h"
#include "shell/session.h"
#include "shell/settings_store.h"
#include "text/cp932.h"

namespace {

namespace fs = std::filesystem;
using namespace mirtote;

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

void Put(std::string& record, size_t offset, std::string_view bytes) {
  record.replace(offset, bytes.size(), bytes);
}

std::string Digits(long long n, int width) {
  std::string s = std::to_string(n);
  return std::string(static_cast<size_t>(width) - s.size(), '0') + s;
}

std::string HorseId(int race, int horse) {
  return "98" + Digits(race * 100 + horse, 6);
}

std::string RaceCard(int race) {
  std::string r(584, ' ');
  Put(r, 0, "059838" + Digits(race, 2));
  Put(r, 8, "05102");
  Put(r, 13, Digits(1000 + race * 25, 4));
  Put(r, 17, text::EncodeCp932("テストステークス"));
  Put(r, 77, "000124");
  Put(r, 86, "000005010010");
  Put(r, 98, "160011E18");
  for (int h = 1; h <= 18; ++h) {
    const size_t at = 168 + 23 * static_cast<size_t>(h - 1);
    Put(r, at, std::to_string((h + 1) / 2 > 8 ? 8 : (h + 1) / 2));
    Put(r, at + 1, HorseId(race, h));
    Put(r, at + 9, "1 550" + Digits(h, 4));
  }
  return r;
}

std::string Horse(const std::string& id) {
  std::string r(1825, ' ');
  Put(r, 0, id);
  Put(r, 9, text::EncodeCp932("ベンチマークホース"));
  Put(r, 130, "1");
  Put(r, 133, "950401");
  Put(r, 724, "480");
  return r;
}

std::string Jockey(int code) {
  std::string r(1065, ' ');
  Put(r, 0, Digits(code % 10000, 4));
  Put(r, 11, text::EncodeCp932("騎手名前　　　　"));
  Put(r, 27, text::EncodeCp932("太郎　　　　　　"));
  return r;
}

void Write(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// DATA and PAT folders of one day; `other_horses` unrelated horses come before the day's
// horses in the horse file, `jockeys` other jockeys before the day's in the jockey file.
fs::path MakeDay(int other_horses, int jockeys) {
  std::random_device rd;
  const fs::path root = fs::temp_directory_path() / ("mirtote-bench-" + std::to_string(rd()));
  fs::create_directories(root / "DATA");
  fs::create_directories(root / "PAT");
  std::string den, uma, kisi;
  for (int k = 0; k < other_horses; ++k) uma += Horse("7" + Digits(k, 7));
  for (int race = 1; race <= 12; ++race) {
    den += RaceCard(race);
    for (int h = 1; h <= 18; ++h) uma += Horse(HorseId(race, h));
  }
  // The day's jockeys 1-18 come last, after the others.
  for (int k = 0; k < jockeys; ++k) kisi += Jockey(1000 + k);
  for (int k = 1; k <= 18; ++k) kisi += Jockey(k);
  Write(root / "DATA" / "東京19980509.DEN", RaceCard(1).replace(5, 1, "7"));  // another day
  Write(root / "DATA" / "東京19980510.DEN", den);
  Write(root / "DATA" / "東京19980510.UMA", uma);
  Write(root / "DATA" / "騎手.DAT", kisi);

  for (int race = 1; race <= 12; ++race) {
    pat::ZoContent zo;
    zo.header = {"19980510", "東京", "19", "98", "03", "08", Digits(race, 2),
                 "01",       "1000", "",   "",   18,   ""};
    for (int h = 0; h < 18; ++h)
      zo.horses[h] = {pat::HorseOdds::State::kRunning, "12.3", "2.1", "3.4"};
    for (auto& b : zo.brackets) b = {pat::PairOdds::State::kSold, "45.6"};
    pat::UoContent uo{zo.header,
                      std::vector<pat::PairOdds>(153, {pat::PairOdds::State::kSold, "123.4"})};
    const char rc = pat::RaceChar(race);
    Write(root / "PAT" / pat::PatFileName(pat::PatKind::kZo, '5', '8', rc),
          pat::BuildZoFile(zo, pat::PatLayout::kPat95));
    Write(root / "PAT" / pat::PatFileName(pat::PatKind::kUo, '5', '8', rc),
          pat::BuildUoFile(uo, pat::PatLayout::kPat95));
  }
  return root;
}

void BM_MeetingDayRaceTexts(benchmark::State& state) {
  const int scale = static_cast<int>(state.range(0));
  const fs::path root = MakeDay(scale, scale / 4);
  MemorySettingsStore settings;
  QuietHost host;
  Session session{root, settings, host};
  size_t bytes = 0;
  bool incomplete = false;
  for (auto _ : state) {
    pat::RaceTextCarry carry;
    for (int race = 1; race <= 12; ++race) {
      const char rc = pat::RaceChar(race);
      const std::string zo = pat::PatFileName(pat::PatKind::kZo, '5', '8', rc);
      const std::string uo = pat::PatFileName(pat::PatKind::kUo, '5', '8', rc);
      const pat::RaceText text = pat::BuildRaceText({root / "PAT", zo, false}, session, carry);
      bytes += text.text.size() + pat::BuildOddsTables(root / "PAT", zo, uo).size();
      incomplete |= !text.built || text.race_card_missing || text.jockey_missing;
    }
  }
  if (host.messages != 0 || incomplete) state.SkipWithError("fixture day incomplete");
  benchmark::DoNotOptimize(bytes);
  state.SetComplexityN(scale);
  fs::remove_all(root);
}
BENCHMARK(BM_MeetingDayRaceTexts)
    ->RangeMultiplier(4)
    ->Range(256, 4096)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
