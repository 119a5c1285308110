// What a screen reader finds in the three windows, through Qt's own
// accessibility (AT-SPI on Linux). Every control a player sees has a name;
// the pictures that only supply pictures, and the frames, are not in the
// tree; the game window's three lamps are one group named by the lamps
// left, and its board is a table of cells (accessible_board.h).
#pragma once

class QWidget;

namespace zupi {

// Installs the windows' interfaces; calls after the first do nothing.
void InstallAccessibility();

// The lamps of `form` changed colour: their group has a new name.
void LampsChanged(QWidget* form);

}  // namespace zupi
