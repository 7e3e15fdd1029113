#pragma once
// The chart of the odds history window: one line per horse (or quinella pair) over the odds
// time on a logarithmic odds axis, the line's label at its last point, and the falls of the
// win odds marked.

#include "history/odds_movement.h"

class QChart;

namespace mirtote::ui {

// Object names of the chart's parts, for the window's tests and style.
inline constexpr const char* kDropSeriesName = "急落";

// "単勝", "複勝", "枠連", "馬連".
const char* OddsKindCaption(history::OddsKind kind);

// Replaces what `chart` shows with `movement`; `mark_drops` for the win odds.
void DrawOddsMovement(QChart& chart, const history::OddsMovement& movement, bool mark_drops);

}  // namespace mirtote::ui
