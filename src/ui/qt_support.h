#pragma once
// Small pieces every window of the program uses: texts between the core's UTF-8 and Qt,
// sizes in twips (1/1440 inch) as the windows are laid out, and named push buttons.

#include <QSize>
#include <QString>
#include <string>
#include <string_view>

class QPushButton;
class QWidget;

namespace mirtote::ui {

// UTF-8 text as a QString, and back.
QString ToQString(std::string_view utf8);
std::string ToUtf8(const QString& text);

// A message or report text as shown on screen: each CR LF or lone CR becomes a line break.
QString DisplayText(std::string_view utf8);

// Conversions at the logical resolution of the primary screen (96 dpi without a screen).
// Pixel values beyond the largest widget size (2^24 - 1) are held at it.
int TwipsToPixels(long long twips);
long long PixelsToTwips(int pixels);
QSize TwipsToPixels(long long width_twips, long long height_twips);

// A push button with an object name and caption.
QPushButton* MakeButton(QWidget* parent, const char* object_name, std::string_view caption);

// The frame of a dialog window: title and close button, no minimize or maximize button.
void UseDialogFrame(QWidget& dialog);

}  // namespace mirtote::ui
