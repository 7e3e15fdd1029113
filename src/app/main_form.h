#pragma once
// The main window: its menus and toolbar, the start-up sequence and the exit confirmation.
// After start-up it only dispatches each menu item and toolbar button to a setting, a window
// or an operation.

#include <QMainWindow>
#include <QPointer>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/help_window.h"
#include "app/w_splash.h"

class QAction;
class QToolBar;

namespace mirtote::app {

struct AppContext;

struct MainFormOptions {
  bool no_splash = false;                             // --no-splash
  std::chrono::milliseconds splash_time{3000};        // how long the splash stands alone
  std::optional<std::filesystem::path> start_folder;  // instead of the process's current folder
  // The executable's folder, from which the installed help file is found.
  std::filesystem::path program_folder;
};

// The windows and operations the menus start, each a function of the context.
struct MainFormOperations {
  using Operation = std::function<void(AppContext&)>;
  Operation pat_run;               // "MIR_OTTE"
  Operation archive_extraction;    // "JRA-VAN圧縮ﾌｧｲﾙ解凍"
  Operation forum_log_conversion;  // "会議室ログから疑似PATﾌｧｲﾙへ変換"
  Operation odds_csv_conversion;  // "ｵｯｽﾞﾌｧｲﾙ(OD～.CSV)から疑似PATﾌｧｲﾙへ変換"
  Operation results_selection;  // "確定成績表示(JRA-VAN成績ﾃﾞｰﾀ利用)"
  Operation odds_selection;     // "専門紙風ｵｯｽﾞ出力"
  Operation odds_history;       // "オッズ推移"
  Operation folder_settings;    // "ﾌｫﾙﾀﾞ設定"
  Operation processing_window;  // "時間設定"

  // The program's own windows and operations.
  static MainFormOperations Standard();
};

class Main_Form : public QMainWindow {
  Q_OBJECT
 public:
  explicit Main_Form(AppContext& context, MainFormOptions options = {},
                     MainFormOperations operations = MainFormOperations::Standard());
  ~Main_Form() override;

  // The start-up sequence; false when the program must end (a working folder refused or not
  // created; the user has been told).
  bool MDIForm_Load();

  // The toolbar's dispatch by button key; an unknown key does nothing.
  void Toolbar1_ButtonClick(const QString& key);

  void LzhMelt_Click();
  void KORVANout_Click();
  void ODCSVout_Click();
  void SeisekiOut_Click();
  void ViewSelect_Click();
  void OddsHistory_Click();
  void MIR_OTTE_works_Click();
  void SousaEnd_Click();
  void OptFolder_Click();
  void SelPAT31_Click();
  void SelPAT95_Click();
  void FileSel1_ODS_Click();
  void FileSel1_TXT_Click();
  void FileSel1_ALL_Click();
  void FileSel2_CSV_Click();
  void OptTime_Click();
  void HelpCont_Click();
  void HelpVer_Click();

  // The help file at the keyword's section, or a message when the start folder has none.
  void ShowHelp(std::string_view keyword);
  // The version window; shown again it comes forward.
  void ShowVersion();

  QToolBar* Toolbar1() const { return toolbar1_; }
  WSplash* version_window() const { return version_window_; }
  HelpWindow* help_window() const { return help_window_; }

 protected:
  // MDIForm_QueryUnload: closing the main window asks the exit confirmation first.
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolbar();
  QAction* Item(const char* name) const;
  // Checks the option item of setting `key` that shows `value` and unchecks its others;
  // false when no item shows that value.
  bool ShowOption(std::string_view key, std::string_view value);
  // An option item chosen: its mark, and its value stored.
  void ChooseOption(const char* key, const char* value);
  // Start-up: the marks of setting `key` from the store.
  void ApplyStoredOption(const char* key, const char* fallback);
  // Runs a menu or toolbar command unless another one is still running.
  void RunCommand(const std::function<void()>& command);
  void RunOperation(const MainFormOperations::Operation& operation);
  bool RememberStartFolder();
  void ShowSplash();

  AppContext& context_;
  MainFormOptions options_;
  MainFormOperations operations_;
  std::string help_file_;
  QToolBar* toolbar1_ = nullptr;
  QPointer<WSplash> version_window_;
  QPointer<HelpWindow> help_window_;
};

}  // namespace mirtote::app
