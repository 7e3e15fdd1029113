#pragma once
// The Host of the command line. Every message box becomes one block on the error stream:
// a "【TITLE】" line, then the text with its CR / CR LF pieces as line breaks (UTF-8).
// Questions are printed the same way and answered Yes with --yes, otherwise No. Input
// boxes keep their initial text, file dialogs are cancelled, the progress window and the
// busy pointer do nothing. There is no clipboard: a command prints the text its job returns.

#include <ostream>
#include <string>

#include "shell/host.h"

namespace mirtote::cli {

class TerminalHost : public Host {
 public:
  TerminalHost(std::ostream& err, bool answer_yes) : err_(err), answer_yes_(answer_yes) {}

  void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
  bool AskYesNo(std::string_view text, std::string_view title, MessageIcon icon) override;
  std::optional<std::string> AskText(std::string_view prompt, std::string_view title,
                                     std::string_view initial) override;
  std::optional<ChosenFiles> ChooseFilesToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;
  void ShowProgress(std::string_view, int, int) override {}
  void SetProgressCaption(std::string_view) override {}
  void SetProgressValue(int) override {}
  void CloseProgress() override {}
  void SetBusy(bool) override {}
  void Yield() override {}
  void SetClipboardText(std::string_view) override {}

 private:
  void PrintBlock(std::string_view text, std::string_view title);

  std::ostream& err_;
  bool answer_yes_;
};

// `text` with every CR LF and lone CR turned into LF.
std::string TerminalLines(std::string_view text);

}  // namespace mirtote::cli
