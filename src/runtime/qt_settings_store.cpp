#include "runtime/qt_settings_store.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <system_error>

namespace mirtote::runtime {

namespace {

QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToUtf8(const QString& text) {
  return text.toUtf8().toStdString();
}

QString KeyPath(std::string_view section, std::string_view key) {
  return ToQString(section) + QLatin1Char('/') + ToQString(key);
}

// The INI file named on the command line, taken below the current folder when relative.
std::string AbsolutePath(const std::filesystem::path& file) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(file, ec);
  return (ec ? file : absolute).lexically_normal().string();
}

}  // namespace

// The native format is INI text in "MIR_TOTE/MIR_TOTE.conf" on Linux (IniFormat would name the
// file ".ini").
QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("MIR_TOTE"),
                                            QStringLiteral("MIR_TOTE"))) {}

QtSettingsStore::QtSettingsStore(const std::filesystem::path& ini_file)
    : settings_(
          std::make_unique<QSettings>(ToQString(AbsolutePath(ini_file)), QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

std::unique_ptr<QtSettingsStore> QtSettingsStore::Open(const std::optional<std::string>& ini_file) {
  if (ini_file) return std::make_unique<QtSettingsStore>(std::filesystem::path(*ini_file));
  return std::make_unique<QtSettingsStore>();
}

std::optional<std::string> QtSettingsStore::Get(std::string_view section,
                                                std::string_view key) const {
  const QString path = KeyPath(section, key);
  if (!settings_->contains(path)) return std::nullopt;
  const QVariant value = settings_->value(path);
  // A hand-written "a, b" is read back as a list; keep it as the text it was.
  if (value.typeId() == QMetaType::QStringList) {
    return ToUtf8(value.toStringList().join(QStringLiteral(", ")));
  }
  return ToUtf8(value.toString());
}

void QtSettingsStore::Set(std::string_view section, std::string_view key, std::string_view value) {
  settings_->setValue(KeyPath(section, key), ToQString(value));
  settings_->sync();
}

std::string QtSettingsStore::FilePath() const {
  return ToUtf8(settings_->fileName());
}

std::optional<std::string> QtSettingsStore::Problem() const {
  switch (settings_->status()) {
    case QSettings::NoError:
      return std::nullopt;
    case QSettings::AccessError:
      return "設定ファイルに書き込めません。\r" + FilePath() + "\r";
    case QSettings::FormatError:
      return "設定ファイルの形式が正しくありません。\r" + FilePath() + "\r";
  }
  return std::nullopt;
}

}  // namespace mirtote::runtime
