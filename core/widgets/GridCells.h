#pragma once
// Cell texts of an editor's grid, with rows and columns counted from 1 as the editors count
// them (row 0 and column 0 are the headers).
#include <QString>

class QTableWidget;

namespace GridCells {

// The cell's text; empty for a cell without an item or outside the grid.
QString CellText(const QTableWidget* grid, int row, int col);

// Sets the cell's text, giving an empty cell a centred item; a cell outside the grid is left
// alone.
void SetCellText(QTableWidget* grid, int row, int col, const QString& text);

}  // namespace GridCells
