#pragma once
// A Host that passes everything to another one, except that while `answer_yes` is on it
// answers questions with Yes without showing them: the --yes start of the window program,
// whose start-up questions (missing working folders) are then taken as agreed.

#include "shell/host.h"

namespace mirtote::app {

class StartupAnswersHost : public Host {
 public:
  explicit StartupAnswersHost(Host& inner) : inner_(inner) {}

  bool answer_yes = false;

  void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override {
    inner_.ShowMessage(text, title, icon);
  }
  bool AskYesNo(std::string_view text, std::string_view title, MessageIcon icon) override {
    return answer_yes || inner_.AskYesNo(text, title, icon);
  }
  std::optional<std::string> AskText(std::string_view prompt, std::string_view title,
                                     std::string_view initial) override {
    return inner_.AskText(prompt, title, initial);
  }
  std::optional<ChosenFiles> ChooseFilesToOpen(const FileDialogRequest& request) override {
    return inner_.ChooseFilesToOpen(request);
  }
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override {
    return inner_.ChooseFileToSave(request);
  }
  void ShowProgress(std::string_view caption, int minimum, int maximum) override {
    inner_.ShowProgress(caption, minimum, maximum);
  }
  void SetProgressCaption(std::string_view caption) override { inner_.SetProgressCaption(caption); }
  void SetProgressValue(int value) override { inner_.SetProgressValue(value); }
  void CloseProgress() override { inner_.CloseProgress(); }
  void SetBusy(bool busy) override { inner_.SetBusy(busy); }
  void Yield() override { inner_.Yield(); }
  void SetClipboardText(std::string_view text) override { inner_.SetClipboardText(text); }

 private:
  Host& inner_;
};

}  // namespace mirtote::app
