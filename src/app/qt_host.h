#pragma once
// The window program's Host: Qt message boxes, input boxes and file dialogs, the shared
// progress window, the busy pointer and the clipboard.

#include <QPointer>

#include "app/prog_bar.h"
#include "shell/host.h"

namespace mirtote::app {

class QtHost : public Host {
 public:
  QtHost() = default;
  ~QtHost() override;
  QtHost(const QtHost&) = delete;
  QtHost& operator=(const QtHost&) = delete;

  // The main window: owner of the progress window, and of the dialogs while no other
  // window of the program is active.
  void SetMainWindow(QWidget* window) { main_window_ = window; }
  // The progress window, once a conversion has shown it.
  ProgBar* progress_window() const { return prog_bar_; }

  void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
  bool AskYesNo(std::string_view text, std::string_view title, MessageIcon icon) override;
  std::optional<std::string> AskText(std::string_view prompt, std::string_view title,
                                     std::string_view initial) override;
  std::optional<ChosenFiles> ChooseFilesToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;
  void ShowProgress(std::string_view caption, int minimum, int maximum) override;
  void SetProgressCaption(std::string_view caption) override;
  void SetProgressValue(int value) override;
  void CloseProgress() override;
  void SetBusy(bool busy) override;
  void Yield() override;
  void SetClipboardText(std::string_view text) override;

 private:
  QWidget* DialogParent() const;

  QPointer<QWidget> main_window_;
  QPointer<ProgBar> prog_bar_;
  bool busy_ = false;
};

}  // namespace mirtote::app
