// "会議室ログから疑似PATﾌｧｲﾙへ変換" and "ｵｯｽﾞﾌｧｲﾙ(OD～.CSV)から疑似PATﾌｧｲﾙへ変換": the open
// dialog chooses the source files, then the conversion runs with its progress and messages.

#include "app/app_context.h"
#include "app/operations.h"
#include "convert/forum_log.h"
#include "convert/odds_csv.h"

namespace mirtote::app {

namespace {

// The busy pointer from before the dialog until the end, also when the dialog is cancelled,
// as the archive extraction does.
template <typename Request, typename Result>
void ChooseAndConvert(AppContext& context, const FileDialogRequest& dialog,
                      Result (*run)(const Request&, const Session&)) {
  Host& host = context.session.host;
  const BusyPointer busy(host);
  if (const auto chosen = host.ChooseFilesToOpen(dialog)) {
    run(Request{convert::ChosenPaths(*chosen)}, context.session);
  }
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
