#include "runtime/qt_settings_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <QSettings>
#include <QString>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <system_error>
#include <thread>

#include "runtime/ini_edit.h"
#include "runtime/ini_file_check.h"
#include "text/chars.h"
#include "text/file_descriptor.h"
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

// Runs of the program that store settings at the same time take turns: each holds a lock on
// the file's folder from rereading the file until the new one is in place, so that neither
// writes over a value the other has just stored. A lock held too long is reported, not
// waited for.
class FolderLock {
 public:
  explicit FolderLock(const std::filesystem::path& folder)
      : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    constexpr int kAttempts = 50;
    constexpr auto kPause = std::chrono::milliseconds(20);
    if (!fd_.valid()) {
      problem_ = text::PathText(folder) + " を開けません: " + std::strerror(errno);
      return;
    }
    for (int attempt = 1; ::flock(fd_.get(), LOCK_EX | LOCK_NB) != 0; ++attempt) {
      if (errno != EWOULDBLOCK && errno != EINTR) {
        problem_ = text::PathText(folder) + " をロックできません: " + std::strerror(errno);
        return;
      }
      if (attempt == kAttempts) {
        problem_ = "ほかの MIR_TOTE が設定ファイルを書き込み中です";
        return;
      }
      std::this_thread::sleep_for(kPause);
    }
  }
  const std::optional<std::string>& problem() const { return problem_; }

 private:
  text::FileDescriptor fd_;
  std::optional<std::string> problem_;
};

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
  if (auto problem = WriteProblem(values)) {
    failure_ = std::move(problem);
    if (failure_handler_) failure_handler_(*failure_);
  }
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

  const std::filesystem::path folder = path_.has_parent_path() ? path_.parent_path() : ".";
  std::error_code ec;
  if (create_folder_) std::filesystem::create_directories(folder, ec);
  if (ec) return failed + ec.message() + "\r";
  const FolderLock lock(folder);
  if (lock.problem()) return failed + *lock.problem() + "\r";

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
    return failed + std::strerror(errno) + "\r";
  }
  std::string bytes = old_bytes;
  for (const SettingValue& v : values) bytes = WithIniValue(bytes, v.section, v.key, v.value);
  values_ = ReadIniValues(bytes);
  if (bytes == old_bytes) return std::nullopt;

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
