#include "history/history_query.h"

#include "history/history_recorder.h"
#include "history/history_report.h"
#include "history/history_store.h"
#include "text/files.h"

namespace mirtote::history {

namespace {

void Tell(const Session& session, const std::string& what, const std::string& reason = {}) {
  std::string text = what + "\r\nファイル：" + text::PathText(HistoryPath(session.start_folder));
  if (!reason.empty()) text += "\r\n理由：" + reason;
  session.host.ShowMessage(text, kHistoryTitle, MessageIcon::kExclamation);
}

}  // namespace

OddsHistoryAnswer AnswerOddsHistory(const OddsHistoryRequest& request, const Session& session) {
  using Question = OddsHistoryRequest::Question;
  OddsHistoryAnswer answer;
  std::string error;
  auto store =
      HistoryStore::Open(HistoryPath(session.start_folder), HistoryStore::Mode::kRead, error);
  if (!store) {
    Tell(session, "オッズ履歴を読めません。", error);
    return answer;
  }
  const std::string date = request.question == Question::kRace ? request.race.date : request.date;
  const auto races = store->ListRaces(date, error);
  if (!error.empty()) {
    Tell(session, "オッズ履歴を読めません。", error);
    return answer;
  }
  if (races.empty()) {
    Tell(session, date.empty() ? "オッズ履歴にスナップショットがありません。"
                               : date + " のスナップショットがありません。");
    return answer;
  }
  switch (request.question) {
    case Question::kList:
      answer.text = RaceListText(races);
      break;
    case Question::kDrops:
      answer.text = DropsText(store->Drops(date, request.min_drop_percent, error));
      break;
    case Question::kRace: {
      const auto race = store->FindRace(request.race, error);
      const auto snapshots = race ? store->Snapshots(request.race, error) : std::vector<Snapshot>{};
      if (!error.empty()) break;
      if (snapshots.empty()) {
        Tell(session, RaceLabel(request.race) + " のスナップショットがありません。");
        return answer;
      }
      answer.text = request.csv ? SnapshotsCsv(*race, snapshots, request.kind)
                                : SnapshotsTable(*race, snapshots, request.kind);
      break;
    }
  }
  if (!error.empty()) {
    Tell(session, "オッズ履歴を読めません。", error);
    answer.text.clear();
    return answer;
  }
  answer.found = true;
  return answer;
}

}  // namespace mirtote::history
