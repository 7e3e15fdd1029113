#include "pat/posting.h"

#include "pat/text_columns.h"
#include "shell/settings_keys.h"
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

}  // namespace

std::string PostingBlock(char output_format, const std::string& subject_line,
                         const std::string& race_text) {
  if (output_format == '0') return race_text;
  std::string block;
  if (output_format == '2') {
    for (const char* line : {"*GO KORVAN", "*MES 17", "*SAY"}) AddLine(block, line);
  }
  if (output_format == '1' || output_format == '2') {
    AddLine(block, "SUB:" + subject_line);
    AddLine(block, "");
    AddLine(block, race_text);
    AddLine(block, "/POST");
  }
  return block;
}

std::filesystem::path ScriptFilePath(const Session& session, char output_format,
                                     const std::filesystem::path& current_folder) {
  const char* name = output_format == '1'   ? kNifTermScript
                     : output_format == '2' ? kAirCraftScript
                                            : nullptr;
  if (name == nullptr) return {};
  std::string setting = session.settings.GetOr(keys::kStartup, keys::kOddsLogFolder, "File");
  std::filesystem::path folder = text::ResolveFolder(current_folder, setting);
  // An existing script in another letter case is the one replaced.
  if (auto existing = text::FindIgnoringCase(folder, name)) return *existing;
  return folder / name;
}

PostOutcome PostRace(Session& session, PatRunState& state,
                     const std::filesystem::path& current_folder, PostingRun& run) {
  if (state.race_state == '0') return PostOutcome::kLeftOut;

  state.posting_text += PostingBlock(state.output_format, state.subject_line, state.race_text);

  PostOutcome outcome = PostOutcome::kPosted;
  if (state.output_format == '0') {
    session.host.SetClipboardText(state.posting_text);
  } else if (state.output_format == '1' || state.output_format == '2') {
    std::filesystem::path file = ScriptFilePath(session, state.output_format, current_folder);
    std::string error;
    if (!text::WriteTextFile(file, state.posting_text, &error)) {
      outcome = PostOutcome::kWriteFailed;
      if (!run.write_failure_reported) {
        run.write_failure_reported = true;
        ReportWriteFailure(session.host, file, error);
      }
    }
  }

  state.race_text.clear();
  return outcome;
}

}  // namespace mirtote::pat
