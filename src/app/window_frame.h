#pragma once
// How the program's windows meet the window manager: titles that fit, and where a window
// opens relative to the window it belongs to.

#include <QString>

class QMessageBox;
class QWidget;

namespace mirtote::app {

// The outer width a window needs so that the title bar shows `title` whole: the title in the
// title-bar font, plus the frame's icon and buttons.
int TitleFitWidth(const QString& title);

// Widens a message box (which sizes itself to its text) so that its title is not cut.
void FitBoxToTitle(QMessageBox& box);

// Moves `window` so that it is centred over `owner`; over the primary screen without one.
void CentreOver(QWidget& window, const QWidget* owner);

}  // namespace mirtote::app
