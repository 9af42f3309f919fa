#include "core/widgets/DesignGrid.h"

#include <QEvent>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <algorithm>

namespace DesignGrid {

namespace {

// Text typed on a grid goes nowhere: a QTableWidget would search its column for a cell
// that starts with it and make that cell current. Keys without text (arrows, pages) and
// control characters (Enter, Backspace) pass.
class TypingFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::InputMethod) return !static_cast<QInputMethodEvent*>(event)->commitString().isEmpty();
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const QString text = static_cast<QKeyEvent*>(event)->text();
        return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
    }
};

}  // namespace

QLabel* SetUp(QTableWidget* grid) {
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->setWordWrap(false);
    grid->setCornerButtonEnabled(false);
    grid->installEventFilter(new TypingFilter(grid));
    // Tab leaves the grid for the next control instead of moving the current cell; so does
    // Tab in an in-place editor, which hands it to the grid as its parent.
    grid->setTabKeyNavigation(false);
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
