#pragma once
// File dialog filters: the "|"-separated description/pattern pairs the operations give
// ("ﾃｷｽﾄﾌｧｲﾙ (*.TXT)|*.TXT|全てのﾌｧｲﾙ (*.*)|*.*|") as Qt name filters "description (patterns)".

#include <QStringList>
#include <string_view>

namespace mirtote::app {

// One Qt name filter per pair, in the given order. Patterns separated by ";" become
// blank-separated; a description that already ends with its patterns in brackets is kept
// as it is. A trailing description without a pattern is dropped.
QStringList QtNameFilters(std::string_view filter);

}  // namespace mirtote::app
