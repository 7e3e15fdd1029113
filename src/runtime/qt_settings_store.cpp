#include "runtime/qt_settings_store.h"

#include <sys/stat.h>

#include <QSettings>
#include <QString>

#include <cerrno>
#include <system_error>

#include "runtime/ini_edit.h"
#include "runtime/ini_file_check.h"
#include "text/chars.h"
#include "text/files.h"

namespace mirtote::runtime {

namespace {

// The INI file named on the command line, taken below the start folder when relative.
std::filesystem::path AbsolutePath(const std::filesystem::path& file,
                                   const std::filesystem::path& base_folder) {
  if (file.is_absolute() || base_folder.empty()) return file.lexically_normal();
  return (base_folder / file).lexically_normal();
}

// The file of the per-user store: where QSettings keeps it (NativeFormat is INI text in
// "MIR_TOTE/MIR_TOTE.conf" on Linux; IniFormat would name the file ".ini").
std::filesystem::path UserStorePath() {
  const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral("MIR_TOTE"), QStringLiteral("MIR_TOTE"));
  return std::filesystem::path(settings.fileName().toUtf8().toStdString());
}

}  // namespace

QtSettingsStore::QtSettingsStore() : path_(UserStorePath()), create_folder_(true) {
  Load();
}

QtSettingsStore::QtSettingsStore(const std::filesystem::path& ini_file,
                                 const std::filesystem::path& base_folder)
    : path_(AbsolutePath(ini_file, base_folder)) {
  Load();
}

// The file is checked before anything is read from it; a refused file is never written.
void QtSettingsStore::Load() {
  std::string bytes;
  refusal_ = IniFileProblem(path_, &bytes);
  if (!refusal_) values_ = ReadIniValues(bytes);
}

std::unique_ptr<QtSettingsStore> QtSettingsStore::Open(const std::optional<std::string>& ini_file,
                                                       const std::filesystem::path& base_folder) {
  if (ini_file) return std::make_unique<QtSettingsStore>(*ini_file, base_folder);
  return std::make_unique<QtSettingsStore>();
}

std::optional<std::string> QtSettingsStore::Get(std::string_view section,
                                                std::string_view key) const {
  const auto it = values_.find({std::string(section), std::string(key)});
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

void QtSettingsStore::Set(std::string_view section, std::string_view key, std::string_view value) {
  SetValues({{std::string(section), std::string(key), std::string(value)}});
}

void QtSettingsStore::SetValues(const std::vector<SettingValue>& values) {
  if (refusal_ || values.empty()) return;
  if (auto problem = WriteProblem(values)) failure_ = std::move(problem);
}

// Writes the values; why it could not, or nothing.
std::optional<std::string> QtSettingsStore::WriteProblem(const std::vector<SettingValue>& values) {
  const std::string failed = "設定ファイルに書き込めません。\r" + FilePath() + "\r";
  for (const SettingValue& v : values) {
    for (const std::string& name : {v.section, v.key}) {
      if (!IsPlainIniName(name)) {
        return failed + "名前「" + name +
               "」に使えない文字があります（使えるのは英字、数字、「_」「-」「.」です）\r";
      }
    }
    if (!text::IsValidUtf8(v.value)) {
      return failed + v.section + "/" + v.key + " の値が UTF-8 の文字ではありません\r";
    }
  }

  // The file as it is now: another run may have stored values since it was read.
  std::string old_bytes;
  struct stat status {};
  if (::stat(path_.c_str(), &status) == 0) {
    std::string error;
    auto read = text::ReadWholeFile(path_, kMaxSettingsFileSize, &error);
    if (!read) return failed + error + "\r";
    old_bytes = std::move(*read);
    if (auto problem = IniTextProblem(path_, old_bytes)) return problem;
  } else if (errno != ENOENT) {
    return failed + std::generic_category().message(errno) + "\r";
  }
  std::string bytes = old_bytes;
  for (const SettingValue& v : values) bytes = WithIniValue(bytes, v.section, v.key, v.value);
  values_ = ReadIniValues(bytes);
  if (bytes == old_bytes) return std::nullopt;

  std::error_code ec;
  if (create_folder_) std::filesystem::create_directories(path_.parent_path(), ec);
  if (ec) return failed + ec.message() + "\r";
  std::string error;
  if (!text::WriteFileAtomic(path_, bytes, &error)) {
    values_ = ReadIniValues(old_bytes);
    return failed + error + "\r";
  }
  return std::nullopt;
}

std::string QtSettingsStore::FilePath() const {
  return text::PathText(path_);
}

std::optional<std::string> QtSettingsStore::Problem() const {
  return refusal_ ? refusal_ : failure_;
}

}  // namespace mirtote::runtime
