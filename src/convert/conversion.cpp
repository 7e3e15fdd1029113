#include "convert/conversion.h"

#include <system_error>

#include "shell/settings_keys.h"
#include "text/files.h"
#include "text/number.h"
#include "vocab/venues.h"

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

void RaceFiles::Keep(const std::string& name, std::string bytes, int races) {
  const auto [it, added] = index_.try_emplace(name, files_.size());
  if (added) {
    files_.push_back({name, std::move(bytes), races});
  } else {
    files_[it->second].bytes = std::move(bytes);
    files_[it->second].races += races;
  }
}

void RaceFiles::Add(const ParsedRace& race) {
  std::string zo = pat::BuildZoFile(race.zo, target_.layout);
  std::string uo = race.uo ? pat::BuildUoFile(*race.uo, target_.layout) : std::string();
  if (history_.enabled()) {
    // The history reads the PAT95 layout: the files' own bytes when they are in it.
    const bool pat95 = target_.layout == pat::PatLayout::kPat95;
    RecordRace(history_, source_kind_, race.source, race.zo_name.at(3), race.zo_name.at(5),
               pat95 ? zo : pat::BuildZoFile(race.zo, pat::PatLayout::kPat95),
               pat95 || !race.uo ? uo : pat::BuildUoFile(*race.uo, pat::PatLayout::kPat95));
  }
  Keep(race.zo_name, std::move(zo), 1);
  // A block without a UO file leaves the one of an earlier block of the race as it was.
  if (race.uo) Keep(race.uo_name, std::move(uo), 0);
}

bool RaceFiles::WriteAll(const fs::path& source) {
  std::vector<File> files = std::move(files_);
  files_.clear();
  index_.clear();
  for (const File& file : files) {
    if (auto error = WritePseudoPat(target_, file.name, file.bytes, result_)) {
      TellFailure(session_, result_, source, 0, *error);
      return false;
    }
    result_.races_written += file.races;
  }
  return true;
}

void RecordRace(history::HistoryRecorder& history, history::SourceKind source,
                const fs::path& source_file, char venue_char, char race_char,
                std::string_view zo_pat95, std::string_view uo_pat95) {
  const vocab::Venue* venue = vocab::VenueByChar(venue_char);
  history.RecordPatFiles(zo_pat95, uo_pat95,
                         {source, text::PathText(source_file), venue ? venue->number : 0,
                          pat::RaceOfChar(race_char), ""});
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
