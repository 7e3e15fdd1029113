#pragma once
// The start-up check of the five working folders below the start folder, and the
// defaults of the processing time window.

#include <array>
#include <string_view>

#include "shell/session.h"

namespace mirtote {

// Names of the working folders, in the order they are checked.
inline constexpr std::array<std::string_view, 5> kWorkFolders = {"LZH", "DATA", "FILE", "Work",
                                                                 "SEISEKI"};

enum class PrepareResult {
  kReady,    // every folder exists; StartTime / EndTime defaulted
  kRefused,  // the user answered No; the "終了確認" message was shown
  kFailed,   // a folder could not be created; a message named it and the reason
};

// Checks each working folder (a folder of the same name in another letter case counts),
// asks to create a missing one, and defaults an empty StartTime / EndTime.
// The caller ends the program unless the result is kReady.
PrepareResult PrepareWorkFolders(Session& session);

// The processing time window input: two input boxes storing StartTime and EndTime.
void EditProcessingWindow(Session& session);

}  // namespace mirtote
