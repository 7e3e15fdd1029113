#pragma once
// The main window's placement in the settings store, section Form: Top, Left, Height and
// Width in twips (1/1440 inch) as decimal text, and State (0 normal, 1 minimized,
// 2 maximized).

class QWidget;

namespace mirtote {
class SettingsStore;
}

namespace mirtote::app {

// Applies the stored placement to a window that is not shown yet: position (default 0),
// size only where a non-empty value is stored, then the state (default maximized), so that
// a maximized window keeps the stored normal size for when it is restored. A window that
// would lie wholly outside every screen is moved onto the primary screen, and one larger
// than all screens together is cut down to them.
void RestoreMainPlacement(QWidget& window, const SettingsStore& settings);

// Stores State; in the normal state also the position and size. A minimized or maximized
// window thus keeps the last normal position and size.
void SaveMainPlacement(const QWidget& window, SettingsStore& settings);

}  // namespace mirtote::app
