#include "shell/viewer_texts.h"

#include <functional>

#include "text/chars.h"
#include "text/files.h"

namespace mirtote {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kTextFilter = "ﾃｷｽﾄﾌｧｲﾙ (*.TXT)|*.TXT|全てのﾌｧｲﾙ (*.*)|*.*|";

// Two digits of the caption at the 1-based character position `start`; a leading space
// becomes "0".
std::string DatePart(std::string_view caption, size_t start) {
  std::string part = text::Mid(caption, start, 2);
  if (!part.empty() && part.front() == ' ') part.front() = '0';
  return part;
}

}  // namespace

FileDialogRequest ViewerSaveRequest(ViewerKind kind, const fs::path& start_folder,
                                    std::string_view default_name) {
  FileDialogRequest request;
  request.default_name = std::string(default_name);
  switch (kind) {
    case ViewerKind::kPrintText:
      request.title = "名前をつけて保存【オッズ表示】";
      request.initial_folder = text::PathText(start_folder);
      request.filter = "オッズ表示 (*.TXT)|*.TXT|全てのﾌｧｲﾙ (*.*)|*.*|";
      break;
    case ViewerKind::kKobetsuText:
      request.title = "名前をつけて保存【個別レース結果】";
      request.initial_folder = text::PathText(text::ResolveFolder(start_folder, "FILE"));
      request.filter = std::string(kTextFilter);
      break;
    case ViewerKind::kSeisekiText:
      request.title = "名前をつけて保存【競走成績】";
      request.initial_folder = text::PathText(text::ResolveFolder(start_folder, "FILE"));
      request.filter = std::string(kTextFilter);
      break;
  }
  return request;
}

std::string SeisekiAllText(std::span<const std::string> venue_texts) {
  std::string all;
  for (const std::string& venue : venue_texts) {
    if (venue.empty()) continue;
    all += venue;
    all += kCrLf;
  }
  return all;
}

std::string SeisekiShownText(std::string_view shown_text) {
  return std::string(shown_text) + std::string(kCrLf);
}

std::string SeisekiCopyConfirmation(bool all_results, std::string_view tab_caption) {
  if (all_results) return "全ての結果をコピーしました";
  return std::string(tab_caption) + "の結果をコピーしました";
}

std::string SeisekiDefaultFileName(bool all_results, std::string_view tab_caption,
                                   std::string_view window_caption) {
  std::string name = all_results ? std::string("全場") : std::string(tab_caption);
  name += text::Left(window_caption, 4);
  name += DatePart(window_caption, 6);
  name += DatePart(window_caption, 9);
  return name + ".TXT";
}

void CopyReportText(Host& host, std::string_view text, std::string_view confirmation) {
  host.SetClipboardText(text);
  host.ShowMessage(confirmation, kCopyTitle, MessageIcon::kInformation);
}

namespace {

// Asks for the file and writes it with `write`; a failure is told with the file and reason.
bool SaveChosenFile(const Session& session, const FileDialogRequest& request,
                    const std::function<bool(const fs::path&, std::string*)>& write) {
  std::optional<std::string> chosen = session.host.ChooseFileToSave(request);
  if (!chosen || chosen->empty()) return false;
  fs::path path = *chosen;
  if (path.is_relative()) path = session.start_folder / path;
  std::string error;
  if (write(path, &error)) return true;
  session.host.ShowMessage(
      "ファイルを保存できませんでした。\r\n" + text::PathText(path) + "\r\n" + error, "保存エラー",
      MessageIcon::kExclamation);
  return false;
}

}  // namespace

bool SaveReportText(const Session& session, const FileDialogRequest& request,
                    std::string_view text) {
  return SaveChosenFile(session, request, [text](const fs::path& path, std::string* error) {
    return text::WriteTextFile(path, text, error);
  });
}

bool SaveFileBytes(const Session& session, const FileDialogRequest& request,
                   std::string_view bytes) {
  return SaveChosenFile(session, request, [bytes](const fs::path& path, std::string* error) {
    return text::WriteFileAtomic(path, bytes, error);
  });
}

}  // namespace mirtote
