#include "runtime/qt_settings_store.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <system_error>

#include "runtime/ini_file_check.h"

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

// The INI file named on the command line, taken below the start folder when relative.
std::filesystem::path AbsolutePath(const std::filesystem::path& file,
                                   const std::filesystem::path& base_folder) {
  if (file.is_absolute() || base_folder.empty()) return file.lexically_normal();
  return (base_folder / file).lexically_normal();
}

}  // namespace

// The native format is INI text in "MIR_TOTE/MIR_TOTE.conf" on Linux (IniFormat would name the
// file ".ini").
QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("MIR_TOTE"),
                                            QStringLiteral("MIR_TOTE"))) {
  file_path_ = ToUtf8(settings_->fileName());
  refusal_ = IniFileProblem(std::filesystem::path(file_path_));
  if (refusal_) settings_.reset();
}

// The file is checked before QSettings sees it; a refused file is never opened by it.
QtSettingsStore::QtSettingsStore(const std::filesystem::path& ini_file,
                                 const std::filesystem::path& base_folder) {
  const std::filesystem::path path = AbsolutePath(ini_file, base_folder);
  file_path_ = path.string();
  refusal_ = IniFileProblem(path);
  if (!refusal_)
    settings_ = std::make_unique<QSettings>(ToQString(file_path_), QSettings::IniFormat);
}

QtSettingsStore::~QtSettingsStore() = default;

std::unique_ptr<QtSettingsStore> QtSettingsStore::Open(const std::optional<std::string>& ini_file,
                                                       const std::filesystem::path& base_folder) {
  if (ini_file) return std::make_unique<QtSettingsStore>(*ini_file, base_folder);
  return std::make_unique<QtSettingsStore>();
}

std::optional<std::string> QtSettingsStore::Get(std::string_view section,
                                                std::string_view key) const {
  if (!settings_) return std::nullopt;
  const QString path = KeyPath(section, key);
  if (!settings_->contains(path)) return std::nullopt;
  const QVariant value = settings_->value(path);
  // A hand-written "a, b" is read back as a list; keep it as the text it was.
  if (value.typeId() == QMetaType::QStringList) {
    return ToUtf8(value.toStringList().join(QStringLiteral(", ")));
  }
  return ToUtf8(value.toString());
}

// A value stored again unchanged does not rewrite the file.
void QtSettingsStore::Set(std::string_view section, std::string_view key, std::string_view value) {
  if (!settings_ || Get(section, key) == value) return;
  settings_->setValue(KeyPath(section, key), ToQString(value));
  settings_->sync();
}

std::string QtSettingsStore::FilePath() const {
  return file_path_;
}

std::optional<std::string> QtSettingsStore::Problem() const {
  if (refusal_) return refusal_;
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
