#include "convert/forum_log.h"

#include <optional>

#include "convert/forum_log_block.h"
#include "convert/source_lines.h"
#include "text/chars.h"
#include "text/cp932.h"
#include "text/files.h"
#include "text/number.h"

namespace mirtote::convert {

namespace {

constexpr std::u32string_view kTitleMark = U"【オッズ】";
constexpr std::string_view kTitleMarkText = "【オッズ】";
constexpr std::string_view kProgressTitle = "【 KORVAN Log File 】オッズデータ取り込み中";
constexpr size_t kSubjectScanEnd = 80;

// The advance-sale mark of the PAT31 layout, read from the forum subject lines ("...[取得
// 15:40]") met between odds blocks: '2' after "前売", '1' after "取得".
char SubjectSaleMark(const SourceLine& line, char mark) {
  if (line.Last() != U']') return mark;
  for (size_t pos = 1; pos <= kSubjectScanEnd; ++pos) {
    const std::string two = line.Get(pos, 2);
    if (two == "前売") return '2';
    if (two == "取得") return '1';
  }
  return mark;
}

// Title lines of a log, counted on the bytes for the progress bar: the mark's CP932 bytes at
// a line's start are the mark itself once decoded.
std::optional<int> CountTitles(const std::filesystem::path& path, std::string& error) {
  SourceReader source;
  if (!source.Open(path, error)) return std::nullopt;
  static const std::string mark = text::EncodeCp932(kTitleMarkText);
  int count = 0;
  std::string_view bytes;
  while (source.NextBytes(bytes, error)) count += bytes.starts_with(mark) ? 1 : 0;
  if (!error.empty()) return std::nullopt;
  return count;
}

class LogConversion {
 public:
  LogConversion(const Session& session, const PseudoPatTarget& target, ConversionResult& result,
                history::HistoryRecorder& history)
      : session_(session),
        target_(target),
        result_(result),
        files_(session, target, result, history, history::SourceKind::kForumLog) {}

  void Convert(const std::filesystem::path& path) {
    std::string error;
    const auto count = CountTitles(path, error);
    SourceReader source;
    if (!count || !source.Open(path, error)) {
      TellFailure(session_, result_, path, 0, error);
      return;
    }
    if (*count == 0) {
      // A wrong file chosen or an empty log: nothing was converted.
      ++result_.sources_failed;
      Tell(session_, result_,
           "ファイル：" + text::PathText(path) + "\r\nオッズが見つかりませんでした。",
           kConfirmTitle, MessageIcon::kExclamation);
      return;
    }

    Host& host = session_.host;
    host.ShowProgress(kProgressTitle, 0, *count);
    LineReader reader(source);
    const bool ended = ConvertBlocks(path, reader, *count);
    // The files of the blocks read stay, also when the log ended early.
    const bool written = files_.WriteAll(path);
    host.CloseProgress();
    if (ended && written) {
      ++result_.sources_done;
      Tell(session_, result_, kDoneMessage, kConfirmTitle, MessageIcon::kNone);
    }
  }

 private:
  // False when the conversion of the log ended early (already told).
  bool ConvertBlocks(const std::filesystem::path& path, LineReader& reader, int count) {
    const bool pat31 = target_.layout == pat::PatLayout::kPat31;
    char sale_mark = 0;
    int index = 0;
    while (const SourceLine* line = reader.Next()) {
      if (pat31) sale_mark = SubjectSaleMark(*line, sale_mark);
      if (!line->StartsWith(kTitleMark)) continue;

      ++index;
      session_.host.SetProgressCaption("【 " + text::DecimalText(count) + " 情報中 " +
                                       text::DecimalText(index) + " 情報目 】を処理中です。");
      session_.host.SetProgressValue(index);
      const size_t title_line = reader.number();
      BlockOutcome outcome = ParseOddsBlock(*line, title_line, reader, pat31 ? "03" : "01");
      switch (outcome.status) {
        case BlockOutcome::Status::kParsed:
          Add(path, title_line, outcome.block, pat31 ? (sale_mark == '2' ? '2' : '1') : 0);
          sale_mark = '1';
          break;
        case BlockOutcome::Status::kUnknownVenue:
          ++result_.races_skipped;
          Tell(session_, result_,
               "ファイル：" + text::PathText(path) + "\r\n" + std::to_string(outcome.line) +
                   "行目：" + outcome.reason + "\r\nこのオッズは変換しません。",
               kConfirmTitle, MessageIcon::kExclamation);
          break;
        case BlockOutcome::Status::kTitleAbnormal:
          ++result_.sources_failed;
          Tell(session_, result_, "タイトル異常かもしれません。", kConfirmTitle,
               MessageIcon::kExclamation);
          return false;
        case BlockOutcome::Status::kFailed:
          TellFailure(session_, result_, path, outcome.line, outcome.reason);
          return false;
      }
      session_.host.Yield();
    }
    if (!reader.error().empty()) {
      TellFailure(session_, result_, path, 0, reader.error());
      return false;
    }
    return true;
  }

  // The block's ZO file and UO file; `day_char` 0 keeps the title's day.
  void Add(const std::filesystem::path& path, size_t line, const LogBlock& block, char day_char) {
    const char day = day_char != 0 ? day_char : block.day_char;
    const auto name = [&](pat::PatKind kind) {
      return pat::PatFileName(kind, block.venue_char, day, block.race_char);
    };
    const std::string zo_name = name(pat::PatKind::kZo), uo_name = name(pat::PatKind::kUo);
    files_.Add({path, line, zo_name, block.zo, uo_name, block.uo});
  }

  const Session& session_;
  const PseudoPatTarget& target_;
  ConversionResult& result_;
  RaceFiles files_;
};

}  // namespace

ForumLogResult ConvertForumLogs(const ForumLogRequest& request, const Session& session) {
  return ConvertFiles<LogConversion>(request.logs, session);
}

}  // namespace mirtote::convert
