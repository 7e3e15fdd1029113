#include "ui/qt_support.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace mirtote::ui {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kLargestPixels = (1 << 24) - 1;  // Qt's largest widget size

double LogicalDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInch() : 96.0;
}

}  // namespace

QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToUtf8(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString DisplayText(std::string_view utf8) {
  QString text = ToQString(utf8);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

int TwipsToPixels(long long twips) {
  const double pixels = std::round(static_cast<double>(twips) * LogicalDpi() / kTwipsPerInch);
  return static_cast<int>(std::clamp(pixels, -kLargestPixels, kLargestPixels));
}

long long PixelsToTwips(int pixels) {
  return std::llround(static_cast<double>(pixels) * kTwipsPerInch / LogicalDpi());
}

QSize TwipsToPixels(long long width_twips, long long height_twips) {
  return QSize(TwipsToPixels(width_twips), TwipsToPixels(height_twips));
}

QPushButton* MakeButton(QWidget* parent, const char* object_name, std::string_view caption) {
  auto* button = new QPushButton(ToQString(caption), parent);
  button->setObjectName(QString::fromLatin1(object_name));
  return button;
}

void UseDialogFrame(QWidget& dialog) {
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

}  // namespace mirtote::ui
