#pragma once
// In-place editors of a grid: a text box or a list laid over one cell of a QTableWidget, as
// a child of the grid's viewport, in place of the grid's own editing.
#include <QString>

class QLineEdit;
class QTableWidget;
class QWidget;

namespace GridOverlay {

// Scrolls the cell (row and column from 0) into view, covers it with editor (its left, top
// and width, and its height unless keepHeight: a list keeps its own) and shows editor on
// top. An editor that is a child of the grid's viewport then scrolls with the cell.
void Place(QTableWidget* grid, QWidget* editor, int row, int column, bool keepHeight = false);

// Place, then box := text, focused, with all of the text selected when there is any.
void OpenText(QTableWidget* grid, QLineEdit* box, int row, int column, const QString& text);

}  // namespace GridOverlay
