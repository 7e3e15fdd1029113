#include "app/app_fonts.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

#include "ui/report_font.h"

namespace mirtote::app {

void InstallApplicationFonts() {
  ui::InstallReportFontSubstitutions();

  QFont interface_font = QApplication::font();
  interface_font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"),
                              QStringLiteral("IPAGothic"), QStringLiteral("VL PGothic"),
                              QStringLiteral("TakaoPGothic")});
  interface_font.setPointSize(10);
  QApplication::setFont(interface_font);
}

}  // namespace mirtote::app
