// The processing time window input: the first and last post time of the races to process.

#include <string>

#include "shell/settings_keys.h"
#include "shell/work_folders.h"

namespace mirtote {

namespace {

constexpr std::string_view kTitle = "発走時間指定";

}  // namespace

void EditProcessingWindow(Session& session) {
  // Nothing checks the entries: an empty entry confirmed with OK is stored empty (the next
  // start-up puts the default back); a cancelled box keeps the stored value.
  const std::string start_prompt = std::string("処理開始時間を入力してください。") + "\r" +
                                   "指定時刻以降のレースが処理されます。" + "\r" +
                                   "現在の設定時間は、次の通りです。" + "\r";
  if (auto start = session.host.AskText(
          start_prompt, kTitle, session.settings.GetOr(keys::kStartup, keys::kStartTime, "0900"))) {
    session.settings.Set(keys::kStartup, keys::kStartTime, *start);
  }

  const std::string end_prompt = std::string("処理終了時間を入力してください。") + "\r" +
                                 "指定時刻以前のレースが処理されます。" + "\r" +
                                 "現在の設定時間は、次の通りです。" + "\r";
  if (auto end = session.host.AskText(
          end_prompt, kTitle, session.settings.GetOr(keys::kStartup, keys::kEndTime, "1700"))) {
    session.settings.Set(keys::kStartup, keys::kEndTime, *end);
  }
}

}  // namespace mirtote
