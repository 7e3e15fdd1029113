#include "pat/posting.h"

#include "pat/text_columns.h"
#include "shell/settings_keys.h"
#include "text/cp932.h"
#include "text/files.h"

namespace mirtote::pat {

namespace {

constexpr const char* kNifTermScript = "PAD_NT.TXT";
constexpr const char* kAirCraftScript = "PAD";

// A script file that cannot be written does not end the run; the user is told which file
// failed and why.
void ReportWriteFailure(Host& host, const std::filesystem::path& file, const std::string& reason) {
  std::string message = "投稿スクリプトファイルを書き込めませんでした。\r\n";
  message += text::PathText(file);
  message += "\r\n";
  message += reason;
  message += "\r\n処理は続行します。";
  host.ShowMessage(message, "スクリプトファイル確認", MessageIcon::kExclamation);
}

std::string OddsLogSetting(const Session& session) {
  return session.settings.GetOr(keys::kStartup, keys::kOddsLogFolder, "File");
}

}  // namespace

std::string PostingBlock(OutputFormat format, const std::string& subject_line,
                         const std::string& race_text) {
  if (format == OutputFormat::kClipboard) return race_text;
  std::string block;
  if (format == OutputFormat::kAirCraft) {
    for (const char* line : {"*GO KORVAN", "*MES 17", "*SAY"}) AddLine(block, line);
  }
  AddLine(block, "SUB:" + subject_line);
  AddLine(block, "");
  AddLine(block, race_text);
  AddLine(block, "/POST");
  return block;
}

std::filesystem::path ScriptFilePath(const Session& session, OutputFormat format,
                                     const std::filesystem::path& current_folder) {
  if (format == OutputFormat::kClipboard) return {};
  const char* name = format == OutputFormat::kNifTerm ? kNifTermScript : kAirCraftScript;
  const std::string setting = OddsLogSetting(session);
  if (text::FolderSettingProblem(setting)) return {};
  std::filesystem::path folder = text::ResolveFolder(current_folder, setting);
  // An existing script in another letter case is the one replaced.
  if (auto existing = text::FindIgnoringCase(folder, name)) return *existing;
  return folder / name;
}

PostingRun::PostingRun(const Session& session, OutputFormat format,
                       std::filesystem::path current_folder)
    : session_(session), format_(format), current_folder_(std::move(current_folder)) {}

PostOutcome PostingRun::Post(const std::string& subject_line, const std::string& race_text) {
  const std::string block = PostingBlock(format_, subject_line, race_text);
  posted_text_ += block;
  if (format_ == OutputFormat::kClipboard) {
    session_.host.SetClipboardText(posted_text_);
    return PostOutcome::kPosted;
  }
  // Each block is encoded once; the script is the blocks so far and a closing line end.
  script_bytes_ += text::EncodeCp932(block);
  script_file_ = ScriptFilePath(session_, format_, current_folder_);
  std::string error;
  if (script_file_.empty()) {
    error = text::FolderSettingProblem(OddsLogSetting(session_)).value_or("");
  } else if (text::WriteFileAtomic(script_file_, script_bytes_ + "\r\n", &error,
                                   text::Durability::kNoSync)) {
    return PostOutcome::kPosted;
  }
  if (!write_failed_) ReportWriteFailure(session_.host, script_file_, error);
  write_failed_ = true;
  return PostOutcome::kWriteFailed;
}

void PostingRun::Finish() {
  if (script_file_.empty() || write_failed_) return;
  std::string error;
  if (text::SyncFile(script_file_, &error)) return;
  ReportWriteFailure(session_.host, script_file_, error);
  write_failed_ = true;
}

}  // namespace mirtote::pat
