#pragma once
// Shared helpers of the core tests: a scripted Host, temporary folders, byte helpers.

#include <deque>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "shell/session.h"

namespace mirtote::testing {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

// A Host that records every message and answers questions from scripted lists.
// An unexpected question (no scripted answer left) fails the running test.
class ScriptedHost : public Host {
 public:
  struct Message {
    std::string text;
    std::string title;
    MessageIcon icon;
    bool question;
  };

  std::deque<bool> yes_no_answers;
  std::deque<std::optional<std::string>> text_answers;  // nothing: the box is cancelled
  std::deque<std::optional<ChosenFiles>> open_answers;
  std::deque<std::optional<std::string>> save_answers;
  // Runs when a question, input box or file dialog comes up, before it is answered: what the
  // user does meanwhile, or a failure (it may throw).
  std::function<void()> during_dialog;

  std::vector<Message> messages;
  std::vector<std::string> initial_texts;  // of each input box
  std::vector<FileDialogRequest> open_requests;
  std::vector<FileDialogRequest> save_requests;
  std::vector<std::string> progress_captions;
  std::vector<int> progress_values;
  std::string clipboard;
  int clipboard_writes = 0;
  int yields = 0;
  bool progress_shown = false;
  bool busy = false;
  std::vector<bool> busy_calls;       // every SetBusy, in order
  std::vector<bool> busy_at_dialogs;  // the pointer as each file dialog came up

  void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
  bool AskYesNo(std::string_view text, std::string_view title, MessageIcon icon) override;
  std::optional<std::string> AskText(std::string_view prompt, std::string_view title,
                                     std::string_view initial) override;
  std::optional<ChosenFiles> ChooseFilesToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;
  void ShowProgress(std::string_view caption, int, int) override {
    progress_shown = true;
    progress_captions.emplace_back(caption);
  }
  void SetProgressCaption(std::string_view caption) override {
    progress_captions.emplace_back(caption);
  }
  void SetProgressValue(int value) override { progress_values.push_back(value); }
  void CloseProgress() override { progress_shown = false; }
  void SetBusy(bool on) override {
    busy = on;
    busy_calls.push_back(on);
  }
  void Yield() override { ++yields; }
  void SetClipboardText(std::string_view text) override {
    clipboard = text;
    ++clipboard_writes;
  }

  // Each message as "title|icon|text" (icon i, !, x, ? or none); a question's title is
  // preceded by "?", as in "?確認|i|text".
  std::vector<std::string> Log() const;
};

// A fresh empty folder under the system's temporary folder, removed when destroyed.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const fs::path& path() const { return path_; }
  // Writes `bytes` to `relative` (folders created as needed) and returns the full path.
  fs::path Write(const fs::path& relative, std::string_view bytes) const;

 private:
  fs::path path_;
};

// The names of every entry of `folder` (dot-files and folders too), sorted.
Strings EntriesOf(const fs::path& folder);
// Every file below `root` and its bytes, by path relative to `root`.
using FileTree = std::map<std::string, std::string>;
FileTree FilesBelow(const fs::path& root);
// What a job that failed midway left below `root`: "" when each file holds what it held
// `before` or what the complete run leaves, and a file of both is still there; otherwise the
// first path that does not (a half file, a temporary file, a lost one).
std::string OldOrNew(const fs::path& root, const FileTree& before, const FileTree& complete);
// What a job runs with: a fresh start folder, settings in memory and a scripted host.
struct SessionFixture {
  TempFolder start;
  MemorySettingsStore settings;
  ScriptedHost host;
  Session session{start.path(), settings, host};
};

// Reads a whole file; empty text when missing.
std::string ReadFile(const fs::path& path);
// CP932 bytes of UTF-8 text (shorthand for building fixtures).
std::string Sjis(std::string_view utf8);
// `text` padded with ASCII spaces (or cut) to exactly `bytes` bytes, after CP932 encoding.
std::string SjisField(std::string_view utf8, size_t bytes);
// Overwrites `bytes` into `record` at `offset` (building fixed-length records).
void Put(std::string& record, size_t offset, std::string_view bytes);
// The files of `written` are those of the golden folder `golden`: same names, same bytes.
void ExpectSameFiles(const fs::path& written, const fs::path& golden);
// Fields joined with "|", so that a field boundary in the wrong place shows in a comparison.
std::string Join(std::initializer_list<std::string_view> fields);

// Golden files: tests/data/<relative>, UTF-8 text with LF lines. GoldenText gives the text
// with each LF made `eol`; GoldenDiff is "" when `actual` is exactly that text, else the
// first line that differs. With MIRTOTE_UPDATE_GOLDEN set, a differing file is rewritten.
std::string GoldenText(const fs::path& relative, std::string_view eol = "\r\n");
std::string GoldenDiff(std::string_view actual, const fs::path& relative,
                       std::string_view eol = "\r\n");
// A golden case table, one case a line: `Name "input" → "text"`. TableDiff computes each
// text again as `compute(Name, input)` and compares the table so made with the file.
using TableLookup = std::function<std::string(const std::string&, const std::string&)>;
std::string TableDiff(const fs::path& relative, const TableLookup& compute);

}  // namespace mirtote::testing
