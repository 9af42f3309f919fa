#pragma once
// The editors' grids: cells changed only through the window's own in-place editors, one cell
// selected at a time, typing on the grid without effect, Tab moving on to the next control,
// a vertical scroll bar always and never a horizontal one, headers of fixed sizes, and a
// label over the header corner that carries the row-label column's caption (a
// QTableWidget's corner has no text of its own). Sizes are in pixels.
#include <QString>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace DesignGrid {

// Sets grid up and returns the corner label made for it ("GridCorner"), to be placed by
// SetLabelColumn once its width is known.
QLabel* SetUp(QTableWidget* grid);

// Headers of fixed section sizes with centred captions and no highlight: the top one
// headerHeight high, rows rowHeight high. Headers that are not clickable only show captions.
void SetUpHeaders(QTableWidget* grid, int headerHeight, int rowHeight, bool clickable);

// designWidth, or as wide as caption needs in the corner's font when that is more.
int LabelColumnWidth(const QLabel* corner, const QString& caption, int designWidth);

// The row-label column width wide, with corner laid over the header corner (headerHeight
// high) above the headers.
void SetLabelColumn(QTableWidget* grid, QLabel* corner, int width, int headerHeight);

// An in-place text box: centred text, no frame of its own but a border in the highlight
// colour, so that it stands out from the cell it covers.
void StyleCellEditor(QLineEdit* box);

}  // namespace DesignGrid
