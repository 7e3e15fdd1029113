#include "ui/report_font.h"

#include <QStringList>

namespace mirtote::ui {

namespace {

QString ReportFamily() {
  return QStringLiteral("ＭＳ ゴシック");
}

constexpr int kReportPointSize = 10;

}  // namespace

void InstallReportFontSubstitutions() {
  if (!QFont::substitutes(ReportFamily()).isEmpty()) return;
  // IPAGothic keeps full width = 2 x half width at every size; the others only at some.
  QFont::insertSubstitutions(ReportFamily(),
                             {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
                              QStringLiteral("TakaoGothic"), QStringLiteral("VL Gothic")});
}

QFont ReportFont() {
  InstallReportFontSubstitutions();
  QFont font(ReportFamily(), kReportPointSize);
  font.setStyleHint(QFont::TypeWriter);
  // Full hinting rounds the advances and breaks the 1:2 ratio at some sizes.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace mirtote::ui
