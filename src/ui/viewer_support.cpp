#include "ui/viewer_support.h"

namespace mirtote::ui {

QSize TwipsToPixels(const QWidget& widget, int width_twips, int height_twips) {
  constexpr double kTwipsPerInch = 1440.0;
  return QSize(qRound(width_twips * widget.logicalDpiX() / kTwipsPerInch),
               qRound(height_twips * widget.logicalDpiY() / kTwipsPerInch));
}

QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QPushButton* MakeButton(QWidget* parent, const char* object_name, std::string_view caption) {
  auto* button = new QPushButton(ToQString(caption), parent);
  button->setObjectName(QString::fromLatin1(object_name));
  return button;
}

}  // namespace mirtote::ui
