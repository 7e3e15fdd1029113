#pragma once
// Shared helpers of the core tests: a scripted Host, temporary folders, byte helpers.

#include <deque>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "shell/host.h"

namespace mirtote::testing {

namespace fs = std::filesystem;

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
  std::deque<std::string> text_answers;
  std::deque<std::optional<ChosenFiles>> open_answers;
  std::deque<std::optional<std::string>> save_answers;

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

  void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
  bool AskYesNo(std::string_view text, std::string_view title, MessageIcon icon) override;
  std::string AskText(std::string_view prompt, std::string_view title,
                      std::string_view initial) override;
  std::optional<ChosenFiles> ChooseFilesToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;
  void ShowProgress(std::string_view caption, int minimum, int maximum) override;
  void SetProgressCaption(std::string_view caption) override;
  void SetProgressValue(int value) override;
  void CloseProgress() override;
  void SetBusy(bool on) override { busy = on; }
  void Yield() override { ++yields; }
  void SetClipboardText(std::string_view text) override;
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

// Reads a whole file; empty text when missing.
std::string ReadFile(const fs::path& path);
// CP932 bytes of UTF-8 text (shorthand for building fixtures).
std::string Sjis(std::string_view utf8);
// `text` padded with ASCII spaces (or cut) to exactly `bytes` bytes, after CP932 encoding.
std::string SjisField(std::string_view utf8, size_t bytes);
// Overwrites `bytes` into `record` at `offset` (building fixed-length records).
void Put(std::string& record, size_t offset, std::string_view bytes);
// Fields joined with "|", so that a field boundary in the wrong place shows in a comparison.
std::string Join(std::initializer_list<std::string_view> fields);

}  // namespace mirtote::testing
