#include "app/gui_main.h"

#include <QApplication>
#include <QFile>
#include <filesystem>
#include <system_error>

#include "app/app_context.h"
#include "app/app_fonts.h"
#include "app/japanese_ui.h"
#include "app/main_form.h"
#include "app/qt_host.h"
#include "app/startup_answers_host.h"
#include "app/toolbar_icons.h"
#include "runtime/qt_settings_store.h"

namespace mirtote::app {

int RunGui(int& argc, char** argv, const runtime::StartOptions& options) {
  UseJapaneseDateFormats();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("MIR_TOTE"));
  QApplication::setApplicationVersion(QStringLiteral("2.00"));
  // The installed desktop entry's name, which desktops match the window (and its icon) by.
  QGuiApplication::setDesktopFileName(QStringLiteral("mir_tote"));

  QApplication::setWindowIcon(ProgramIcon());

  InstallJapaneseUi(application);
  InstallApplicationFonts();

  // A relative settings file is taken below the folder the program was started in.
  std::error_code ec;
  const std::unique_ptr<runtime::QtSettingsStore> settings =
      runtime::QtSettingsStore::Open(options.settings_file, std::filesystem::current_path(ec));
  QtHost qt_host;
  // A settings file the store cannot keep whole is refused before anything runs.
  if (auto problem = settings->Problem()) {
    qt_host.ShowMessage(*problem, "設定ファイル確認", MessageIcon::kCritical);
    return 1;
  }
  // A value the window stores but cannot write is told at once, not found missing next time.
  settings->SetFailureHandler([&qt_host](const std::string& problem) {
    qt_host.ShowMessage(problem, "設定ファイル確認", MessageIcon::kExclamation);
  });
  StartupAnswersHost host(qt_host);
  AppContext context{Session{{}, *settings, host}};

  MainFormOptions form_options;
  form_options.no_splash = options.no_splash;
  form_options.program_folder =
      QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
  if (options.start_folder) {
    std::error_code error;
    form_options.start_folder = std::filesystem::absolute(*options.start_folder, error);
  }
  Main_Form form(context, form_options);
  qt_host.SetMainWindow(&form);

  host.answer_yes = options.yes;
  const bool ready = form.MDIForm_Load();
  host.answer_yes = false;
  if (!ready) return 1;

  form.show();
  return QApplication::exec();
}

}  // namespace mirtote::app
