// "会議室ログから疑似PATﾌｧｲﾙへ変換" and "ｵｯｽﾞﾌｧｲﾙ(OD～.CSV)から疑似PATﾌｧｲﾙへ変換": the open
// dialog chooses the source files, then the conversion runs with its progress and messages.

#include "app/app_context.h"
#include "app/operations.h"
#include "convert/forum_log.h"
#include "convert/odds_csv.h"

namespace mirtote::app {

namespace {

// The busy pointer is shown from the choice on; the dialog itself keeps the normal one.
template <typename Request, typename Result>
void ChooseAndConvert(AppContext& context, const FileDialogRequest& dialog,
                      Result (*run)(const Request&, const Session&)) {
  Host& host = context.session.host;
  const auto chosen = host.ChooseFilesToOpen(dialog);
  if (!chosen) return;
  host.SetBusy(true);
  run(Request{convert::ChosenPaths(*chosen)}, context.session);
  host.SetBusy(false);
}

}  // namespace

void RunForumLogConversion(AppContext& context) {
  ChooseAndConvert(context, convert::ForumLogOpenRequest(context.session),
                   &convert::ConvertForumLogs);
}

void RunOddsCsvConversion(AppContext& context) {
  ChooseAndConvert(context, convert::OddsCsvOpenRequest(context.session),
                   &convert::ConvertOddsCsvFiles);
}

}  // namespace mirtote::app
