#pragma once
// Entry points of the operations the main window's menus and toolbar start.
// Each is implemented next to its own window or controller.

namespace mirtote::app {

struct AppContext;

void OpenPatRunDialog(AppContext& context);      // "MIR_OTTE": SelectFormat (src/ui)
void RunArchiveExtraction(AppContext& context);  // "JRA-VAN圧縮ﾌｧｲﾙ解凍"
void RunForumLogConversion(AppContext& context);  // "会議室ログから疑似PATﾌｧｲﾙへ変換"
void RunOddsCsvConversion(AppContext& context);  // "ｵｯｽﾞﾌｧｲﾙ(OD～.CSV)から疑似PATﾌｧｲﾙへ変換"
void OpenResultsSelection(AppContext& context);  // "確定成績表示(JRA-VAN成績ﾃﾞｰﾀ利用)"
void OpenOddsSelection(AppContext& context);  // "専門紙風ｵｯｽﾞ出力"
void OpenOddsHistory(AppContext& context);    // "オッズ推移"
// After a command: an open odds history window shows the snapshots it added at once.
void FollowOddsHistory(AppContext& context);

}  // namespace mirtote::app
