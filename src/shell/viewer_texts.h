#pragma once
// What the report viewers copy and save: the texts, the save dialog settings, the default
// file names and the confirmations. The viewer windows only pass their controls' contents.

#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "shell/host.h"
#include "shell/session.h"

namespace mirtote {

enum class ViewerKind { kPrintText, kKobetsuText, kSeisekiText };

// The viewers' copy confirmation and its title.
inline constexpr std::string_view kCopyTitle = "確　認";
inline constexpr std::string_view kShownResultCopied = "表示されている結果をコピーしました";

// Save dialog of a viewer: title, initial folder (the start folder, or its FILE working
// folder), the given default name and the filter.
FileDialogRequest ViewerSaveRequest(ViewerKind kind, const std::filesystem::path& start_folder,
                                    std::string_view default_name);

// The results viewer's "全結果": each non-empty venue text followed by CR LF, in order.
std::string SeisekiAllText(std::span<const std::string> venue_texts);
inline std::string SeisekiAllText(const std::array<std::string, 4>& venue_texts) {
  return SeisekiAllText(std::span<const std::string>(venue_texts));
}
// The results viewer's "表示分のみ": the shown text followed by CR LF.
std::string SeisekiShownText(std::string_view shown_text);

// Copy confirmation of the results viewer.
std::string SeisekiCopyConfirmation(bool all_results, std::string_view tab_caption);

// Default file name of the results viewer: "全場" (all results) or the tab caption, then the
// year, month and day taken from the window caption ("1998/ 5/ 5..." gives 19980505), and
// ".TXT".
std::string SeisekiDefaultFileName(bool all_results, std::string_view tab_caption,
                                   std::string_view window_caption);

// Copy: puts `text` on the clipboard and confirms with `confirmation`.
void CopyReportText(Host& host, std::string_view text, std::string_view confirmation);

// Save: asks for a file with `request` and writes `text` + CR LF in CP932. Cancelling writes
// nothing; a failed write is reported with the file and the reason. True when written.
bool SaveReportText(const Session& session, const FileDialogRequest& request,
                    std::string_view text);
// The same for bytes written as they are (an image).
bool SaveFileBytes(const Session& session, const FileDialogRequest& request,
                   std::string_view bytes);

}  // namespace mirtote
