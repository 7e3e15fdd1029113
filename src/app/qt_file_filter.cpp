#include "app/qt_file_filter.h"

#include "ui/qt_support.h"

namespace mirtote::app {

using ui::ToQString;

QStringList QtNameFilters(std::string_view filter) {
  const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    QString patterns = parts[i + 1].trimmed();
    if (patterns.isEmpty()) continue;
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    patterns = patterns.simplified();
    const QString bracketed = QLatin1Char('(') + patterns + QLatin1Char(')');
    if (description.endsWith(bracketed)) {
      filters << description;
    } else if (description.isEmpty()) {
      filters << bracketed;
    } else {
      filters << description + QLatin1Char(' ') + bracketed;
    }
  }
  return filters;
}

}  // namespace mirtote::app
