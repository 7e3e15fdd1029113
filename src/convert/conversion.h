#pragma once
// What the two odds source conversions share: their result, the pseudo-PAT folder and
// layout they write, the messages they show, and the open dialog that chooses their files.

#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "history/history_recorder.h"
#include "pat/pat_file.h"
#include "shell/session.h"

namespace mirtote::convert {

namespace fs = std::filesystem;

struct ConversionResult {
  std::vector<fs::path> files_written;  // pseudo-PAT files, in writing order
  std::vector<std::string> messages;    // every message shown, in order
  int sources_done = 0;                 // source files converted to their end
  int sources_failed = 0;               // source files whose conversion ended early
  int races_written = 0;                // odds blocks or races that gave files
  int races_skipped = 0;                // odds blocks or races left out with a message
  bool stopped = false;                 // nothing was converted (PAT type, folder)
  int snapshots_added = 0;              // odds snapshots new to the odds history
};

inline constexpr std::string_view kDoneMessage = "処理終了しました";
inline constexpr std::string_view kConfirmTitle = "確認";
inline constexpr std::string_view kStopTitle = "処理中止";

// Shows a message through the host and keeps its text in the result.
void Tell(const Session& session, ConversionResult& result, std::string_view text,
          std::string_view title, MessageIcon icon);

// A failure that ends the conversion of one source file: the file, the line (0 for none) and
// the reason, shown as one message.
void TellFailure(const Session& session, ConversionResult& result, const fs::path& source,
                 size_t line, std::string_view reason);

// Where the pseudo-PAT files go and in which layout.
struct PseudoPatTarget {
  pat::PatLayout layout;
  fs::path folder;
};

// The layout from `PatType` and the pseudo-PAT folder from `PatFileFolder` (taken below the
// start folder). An unknown type or a missing folder is told to the user and gives nothing.
std::optional<PseudoPatTarget> PrepareTarget(const Session& session, ConversionResult& result);

// Writes one pseudo-PAT file (create or replace; an existing file of the name in another
// letter case is the one replaced). On failure returns the reason.
std::optional<std::string> WritePseudoPat(const PseudoPatTarget& target, const std::string& name,
                                          std::string_view bytes, ConversionResult& result);

// One odds block of a log, or one race of an odds CSV file, as parsed: its header and odds
// and the names of its files in the target's layout.
struct ParsedRace {
  const fs::path& source;
  size_t line;  // the block's title line, the race's first line
  const std::string& zo_name;
  const pat::ZoContent& zo;
  const std::string& uo_name;
  const std::optional<pat::UoContent>& uo;  // more than 8 runners
};

// The pseudo-PAT files of one source file, each held with its final content and written once
// when the source is done: a race met again (a later posting of its odds) replaces its files'
// content, so the last block of each race wins, as if each block had been written in turn.
// Memory is bounded by the number of races, not by the source's size.
class RaceFiles {
 public:
  RaceFiles(const Session& session, const PseudoPatTarget& target, ConversionResult& result,
            history::HistoryRecorder& history, history::SourceKind source_kind)
      : session_(session),
        target_(target),
        result_(result),
        history_(history),
        source_kind_(source_kind) {}

  // Every parsed block or race of a source passes here, in source order, before the last of
  // each race is kept: the one place that sees them all. Each is an odds snapshot for the
  // odds history.
  void Add(const ParsedRace& race);

  // Writes the files held, each once, in the order first met, and forgets them. Each file is
  // synced as it is written: it is its one and final write of the run. A failure ends the
  // writing; it is told with the source's name and gives false. Races whose ZO file was
  // written are counted.
  bool WriteAll(const fs::path& source);

 private:
  void Keep(const std::string& name, std::string bytes, int races);

  struct File {
    std::string name;
    std::string bytes;
    int races = 0;  // blocks whose ZO file this is
  };
  const Session& session_;
  const PseudoPatTarget& target_;
  ConversionResult& result_;
  history::HistoryRecorder& history_;
  history::SourceKind source_kind_;
  std::vector<File> files_;
  std::unordered_map<std::string, size_t> index_;  // name -> files_
};

// Hands a converted race to the odds history as its PAT95 files (`uo_pat95` empty for none):
// venue and race from the characters of its file names.
void RecordRace(history::HistoryRecorder& history, history::SourceKind source,
                const fs::path& source_file, char venue_char, char race_char,
                std::string_view zo_pat95, std::string_view uo_pat95);

// The sources a request names: a relative path is taken below the start folder.
fs::path SourcePath(const Session& session, const fs::path& path);

// The open dialogs of the two commands: several files, initial folder from the settings.
FileDialogRequest ForumLogOpenRequest(const Session& session);
FileDialogRequest OddsCsvOpenRequest(const Session& session);

// The chosen files as full paths, in the dialog's order.
std::vector<fs::path> ChosenPaths(const ChosenFiles& chosen);

// Runs one conversion over the chosen files in order: the pseudo-PAT folder and layout are
// checked first; a failure nothing else caught ends the whole run with one message.
// `Conversion` is built from (session, target, result, history) and converts one source
// path; the odds snapshots it records are kept in one transaction when the run ends.
template <typename Conversion>
ConversionResult ConvertFiles(const std::vector<fs::path>& files, const Session& session) {
  ConversionResult result;
  history::HistoryRecorder history(session);
  try {
    const auto target = PrepareTarget(session, result);
    if (!target) return result;
    Conversion conversion(session, *target, result, history);
    for (const auto& file : files) {
      conversion.Convert(SourcePath(session, file));
      session.host.Yield();
    }
  } catch (const std::exception& e) {
    session.host.CloseProgress();
    Tell(session, result, std::string("変換を中止しました。") + e.what(), kStopTitle,
         MessageIcon::kCritical);
    result.stopped = true;
  }
  history.Finish();
  result.snapshots_added = history.added();
  return result;
}

}  // namespace mirtote::convert
