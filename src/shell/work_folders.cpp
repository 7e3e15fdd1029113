// The working folders below the start folder: checked at start-up, created on request.

#include "shell/work_folders.h"

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

#include "shell/settings_keys.h"
#include "text/files.h"

namespace mirtote {

namespace fs = std::filesystem;

namespace {

struct WorkFolderText {
  std::string_view name;         // folder name on disk
  std::string_view shown_name;   // name written in the question
  std::string_view description;  // first line of the question
};

constexpr WorkFolderText kWorkFolderTexts[] = {
    {"LZH", "LZH", "圧縮ファイル格納用のフォルダが"},
    {"DATA", "DATA", "処理データ格納用のフォルダが"},
    {"FILE", "FILE", "出力ファイル格納用のフォルダが"},
    {"Work", "WORK", "作業用のフォルダが"},
    {"SEISEKI", "SEISEKI", "成績データ格納用のフォルダが"},
};
static_assert(std::size(kWorkFolderTexts) == kWorkFolders.size());

constexpr std::string_view kDefaultStartTime = "0900";
constexpr std::string_view kDefaultEndTime = "1700";

// A folder of that name in any ASCII letter case counts; a file of that name does not.
bool FolderPresent(const fs::path& start_folder, std::string_view name) {
  auto found = text::FindIgnoringCase(start_folder, name);
  std::error_code ec;
  return found && fs::is_directory(*found, ec);
}

std::string CreateQuestion(const WorkFolderText& folder) {
  return std::string(folder.description) + "\r" + "存在しません。" + "\r\r" + "\"" +
         std::string(folder.shown_name) + "\"" + " フォルダを作成しますか？" + "\r";
}

// Why a folder could not be created, in words for the user.
std::string ReasonText(const std::error_code& ec) {
  switch (ec.value()) {
    case EEXIST:
    case ENOTDIR:
      return "同じ名前のファイルがあります。";
    case EACCES:
    case EPERM:
      return "書き込みの権限がありません。";
    case EROFS:
      return "読み取り専用の場所です。";
    case ENOSPC:
    case EDQUOT:
      return "ディスクの空きがありません。";
    default:
      return "作成できません（" + ec.message() + "）。";
  }
}

// Creates the folder; false with the reason when it cannot be made (a file of that name,
// no permission, ...). An existing folder of exactly that name counts as created.
bool CreateFolder(const fs::path& path, std::string& reason) {
  std::error_code ec;
  fs::create_directory(path, ec);
  if (!ec && fs::is_directory(path, ec)) return true;
  if (!ec) ec = std::make_error_code(std::errc::file_exists);
  reason = ReasonText(ec);
  return false;
}

void DefaultWhenEmpty(SettingsStore& settings, const char* key, std::string_view fallback) {
  if (settings.GetOr(keys::kStartup, key, "").empty()) {
    settings.Set(keys::kStartup, key, fallback);
  }
}

}  // namespace

PrepareResult PrepareWorkFolders(Session& session) {
  for (const WorkFolderText& folder : kWorkFolderTexts) {
    if (FolderPresent(session.start_folder, folder.name)) continue;

    if (!session.host.AskYesNo(CreateQuestion(folder), "確認", MessageIcon::kInformation)) {
      session.host.ShowMessage(
          std::string("必要なフォルダが準備できません") + "\r" + "ので終了します。" + "\r",
          "終了確認", MessageIcon::kInformation);
      return PrepareResult::kRefused;
    }

    fs::path path = session.start_folder / std::string(folder.name);
    std::string reason;
    if (!CreateFolder(path, reason)) {
      // The program cannot go on without the folder: say which one and why, then end.
      session.host.ShowMessage(std::string("\"") + std::string(folder.shown_name) + "\"" +
                                   " フォルダを作成できませんでした。" + "\r" +
                                   text::PathText(path) + "\r" + reason + "\r" +
                                   "ので終了します。" + "\r",
                               "終了確認", MessageIcon::kExclamation);
      return PrepareResult::kFailed;
    }
  }

  DefaultWhenEmpty(session.settings, keys::kStartTime, kDefaultStartTime);
  DefaultWhenEmpty(session.settings, keys::kEndTime, kDefaultEndTime);
  return PrepareResult::kReady;
}

}  // namespace mirtote
