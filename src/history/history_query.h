#pragma once
// The job of `odds-history` (and what the odds history window asks): a question of the
// store in, the text of the answer out. The store is only read.

#include <string>

#include "history/odds_snapshot.h"
#include "shell/session.h"

namespace mirtote::history {

struct OddsHistoryRequest {
  enum class Question {
    kList,   // the races with snapshots (of `date` when given)
    kRace,   // the snapshots of `race`, as a table or as CSV
    kDrops,  // the drops of win odds (of `date` when given)
  };
  Question question = Question::kList;
  std::string date;  // "YYYYMMDD"; empty for every date (kList, kDrops)
  RaceKey race;      // kRace
  OddsKind kind = OddsKind::kWin;
  bool csv = false;
  double min_drop_percent = 30;
};

struct OddsHistoryAnswer {
  bool found = false;  // the store had snapshots for the question (told otherwise)
  std::string text;    // UTF-8, CR LF lines; empty when no drop was found
};

// Default of --min-drop.
inline constexpr double kDefaultMinDrop = 30;

// Answers from the store of the session's start folder. A store that is missing, cannot be
// read, or has no snapshot for the question is told with one message naming the file.
OddsHistoryAnswer AnswerOddsHistory(const OddsHistoryRequest& request, const Session& session);

}  // namespace mirtote::history
