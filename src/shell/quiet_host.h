#pragma once
// A Host that shows nothing: questions are answered No, input boxes keep their initial text,
// dialogs are cancelled. It counts the messages, for the benchmarks and fuzz targets that run
// jobs with nobody watching.

#include "shell/host.h"

namespace mirtote {

class QuietHost : public Host {
 public:
  void ShowMessage(std::string_view, std::string_view, MessageIcon) override { ++messages; }
  bool AskYesNo(std::string_view, std::string_view, MessageIcon) override { return false; }
  std::optional<std::string> AskText(std::string_view, std::string_view,
                                     std::string_view initial) override {
    return std::string(initial);
  }
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

}  // namespace mirtote
