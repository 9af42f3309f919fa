#include "core/widgets/GridCells.h"

#include <QTableWidget>

namespace GridCells {

QString CellText(const QTableWidget* grid, int row, int col) {
    const QTableWidgetItem* item = grid->item(row - 1, col - 1);
    return item ? item->text() : QString();
}

void SetCellText(QTableWidget* grid, int row, int col, const QString& text) {
    if (row < 1 || row > grid->rowCount() || col < 1 || col > grid->columnCount()) return;
    QTableWidgetItem* item = grid->item(row - 1, col - 1);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        grid->setItem(row - 1, col - 1, item);
    }
    item->setText(text);
}

}  // namespace GridCells
