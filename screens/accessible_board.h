// The board as assistive technology sees it: a table of 20 x 10 cells,
// each named by its row and column and by what a sighted player sees of it
// (nothing but the goal in a dark stage). The cell under the player's icon
// is the focused one and also tells what lies around it. The icon and
// "GAME OVER" are not in the tree: the focused cell and the announcements
// tell the same.
#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;
class QWidget;

namespace zupi {

// Cell (x, y) in words, rows and columns counted from 1 as spoken: "6行1列"
// and, in a lit stage, what it is ("、通路", "、岩", "、ゴール"); for the cell
// Zupi stands on, what lies beside her instead ("6行1列、通路: 右、岩: 上 下").
// In a dark stage only a goal cell says more than its place.
QString CellName(int x, int y, bool standing);

// The board's interface when `object` is a board, else nullptr.
QAccessibleInterface* BoardAccessible(QObject* object);

// Gives the accessibility focus to cell (x, y) of `board`.
void FocusCell(QWidget* board, int x, int y);

// Tells assistive technology that the cells it knows have new names, as
// when a stage begins with Zupi on the start cell.
void RenameCells(QWidget* board);

}  // namespace zupi
