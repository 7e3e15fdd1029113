#pragma once
// The fixed-width Japanese font of the report text boxes. Reports are laid out for
// "ＭＳ ゴシック", in which a full-width character is exactly two half-width characters
// wide; on Linux the name is substituted by installed fonts with the same property.

#include <QFont>

namespace mirtote::ui {

// Substitutes "ＭＳ ゴシック" by IPAGothic, then Noto Sans Mono CJK JP, TakaoGothic and
// VL Gothic. Called once at start; ReportFont() calls it when it has not run yet.
void InstallReportFontSubstitutions();

// The font of every report text box.
QFont ReportFont();

}  // namespace mirtote::ui
