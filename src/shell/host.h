#pragma once
// What a command needs from its user interface. The window implements it with Qt,
// the command line for a terminal, tests with a scripted fake.
//
// Texts are UTF-8. Message texts keep the CR / CR LF pieces they are joined from;
// an implementation shows each of them as a line break.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirtote {

enum class MessageIcon { kNone, kInformation, kExclamation, kCritical, kQuestion };

// A file dialog request. `filter` is the "|"-separated list of description/pattern pairs,
// as in "ﾃｷｽﾄﾌｧｲﾙ (*.TXT)|*.TXT|全てのﾌｧｲﾙ (*.*)|*.*|"; the first pair is preselected.
struct FileDialogRequest {
  std::string title;
  std::string initial_folder;  // absolute path
  std::string default_name;    // save dialogs: proposed file name
  std::string filter;
};

// Result of an open dialog allowing several files: one folder and the chosen names in it.
struct ChosenFiles {
  std::string folder;
  std::vector<std::string> names;
};

class Host {
 public:
  virtual ~Host() = default;

  // A modal message with an OK button.
  virtual void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) = 0;
  // A modal question with Yes and No buttons; true for Yes.
  virtual bool AskYesNo(std::string_view text, std::string_view title, MessageIcon icon) = 0;
  // An input box; the entered text (perhaps empty), nothing when cancelled.
  virtual std::optional<std::string> AskText(std::string_view prompt, std::string_view title,
                                             std::string_view initial) = 0;
  // Open dialog with several files allowed; nothing when cancelled.
  virtual std::optional<ChosenFiles> ChooseFilesToOpen(const FileDialogRequest& request) = 0;
  // Save dialog that asks before overwriting; the chosen path, nothing when cancelled.
  virtual std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) = 0;

  // The shared progress window: caption and range set by the caller.
  virtual void ShowProgress(std::string_view caption, int minimum, int maximum) = 0;
  virtual void SetProgressCaption(std::string_view caption) = 0;
  virtual void SetProgressValue(int value) = 0;
  virtual void CloseProgress() = 0;

  // Busy (wait) mouse pointer on or off.
  virtual void SetBusy(bool busy) = 0;
  // Lets pending interface events run (repaint, clicks) inside a long loop.
  virtual void Yield() = 0;
  // Clears the clipboard and puts plain text on it.
  virtual void SetClipboardText(std::string_view text) = 0;
};

// The busy pointer while a scope runs; the normal one again however the scope ends.
class BusyPointer {
 public:
  explicit BusyPointer(Host& host) : host_(host) { host_.SetBusy(true); }
  ~BusyPointer() { host_.SetBusy(false); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  Host& host_;
};

}  // namespace mirtote
