#pragma once
// Rules of the folder settings dialog (DirSetForm): which folder it shows, what it stores,
// which message answers the "set" button. The dialog only shows what these return.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "shell/session.h"

namespace mirtote {

inline constexpr int kFolderOptionCount = 6;

// Settings key of folder option `index` (0-5); nullptr outside that range.
const char* FolderOptionKey(int index);

// The folder the dialog opens in: the JravanFolder value (default the current folder) when
// it names an existing folder, otherwise the start folder.
std::filesystem::path InitialDirSetFolder(const Session& session);

// The folder to show when option `index` is chosen: its stored value (default the current
// folder). A value naming no existing folder is replaced at once by the current folder.
std::filesystem::path FolderForOption(const Session& session, int index);

// The "set" button: checks `folder_text` and stores it under the key of `option` (nothing is
// stored without an option). Shows the refusal or the confirmation through the Host and
// returns true when the folder was accepted.
bool StoreFolderSetting(const Session& session, std::optional<int> option,
                        std::string_view folder_text);

// `folder` without trailing "/" or "\" (a bare root keeps its separator).
std::string WithoutTrailingSeparator(std::string_view folder);

}  // namespace mirtote
