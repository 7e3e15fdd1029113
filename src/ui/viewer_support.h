#pragma once
// Small pieces shared by the report viewer windows.

#include <QPushButton>
#include <QSize>
#include <QString>
#include <string_view>

namespace mirtote::ui {

// A size given in twips (1/1440 inch) in pixels at the widget's logical DPI.
QSize TwipsToPixels(const QWidget& widget, int width_twips, int height_twips);

// UTF-8 text as a QString.
QString ToQString(std::string_view utf8);

// A push button with an object name and caption.
QPushButton* MakeButton(QWidget* parent, const char* object_name, std::string_view caption);

}  // namespace mirtote::ui
