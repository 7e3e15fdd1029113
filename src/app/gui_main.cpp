#include "app/gui_main.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/app_context.h"
#include "app/app_fonts.h"
#include "app/main_form.h"
#include "app/qt_host.h"
#include "app/startup_answers_host.h"
#include "runtime/qt_settings_store.h"

namespace mirtote::app {

int RunGui(int& argc, char** argv, const runtime::StartOptions& options) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("MIR_TOTE"));
  QApplication::setApplicationVersion(QStringLiteral("2.00"));

  // Everything the user sees is Japanese, the standard dialog buttons too.
  QTranslator qt_translator;
  if (qt_translator.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qt_translator);
  }
  InstallApplicationFonts();

  const std::unique_ptr<runtime::QtSettingsStore> settings =
      runtime::QtSettingsStore::Open(options.settings_file);
  QtHost qt_host;
  StartupAnswersHost host(qt_host);
  AppContext context{Session{{}, *settings, host}};

  MainFormOptions form_options;
  form_options.no_splash = options.no_splash;
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
