#include "core/widgets/DesignGrid.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <algorithm>

namespace DesignGrid {

QLabel* SetUp(QTableWidget* grid) {
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->setWordWrap(false);
    grid->setCornerButtonEnabled(false);
    auto* corner = new QLabel(grid);
    corner->setObjectName(QStringLiteral("GridCorner"));
    corner->setAlignment(Qt::AlignCenter);
    corner->setAttribute(Qt::WA_TransparentForMouseEvents);  // clicks reach the grid below
    return corner;
}

void SetUpHeaders(QTableWidget* grid, int headerHeight, int rowHeight, bool clickable) {
    QHeaderView* top = grid->horizontalHeader();
    top->setFixedHeight(headerHeight);
    top->setSectionResizeMode(QHeaderView::Fixed);
    top->setSectionsClickable(clickable);
    top->setDefaultAlignment(Qt::AlignCenter);
    top->setHighlightSections(false);
    QHeaderView* left = grid->verticalHeader();
    left->setSectionResizeMode(QHeaderView::Fixed);
    left->setSectionsClickable(clickable);
    left->setDefaultSectionSize(rowHeight);
    left->setMinimumSectionSize(rowHeight);
    left->setDefaultAlignment(Qt::AlignCenter);
    left->setHighlightSections(false);
}

int LabelColumnWidth(const QLabel* corner, const QString& caption, int designWidth) {
    return std::max(designWidth, corner->fontMetrics().horizontalAdvance(caption) + 8);
}

void SetLabelColumn(QTableWidget* grid, QLabel* corner, int width, int headerHeight) {
    grid->verticalHeader()->setFixedWidth(width);
    corner->setGeometry(grid->frameWidth(), grid->frameWidth(), width, headerHeight);
    corner->raise();
}

void StyleCellEditor(QLineEdit* box) {
    box->setAlignment(Qt::AlignCenter);
    box->setFrame(false);
    box->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid palette(highlight); }"));
}

}  // namespace DesignGrid
