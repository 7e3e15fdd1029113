#include "jravan/archive_distribution.h"

#include <array>

#include "jravan/day_split.h"
#include "jravan/race_card_record.h"
#include "results/results_record.h"
#include "text/chars.h"
#include "text/files.h"
#include "text/number.h"

namespace mirtote::jravan {

namespace {

constexpr std::string_view kRaceCards = "JRA#DEN1.DAT";
constexpr std::string_view kHorses = "JRA#UMAJ.DAT";
constexpr std::string_view kResults = "JRA#SEI1.DAT";
constexpr std::string_view kJockeys = "JRA#KISI.DAT";
constexpr std::string_view kTrainers = "JRA#CHOK.DAT";
constexpr std::array<std::string_view, 2> kNoAction = {"JRA#HYO1.DAT", "JRA#HYO3.DAT"};
constexpr std::string_view kJockeyCopy = "騎手.DAT";
constexpr std::string_view kTrainerCopy = "調教師.DAT";
constexpr std::string_view kCrLf = "\r\n";

// The archive's file of a known name, ASCII case ignored.
const LzhMember* Find(const StagedLzh& staged, std::string_view name) {
  for (const LzhMember& m : staged.members)
    if (text::AsciiUpper(m.name) == name) return &m;
  return nullptr;
}

bool IsKnown(std::string_view upper_name) {
  for (std::string_view name : {kRaceCards, kHorses, kResults, kJockeys, kTrainers})
    if (upper_name == name) return true;
  for (std::string_view name : kNoAction)
    if (upper_name == name) return true;
  return false;
}

// Whether DATA (or SEISEKI) holds a non-empty file of this name, ASCII case ignored.
bool HasNonEmpty(const fs::path& folder, std::string_view name) {
  auto found = text::FindIgnoringCase(folder, name);
  std::error_code ec;
  return found && fs::is_regular_file(*found, ec) && fs::file_size(*found, ec) > 0 && !ec;
}

// A staged file that cannot be read, named as the archive names it (the reader's text names
// the temporary file).
std::string Unreadable(const LzhMember& member, const std::string& error) {
  const size_t cut = error.find(": ");
  return member.name + " を読めません" + (cut == std::string::npos ? "" : error.substr(cut));
}

class Planner {
 public:
  Planner(const StagedLzh& staged, std::string_view archive_name, const ArchiveFolders& folders)
      : staged_(staged), archive_name_(archive_name), folders_(folders) {}

  DistributionPlan Run() {
    for (const LzhMember& m : staged_.members)
      if (IsKnown(text::AsciiUpper(m.name))) plan_.known = true;
    const LzhMember* cards = Find(staged_, kRaceCards);
    const LzhMember* horses = Find(staged_, kHorses);
    if (cards && !SplitCards(*cards, horses)) return std::move(plan_);
    if (const LzhMember* results = Find(staged_, kResults); results && !SplitResultFile(*results)) {
      return std::move(plan_);
    }
    if (const LzhMember* m = Find(staged_, kJockeys); m && !Copy(*m, kJockeyCopy)) {
      return std::move(plan_);
    }
    if (const LzhMember* m = Find(staged_, kTrainers); m && !Copy(*m, kTrainerCopy)) {
      return std::move(plan_);
    }
    // Files without an action stay in Work; an archive with nothing known leaves nothing.
    for (const LzhMember& m : staged_.members) {
      const std::string upper = text::AsciiUpper(m.name);
      const bool used = upper == kRaceCards || upper == kResults || upper == kJockeys ||
                        upper == kTrainers || (upper == kHorses && cards);
      if (!used && plan_.known) plan_.moves.push_back({m.file, folders_.work / m.name});
    }
    return std::move(plan_);
  }

 private:
  std::optional<text::RecordFile> Read(const LzhMember& member, size_t length) {
    std::string error;
    auto file = text::RecordFile::Open(member.file, length, &error);
    if (!file) {
      plan_.failure = Unreadable(member, error);
      return std::nullopt;
    }
    // A tail shorter than a record belongs to no record: it is left out, and said.
    if (size_t tail = file->bytes().size() % length; tail != 0) {
      plan_.notes.push_back(member.name + " の最後の " + std::to_string(tail) +
                            " バイトはレコード（" + std::to_string(length) +
                            " バイト）に足りないため読み飛ばしました。");
    }
    return file;
  }

  void NoteSkipped(const LzhMember& member, int skipped) {
    plan_.skipped_records += skipped;
    if (skipped == 0) return;
    plan_.notes.push_back("場コードまたは日付が正しくないレコードを読み飛ばしました。\r\n" +
                          member.name + "：" + text::DecimalText(skipped) + "件");
  }

  bool SplitCards(const LzhMember& cards_member, const LzhMember* horses_member) {
    auto cards = Read(cards_member, kRaceCardLength);
    if (!cards) return false;
    text::RecordFile horses;
    if (horses_member) {
      auto read = Read(*horses_member, kHorseLength);
      if (!read) return false;
      horses = std::move(*read);
    }
    SplitFiles split = SplitRaceCards(*cards, horses);
    NoteSkipped(cards_member, split.skipped_records);
    std::string kept, empty;
    for (DayFile& file : split.files) {
      const bool horse_file = file.name.ends_with(".UMA");
      if (horse_file && file.bytes.empty()) {
        if (HasNonEmpty(folders_.data, file.name)) {
          kept += std::string(kCrLf) + file.name;
          continue;
        }
        empty += std::string(kCrLf) + file.name;
      }
      plan_.writes.push_back({folders_.data / file.name, std::move(file.bytes)});
    }
    if (!horses_member && !split.files.empty()) {
      std::string note = "指定されたファイル【 " + archive_name_ + " 】には競走馬データ（" +
                         std::string(kHorses) + "）がありません。";
      if (!kept.empty()) note += "\r\n次の競走馬ファイルは前のままにしました。" + kept;
      if (!empty.empty()) note += "\r\n次の競走馬ファイルは空です。" + empty;
      plan_.notes.push_back(std::move(note));
    } else if (!kept.empty()) {
      plan_.notes.push_back(
          std::string(kHorses) +
          " にその日の競走馬がないため、次の競走馬ファイルは前のままにしました。" + kept);
    }
    return true;
  }

  bool SplitResultFile(const LzhMember& member) {
    auto results = Read(member, results::kResultsLength);
    if (!results) return false;
    SplitFiles split = SplitResults(*results);
    NoteSkipped(member, split.skipped_records);
    for (DayFile& file : split.files) {
      plan_.writes.push_back({folders_.seiseki / file.name, std::move(file.bytes)});
    }
    return true;
  }

  // A copy into DATA replacing the older file, unless it would empty it.
  bool Copy(const LzhMember& member, std::string_view target_name) {
    std::string error;
    auto bytes = text::ReadWholeFile(member.file, &error);
    if (!bytes) {
      plan_.failure = Unreadable(member, error);
      return false;
    }
    if (bytes->empty() && HasNonEmpty(folders_.data, target_name)) {
      plan_.notes.push_back(member.name + " が空のため、" + std::string(target_name) +
                            " は前のままにしました。");
      return true;
    }
    plan_.writes.push_back({folders_.data / std::string(target_name), std::move(*bytes)});
    return true;
  }

  const StagedLzh& staged_;
  std::string archive_name_;
  const ArchiveFolders& folders_;
  DistributionPlan plan_;
};

}  // namespace

DistributionPlan PlanDistribution(const StagedLzh& staged, std::string_view archive_name,
                                  const ArchiveFolders& folders) {
  return Planner(staged, archive_name, folders).Run();
}

bool IsDistributedName(std::string_view name) {
  const std::string upper = text::AsciiUpper(name);
  for (std::string_view known : {kRaceCards, kResults, kJockeys, kTrainers})
    if (upper == known) return true;
  return false;
}

}  // namespace mirtote::jravan
