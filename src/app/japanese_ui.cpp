#include "app/japanese_ui.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QtGlobal>
#include <array>
#include <cstring>
#include <optional>

namespace mirtote::app {

namespace {

// Texts of the file dialogs' type column that the shipped Japanese translations miss.
class MissingTexts : public QTranslator {
 public:
  using QTranslator::QTranslator;

  bool isEmpty() const override { return false; }

  QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                    int /*n*/) const override {
    if (context == nullptr || source == nullptr ||
        std::strcmp(context, "QAbstractFileIconProvider") != 0) {
      return {};
    }
    static constexpr std::array<std::array<const char*, 2>, 4> kTexts = {{
        {"Folder", "フォルダー"},
        {"Drive", "ドライブ"},
        {"File", "ファイル"},
        {"%1 File", "%1 ファイル"},
    }};
    for (const auto& [english, japanese] : kTexts) {
      if (std::strcmp(source, english) == 0) return QString::fromUtf8(japanese);
    }
    return {};
  }
};

}  // namespace

void UseJapaneseDateFormats() {
  // Qt reads the environment's formats once, at the first use of the system locale. They
  // are read with Japanese dates, and the environment is put back at once, so that the C
  // library (which may lack a Japanese locale) keeps the user's settings. LC_ALL would hide
  // LC_TIME, so it is set aside for that moment too.
  const char* const names[] = {"LC_ALL", "LC_TIME"};
  std::array<std::optional<QByteArray>, 2> saved;
  for (std::size_t i = 0; i < saved.size(); ++i) {
    if (qEnvironmentVariableIsSet(names[i])) saved[i] = qgetenv(names[i]);
  }
  const QByteArray all = saved[0].value_or(QByteArray());
  std::array<std::optional<QByteArray>, 4> others;
  const char* const other_names[] = {"LC_CTYPE", "LC_NUMERIC", "LC_MONETARY", "LC_MESSAGES"};
  if (!all.isEmpty()) {
    for (std::size_t i = 0; i < others.size(); ++i) {
      if (qEnvironmentVariableIsSet(other_names[i])) others[i] = qgetenv(other_names[i]);
      qputenv(other_names[i], all);
    }
  }
  qunsetenv("LC_ALL");
  qputenv("LC_TIME", "ja_JP.UTF-8");
  (void)QLocale::system().name();

  const auto put_back = [](const char* name, const std::optional<QByteArray>& value) {
    if (value) {
      qputenv(name, *value);
    } else {
      qunsetenv(name);
    }
  };
  if (!all.isEmpty()) {
    for (std::size_t i = 0; i < others.size(); ++i) put_back(other_names[i], others[i]);
  }
  for (std::size_t i = 0; i < saved.size(); ++i) put_back(names[i], saved[i]);
}

void InstallJapaneseUi(QApplication& application) {
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  QLocale::setDefault(japanese);
  auto* qt_texts = new QTranslator(&application);
  if (qt_texts->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(qt_texts);
  }
  QApplication::installTranslator(new MissingTexts(&application));
}

}  // namespace mirtote::app
