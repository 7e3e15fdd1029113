#pragma once
// The toolbar's images: one small set in a common style (a coloured rounded tile with a
// white symbol), painted when the window is built, so no image files are needed.

#include <QIcon>
#include <QString>

namespace mirtote::app {

// The image of the toolbar button with this key; an empty icon for an unknown key.
QIcon ToolbarIcon(const QString& key);

// The program's own icon, carried by the main window and the dialogs: the odds board on a
// deep blue tile.
QIcon ProgramIcon();

}  // namespace mirtote::app
