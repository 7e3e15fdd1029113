#include "shell/folder_setting.h"

#include <array>
#include <system_error>

#include "shell/settings_keys.h"
#include "text/files.h"

namespace mirtote {

namespace fs = std::filesystem;

namespace {

constexpr std::array<const char*, kFolderOptionCount> kOptionKeys = {
    keys::kJravanFolder, keys::kOddsLogFolder, keys::kPatFileFolder,
    keys::kTargetFolder, keys::kCsvFolder,     keys::kPatInstFolder,
};

constexpr int kTargetOption = 3;  // the TARGET base folder must hold DDATA

// The current folder is the start folder whenever no operation runs.
std::string CurrentFolderText(const Session& session) {
  return WithoutTrailingSeparator(text::PathText(session.start_folder));
}

bool IsFolder(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

}  // namespace

const char* FolderOptionKey(int index) {
  if (index < 0 || index >= kFolderOptionCount) return nullptr;
  return kOptionKeys[index];
}

std::string WithoutTrailingSeparator(std::string_view folder) {
  std::string out(folder);
  while (out.size() > 1 && (out.back() == '/' || out.back() == '\\')) out.pop_back();
  return out;
}

fs::path InitialDirSetFolder(const Session& session) {
  std::string value =
      session.settings.GetOr(keys::kStartup, keys::kJravanFolder, CurrentFolderText(session));
  fs::path folder = text::ResolveFolder(session.start_folder, value);
  if (!value.empty() && IsFolder(folder)) return folder;
  return session.start_folder;
}

fs::path FolderForOption(const Session& session, int index) {
  const char* key = FolderOptionKey(index);
  if (key == nullptr) return session.start_folder;
  std::string current = CurrentFolderText(session);
  fs::path folder = text::ResolveFolder(session.start_folder,
                                        session.settings.GetOr(keys::kStartup, key, current));
  if (IsFolder(folder)) return folder;
  // The stored folder is gone: the current folder takes its place, stored at once.
  session.settings.Set(keys::kStartup, key, current);
  return text::ResolveFolder(session.start_folder,
                             session.settings.GetOr(keys::kStartup, key, current));
}

bool StoreFolderSetting(const Session& session, std::optional<int> option,
                        std::string_view folder_text) {
  std::string folder = WithoutTrailingSeparator(folder_text);
  if (auto problem = text::FolderSettingProblem(folder)) {
    session.host.ShowMessage(*problem + "\r\n設定できませんでした。", "フォルダ設定【要確認】",
                             MessageIcon::kNone);
    return false;
  }
  fs::path resolved = text::ResolveFolder(session.start_folder, folder);
  // Any existing folder is accepted, an empty one too. An empty text would name the current
  // folder and be stored empty: refused like a missing folder.
  if (folder.empty() || !IsFolder(resolved)) {
    session.host.ShowMessage("フォルダが存在しません。\r\n設定できませんでした。",
                             "フォルダ設定【要確認】", MessageIcon::kNone);
    return false;
  }
  if (option == kTargetOption && !IsFolder(text::ResolveFolder(resolved, "DDATA"))) {
    session.host.ShowMessage("DDATAの親フォルダを指定してください。", "TARGETデータフォルダ確認",
                             MessageIcon::kNone);
    return false;
  }
  if (const char* key = option ? FolderOptionKey(*option) : nullptr) {
    session.settings.Set(keys::kStartup, key, folder);
  }
  session.host.ShowMessage("設定しました。", "フォルダ設定", MessageIcon::kNone);
  return true;
}

}  // namespace mirtote
