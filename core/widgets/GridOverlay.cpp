#include "core/widgets/GridOverlay.h"

#include <QLineEdit>
#include <QTableWidget>

namespace GridOverlay {

namespace {

void Cover(const QTableWidget* grid, QWidget* editor, int row, int column, bool keepHeight) {
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    editor->setGeometry(cell.left(), cell.top(), cell.width(), keepHeight ? editor->height() : cell.height());
}

}  // namespace

void Place(QTableWidget* grid, QWidget* editor, int row, int column, bool keepHeight) {
    grid->scrollTo(grid->model()->index(row, column));
    Cover(grid, editor, row, column, keepHeight);
    editor->show();
    editor->raise();
}

void OpenText(QTableWidget* grid, QLineEdit* box, int row, int column, const QString& text) {
    Place(grid, box, row, column);
    box->setText(text);
    box->setFocus(Qt::OtherFocusReason);
    if (!box->text().isEmpty()) box->selectAll();
}

}  // namespace GridOverlay
