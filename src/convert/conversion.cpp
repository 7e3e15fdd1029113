#include "convert/conversion.h"

#include <system_error>

#include "shell/settings_keys.h"
#include "text/files.h"
#include "text/number.h"

namespace mirtote::convert {

namespace {

constexpr std::string_view kDefaultFolder = "File";
constexpr std::string_view kOpenTitle = "開く";
constexpr std::string_view kLogFilterAll =
    "すべてのファイル(*.*)|*.*|KORVANｵｯｽﾞﾛｸﾞﾌｧｲﾙ(*.ODS)|*.ODS|TXTファイル(*.TXT)|*.TXT";
constexpr std::string_view kLogFilterOds =
    "KORVANｵｯｽﾞﾛｸﾞﾌｧｲﾙ(*.ODS)|*.ODS|TXTファイル(*.TXT)|*.TXT|すべてのファイル(*.*)|*.*";
constexpr std::string_view kLogFilterTxt =
    "TXTファイル(*.TXT)|*.TXT|KORVANｵｯｽﾞﾛｸﾞﾌｧｲﾙ(*.ODS)|*.ODS|すべてのファイル(*.*)|*.*";
constexpr std::string_view kCsvFilter = "ｵｯｽﾞﾌｧｲﾙ(OD*.CSV)|OD*.CSV";

bool IsFolder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

// A folder setting below the start folder; the start folder when it names no folder.
fs::path DialogFolder(const Session& session, const char* key) {
  const fs::path folder = text::ResolveFolder(
      session.start_folder, session.settings.GetOr(keys::kStartup, key, kDefaultFolder));
  return IsFolder(folder) ? folder : session.start_folder;
}

}  // namespace

void Tell(const Session& session, ConversionResult& result, std::string_view text,
          std::string_view title, MessageIcon icon) {
  result.messages.emplace_back(text);
  session.host.ShowMessage(text, title, icon);
}

void TellFailure(const Session& session, ConversionResult& result, const fs::path& source,
                 size_t line, std::string_view reason) {
  std::string text = "ファイル：" + text::PathText(source) + "\r\n";
  if (line > 0) text += std::to_string(line) + "行目：";
  text += std::string(reason) + "\r\nこのファイルの変換を中止しました。";
  ++result.sources_failed;
  Tell(session, result, text, kStopTitle, MessageIcon::kExclamation);
}

std::optional<PseudoPatTarget> PrepareTarget(const Session& session, ConversionResult& result) {
  const auto layout = pat::ParsePatType(session.settings.GetOr(keys::kStartup, keys::kPatType, ""));
  if (!layout) {
    result.stopped = true;
    Tell(session, result, "PAT種別が不明です。", kStopTitle, MessageIcon::kExclamation);
    return std::nullopt;
  }
  const fs::path folder = text::ResolveFolder(
      session.start_folder,
      session.settings.GetOr(keys::kStartup, keys::kPatFileFolder, kDefaultFolder));
  if (!IsFolder(folder)) {
    result.stopped = true;
    Tell(session, result,
         "疑似PATファイルの出力フォルダが見つかりません。\r\n" + text::PathText(folder) +
             "\r\nフォルダ設定を確認してください。",
         kStopTitle, MessageIcon::kExclamation);
    return std::nullopt;
  }
  return PseudoPatTarget{*layout, folder};
}

std::optional<std::string> WritePseudoPat(const PseudoPatTarget& target, const std::string& name,
                                          std::string_view bytes, ConversionResult& result) {
  fs::path path = target.folder / name;
  if (auto existing = text::FindIgnoringCase(target.folder, name)) path = *existing;
  std::string error;
  if (!text::WriteFileAtomic(path, bytes, &error)) {
    return error;
  }
  result.files_written.push_back(path);
  return std::nullopt;
}

bool WriteRace(const Session& session, const PseudoPatTarget& target, const fs::path& source,
               const std::string& zo_name, const pat::ZoContent& zo, const std::string& uo_name,
               const std::optional<pat::UoContent>& uo, ConversionResult& result) {
  auto error = WritePseudoPat(target, zo_name, pat::BuildZoFile(zo, target.layout), result);
  if (!error && uo) {
    error = WritePseudoPat(target, uo_name, pat::BuildUoFile(*uo, target.layout), result);
  }
  if (error) {
    TellFailure(session, result, source, 0, *error);
    return false;
  }
  ++result.races_written;
  return true;
}

fs::path SourcePath(const Session& session, const fs::path& path) {
  return path.is_absolute() ? path : session.start_folder / path;
}

FileDialogRequest ForumLogOpenRequest(const Session& session) {
  const std::string type = session.settings.GetOr(keys::kStartup, keys::kFileExtType, "ALL");
  const std::string_view filter = type == "ODS"   ? kLogFilterOds
                                  : type == "TXT" ? kLogFilterTxt
                                                  : kLogFilterAll;
  return {std::string(kOpenTitle), text::PathText(DialogFolder(session, keys::kOddsLogFolder)), "",
          std::string(filter)};
}

FileDialogRequest OddsCsvOpenRequest(const Session& session) {
  return {std::string(kOpenTitle), text::PathText(DialogFolder(session, keys::kCsvFolder)), "",
          std::string(kCsvFilter)};
}

std::vector<fs::path> ChosenPaths(const ChosenFiles& chosen) {
  std::vector<fs::path> paths;
  for (const std::string& name : chosen.names) {
    const fs::path path(name);
    paths.push_back(path.is_absolute() ? path : fs::path(chosen.folder) / path);
  }
  return paths;
}

}  // namespace mirtote::convert
