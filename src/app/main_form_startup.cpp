// The main window's start-up sequence, its close, and the help and version windows it opens.

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <filesystem>
#include <string>
#include <system_error>

#include "app/app_context.h"
#include "app/confirm_exit.h"
#include "app/help_window.h"
#include "app/main_form.h"
#include "app/placement.h"
#include "app/w_splash.h"
#include "shell/help_file.h"
#include "shell/settings_keys.h"
#include "shell/work_folders.h"
#include "text/files.h"

namespace mirtote::app {

namespace {

constexpr const char* kHelpFileName = "MIR_TOTE.HLP";

}  // namespace

bool Main_Form::MDIForm_Load() {
  RestoreMainPlacement(*this, context_.session.settings);
  if (!RememberStartFolder()) return false;
  if (PrepareWorkFolders(context_.session) != PrepareResult::kReady) return false;
  help_file_ = kHelpFileName;
  if (!options_.no_splash) ShowSplash();
  ApplyStoredOption(keys::kPatType, "PAT95");
  ApplyStoredOption(keys::kFileExtType, "ALL");
  return true;
}

bool Main_Form::RememberStartFolder() {
  std::error_code error;
  if (options_.start_folder) {
    context_.session.start_folder = *options_.start_folder;
    if (std::filesystem::is_directory(*options_.start_folder, error)) return true;
    context_.session.host.ShowMessage("開始フォルダがありません。\r" +
                                          text::PathText(*options_.start_folder) + "\r" +
                                          "ので終了します。\r",
                                      "終了確認", MessageIcon::kExclamation);
    return false;
  }
  context_.session.start_folder = std::filesystem::current_path(error);
  if (!error) return true;
  // The folder the program was started in has gone; nothing can be found below it.
  const std::string text = std::string("現在のフォルダを読み取れません。") + "\r" +
                           error.message() + "\r" + "ので終了します。" + "\r";
  context_.session.host.ShowMessage(text, "終了確認", MessageIcon::kExclamation);
  return false;
}

// The splash stands alone for the splash time, measured as elapsed time, while pending
// window events go on running.
void Main_Form::ShowSplash() {
  QElapsedTimer shown;
  shown.start();
  auto* splash = new WSplash(this);
  splash->ShowAsSplash();
  while (shown.elapsed() < options_.splash_time.count()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(10);
  }
  splash->close();
}

// An unknown value is replaced by the default and stored back. A missing key is stored with
// its default as well, so a first start leaves the values the menus show in the store.
void Main_Form::ApplyStoredOption(const char* key, const char* fallback) {
  const auto stored = context_.session.settings.Get(keys::kStartup, key);
  if (!stored || !ShowOption(key, *stored)) ChooseOption(key, fallback);
}

void Main_Form::closeEvent(QCloseEvent* event) {
  if (context_.ending) {
    event->accept();
    return;
  }
  // A command still running owns the window until it has finished.
  if (context_.command_running || !ConfirmExit(context_)) {
    event->ignore();
    return;
  }
  event->accept();
}

void Main_Form::ShowHelp(std::string_view keyword) {
  Host& host = context_.session.host;
  const auto file = FindHelpFile(
      HelpFileFolders(context_.session.start_folder, options_.program_folder), help_file_);
  if (!file) {
    const std::string text =
        std::string("ヘルプファイルが見つかりません。") + "\r\n" + "MIR_TOTE.exe と同じフォルダに" +
        "\r\n" + "MIR_TOTE.cnt と MIR_TOTE.hlp を " + "\r\n" + "格納してください。" + "\r\n";
    host.ShowMessage(text, "確　認", MessageIcon::kInformation);
    return;
  }
  if (!help_window_) {
    help_window_ = new HelpWindow(this);
    // Over the main window's working area, below its menu bar and toolbar.
    const QWidget* area = centralWidget() ? centralWidget() : this;
    help_window_->move(area->mapToGlobal(QPoint(24, 24)));
    help_window_->resize(
        help_window_->size().boundedTo(area->size() - QSize(48, 48)).expandedTo(QSize(480, 360)));
  }
  std::string error;
  if (!help_window_->Open(*file, &error)) {
    host.ShowMessage(error, "確　認", MessageIcon::kExclamation);
    return;
  }
  help_window_->show();
  help_window_->raise();
  help_window_->activateWindow();
  help_window_->ShowKeyword(keyword);
}

void Main_Form::ShowVersion() {
  if (!version_window_) version_window_ = new WSplash(this);
  version_window_->ShowAsVersion();
}

}  // namespace mirtote::app
